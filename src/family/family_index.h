#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace twindle::family {

// The family cards' index: a small UTF-8 text file in the deck's folder that names its cards,
// in their order, with the files that hold them. Version 1 reads:
//
//     twindle family cards 1\n
//     <name>\t<picture>\t<voice>\n            one line per card
//
// - <name>: 1 to kLongestName characters (code points) of valid UTF-8, without control
//   characters (tabs and line ends among them) and without white space at either end.
// - <picture>: a plain file name in the index's folder: 1 to 64 of a-z, 0-9, '-' and '_', then
//   ".jpg". So it names no other folder: no '/', no "..", no absolute path.
// - <voice>: a file name of the same kind ending in ".wav", or "-" for a card that is silent.
// - Every line ends with "\n", the last one too. At most kMostCards cards.
//
// Names are compared case-insensitively by the deck, which knows Unicode's cases; the index
// leaves that to it.
inline constexpr std::size_t kMostCards = 99;
inline constexpr std::size_t kLongestName = 40;
inline constexpr int kIndexVersion = 1;

struct CardRecord {
    std::string name;
    std::string picture;
    std::string voice;  // empty: the card is silent

    friend bool operator==(const CardRecord&, const CardRecord&) = default;
};

struct SkippedLine {
    std::size_t line;  // counted from 1
    std::string reason;
};

// The parts of `text` between the separators, empty ones included.
std::vector<std::string_view> splitAt(std::string_view text, char separator);

// The lines of an index's text, and whether the last was cut short (the text does not end with
// "\n"): the two indexes of this folder read their text so.
struct IndexLines {
    std::vector<std::string_view> lines;
    bool cutShort = false;
};
IndexLines indexLines(std::string_view text);

struct FamilyIndex {
    // False when the first line is not that of version 1 (or the text could not be read at
    // all): then nothing past it was read, and `skipped` says why.
    bool recognised = false;
    std::vector<CardRecord> cards;  // the whole records, in their order
    std::vector<SkippedLine> skipped;
};

// Reads any bytes: every line that is a whole record gives a card, every other line is skipped
// with its reason, in plain words. A last line without its "\n" was cut short and is skipped;
// records past the kMostCards-th are skipped. Never throws.
FamilyIndex parseFamilyIndex(std::string_view text) noexcept;

// The index of these cards, each of which must be a record parseFamilyIndex takes, at most
// kMostCards of them: parsing it gives them back.
std::string writeFamilyIndex(const std::vector<CardRecord>& cards);

// Why a card cannot have this name, as a sentence for a parent; nothing when it can.
std::optional<std::string> nameProblem(std::string_view name);

// Whether a file name is one a card's picture (".jpg") or voice (".wav") may have.
bool isPictureFileName(std::string_view name);
bool isVoiceFileName(std::string_view name);

} // namespace twindle::family
