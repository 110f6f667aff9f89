#pragma once

#include <string_view>

namespace twindle {

// Two picture cards pair when they carry the same picture.
bool picturesPair(std::string_view firstTag, std::string_view secondTag);

// Two letter cards pair when they carry the same letter, or a capital and its own small
// letter in either order ("65" with "65", "65" with "97", "97" with "65").
bool lettersPair(std::string_view firstTag, std::string_view secondTag);

} // namespace twindle
