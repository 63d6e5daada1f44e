// The outline of a shaped window: the runs of non-transparent pixels of each row of a picture, one
// rectangle (one pixel high) per run, computed from the picture's pixels read once.
#pragma once

#include <cstdint>
#include <vector>

namespace orb {

// One run: pixels left .. right - 1 of row top (right exclusive).
struct ShapeRun {
  int top;
  int left;
  int right;
  bool operator==(const ShapeRun&) const = default;
};

struct ShapeRuns {
  std::vector<ShapeRun> runs;          // rows top to bottom, runs left to right
  std::vector<uint32_t> row_starts;    // index into runs of each row's first run; size height + 1
};

// Colours are 0x00BBGGRR. pixels: 32-bit top-down rows of a DIB (bytes B, G, R, X), stride in pixels.
// transparent: below 1 means "none given": the top-left pixel's colour is taken and written back.
// cut_clear: the top byte is alpha, and fully clear pixels (alpha 0) are cut out too; a clear top-left
// pixel then gives no key colour (kNoKeyColour is written back), so that only the clear pixels go.
ShapeRuns ComputeShapeRuns(const uint32_t* pixels, int width, int height, int stride, long& transparent,
                           bool cut_clear = false);

// A transparent colour that no pixel can have.
constexpr long kNoKeyColour = 0x01000000;

// The 0x00BBGGRR colour of one DIB pixel.
inline uint32_t DibPixelColour(uint32_t pixel) {
  return ((pixel & 0xFFu) << 16) | (pixel & 0xFF00u) | ((pixel >> 16) & 0xFFu);
}

}  // namespace orb
