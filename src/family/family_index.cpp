#include "family_index.h"

#include "utf8_text.h"

#include <algorithm>
#include <new>

namespace twindle::family {

namespace {

constexpr std::string_view kMagic = "twindle family cards ";
constexpr std::string_view kNoVoice = "-";
constexpr std::size_t kLongestFileStem = 64;

bool isFileName(std::string_view name, std::string_view extension)
{
    if (name.size() <= extension.size() || !name.ends_with(extension))
        return false;
    const std::string_view stem = name.substr(0, name.size() - extension.size());
    return stem.size() <= kLongestFileStem && std::ranges::all_of(stem, [](char c) {
               return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
           });
}

// Why the first line is not that of a version 1 index; nothing when it is.
std::optional<std::string> headerProblem(std::string_view line)
{
    if (!line.starts_with(kMagic))
        return "This is not an index of family cards.";
    const std::string_view version = line.substr(kMagic.size());
    if (version == std::to_string(kIndexVersion))
        return std::nullopt;
    if (!version.empty() && std::ranges::all_of(version, [](char c) { return c >= '0' && c <= '9'; }))
        return "The family cards were saved by another version of Twindle (index version "
               + std::string(version) + ").";
    return "This is not an index of family cards.";
}

// The card of one line, or why there is none.
std::optional<CardRecord> readRecord(std::string_view line, std::string& reason)
{
    const std::vector<std::string_view> fields = splitAt(line, '\t');
    if (fields.size() != 3) {
        reason = "The line is not a name, a picture and a voice separated by tabs.";
        return std::nullopt;
    }
    if (const std::optional<std::string> problem = nameProblem(fields[0])) {
        reason = *problem;
        return std::nullopt;
    }
    if (!isPictureFileName(fields[1])) {
        reason = "The picture's file name is not one Twindle gives.";
        return std::nullopt;
    }
    if (fields[2] != kNoVoice && !isVoiceFileName(fields[2])) {
        reason = "The voice's file name is not one Twindle gives.";
        return std::nullopt;
    }
    return CardRecord{std::string(fields[0]), std::string(fields[1]),
                      fields[2] == kNoVoice ? std::string() : std::string(fields[2])};
}

FamilyIndex parse(std::string_view text)
{
    FamilyIndex index;
    const auto [lines, cutShort] = indexLines(text);
    std::optional<std::string> problem = headerProblem(lines.empty() ? "" : lines.front());
    if (!problem && cutShort && lines.size() == 1)
        problem = "The index is cut short.";
    if (problem) {
        index.skipped.push_back({1, *problem});
        return index;
    }
    index.recognised = true;
    for (std::size_t number = 2; number <= lines.size(); ++number) {
        std::string reason;
        if (cutShort && number == lines.size())
            reason = "The line is cut short.";
        else if (index.cards.size() == kMostCards)
            reason = "A deck holds at most " + std::to_string(kMostCards) + " cards.";
        else if (std::optional<CardRecord> card = readRecord(lines[number - 1], reason))
            index.cards.push_back(std::move(*card));
        if (!reason.empty())
            index.skipped.push_back({number, std::move(reason)});
    }
    return index;
}

} // namespace

std::vector<std::string_view> splitAt(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string_view::npos; start = end + 1)
        parts.push_back(text.substr(start, end - start));
    parts.push_back(text.substr(start));
    return parts;
}

IndexLines indexLines(std::string_view text)
{
    IndexLines read{splitAt(text, '\n')};
    read.cutShort = !read.lines.back().empty();
    if (!read.cutShort)
        read.lines.pop_back();
    return read;
}

FamilyIndex parseFamilyIndex(std::string_view text) noexcept
{
    try {
        return parse(text);
    } catch (const std::bad_alloc&) {
        return {};  // unread, and so unrecognised: the deck then changes nothing
    }
}

std::string writeFamilyIndex(const std::vector<CardRecord>& cards)
{
    std::string text = std::string(kMagic) + std::to_string(kIndexVersion) + "\n";
    for (const CardRecord& card : cards) {
        text += card.name + '\t' + card.picture + '\t';
        text += (card.voice.empty() ? std::string(kNoVoice) : card.voice) + '\n';
    }
    return text;
}

std::optional<std::string> nameProblem(std::string_view name)
{
    const std::optional<std::vector<char32_t>> characters = decodeUtf8(name);
    if (!characters)
        return "The name is not valid text.";
    if (characters->empty())
        return "The name is empty.";
    if (characters->size() > kLongestName)
        return "The name is longer than " + std::to_string(kLongestName) + " characters.";
    if (std::ranges::any_of(*characters, isControl))
        return "The name holds a control character, such as a tab or a line break.";
    if (isWhiteSpace(characters->front()) || isWhiteSpace(characters->back()))
        return "The name begins or ends with a space.";
    return std::nullopt;
}

bool isPictureFileName(std::string_view name)
{
    return isFileName(name, ".jpg");
}

bool isVoiceFileName(std::string_view name)
{
    return isFileName(name, ".wav");
}

} // namespace twindle::family
