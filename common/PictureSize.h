// A picture file's size in pixels from its own header (BMP, PNG, GIF, JPEG), without decoding it: what the
// check needs to judge a high-resolution twin, on any system.
#pragma once

#include <string_view>

namespace orb {

// False when the bytes are none of those formats or too short to say.
bool PictureSize(std::string_view data, int& width, int& height);

}  // namespace orb
