#include "tag_text.h"

#include <charconv>
#include <cmath>

namespace twindle {

namespace {

std::optional<double> tagNumber(std::string_view tag)
{
    double value = 0;
    const char* const end = tag.data() + tag.size();
    const auto [stop, error] = std::from_chars(tag.data(), end, value);
    if (tag.empty() || error != std::errc{} || stop != end)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<int> tagInteger(std::string_view tag)
{
    const std::optional<double> number = tagNumber(tag);
    if (!number || !(std::fabs(*number) < 2147483647.0))
        return std::nullopt;
    return int(std::nearbyint(*number));  // the default rounding mode rounds halves to even
}

bool isInPlay(std::string_view tag)
{
    const std::optional<double> number = tagNumber(tag);
    return number && *number > 3;
}

std::string integerText(int value)
{
    return std::to_string(value);
}

std::string characterText(int code)
{
    return std::string(1, char(code));
}

} // namespace twindle
