#include "pair_rules.h"

#include "game/tag_text.h"

namespace twindle {

namespace {
constexpr int kCaseDistance = 'a' - 'A';
}

bool picturesPair(std::string_view firstTag, std::string_view secondTag)
{
    return firstTag == secondTag;
}

bool lettersPair(std::string_view firstTag, std::string_view secondTag)
{
    if (firstTag == secondTag)
        return true;
    const auto first = tagInteger(firstTag);
    const auto second = tagInteger(secondTag);
    return first && second
        && (*first - kCaseDistance == *second || *first + kCaseDistance == *second);
}

} // namespace twindle
