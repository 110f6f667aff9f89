#pragma once

#include <QString>

namespace twindle {

// A picture's word as text, translated into the program's language: what spokenWord(word) says
// (resource_catalogue.h), for a screen reader to say in the reader's own voice; empty for a
// number without a picture's word. The words are those of src/assets/speech/words.tsv.
QString spokenWordText(int word);

} // namespace twindle
