// Parses any bytes as a family cards' index. Whatever it reads must hold together: at most
// kMostCards cards, each with a name and file names the index allows; skipped lines numbered
// within the text, in order, each with a reason; nothing read past a first line it refuses; and
// writing the cards it read, then reading that, gives back the same cards with nothing skipped.

#include "family/family_index.h"
#include "index_checks.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace twindle::family {
namespace {

void checkCards(const FamilyIndex& index)
{
    require(index.cards.size() <= kMostCards, "more cards than a deck holds");
    for (const CardRecord& card : index.cards) {
        require(!nameProblem(card.name), "a card whose name the index refuses");
        require(isPictureFileName(card.picture), "a picture file name the index refuses");
        require(card.voice.empty() || isVoiceFileName(card.voice), "a voice file name the index refuses");
    }
}

void checkSkipped(const FamilyIndex& index, std::string_view text)
{
    checkSkippedLines(index.skipped, text);
    if (!index.recognised) {
        require(index.cards.empty(), "cards read past a refused first line");
        require(index.skipped.size() == 1 && index.skipped[0].line == 1, "a refusal not of the first line");
    }
}

} // namespace
} // namespace twindle::family

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace twindle::family;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const FamilyIndex index = parseFamilyIndex(text);
    checkCards(index);
    checkSkipped(index, text);

    const FamilyIndex again = parseFamilyIndex(writeFamilyIndex(index.cards));
    require(again.recognised && again.skipped.empty(), "the written index does not read back whole");
    require(again.cards == index.cards, "the written index reads back other cards");
    return 0;
}
