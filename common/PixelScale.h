// Pictures at another size, the same on every system: each target pixel is the average of the source area
// it covers (a box filter). Going up by a whole factor that repeats pixels, as it should; at any other
// factor the pixels a target straddles are blended, and edges that fall on whole source pixels stay sharp,
// so a spot drawn over a marker still starts on the marker. Going down, every source pixel counts.
#pragma once

#include <cstdint>

namespace orb {

// Scales tightly packed 32-bit pixels (four 8-bit channels, premultiplied when they have alpha: every
// channel is averaged alike) from sw x sh to dw x dh. False, target untouched, for sizes below 1 or above
// 32767 pixels a side.
bool ScalePixels(const std::uint32_t* source, int sw, int sh, std::uint32_t* target, int dw, int dh);

}  // namespace orb
