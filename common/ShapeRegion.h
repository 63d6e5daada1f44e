// The outline of a shaped window: the runs of non-transparent pixels of each row of a picture, one
// rectangle (one pixel high) per run, computed from the picture's pixels read once; outlines too busy
// for a window region are simplified within a few pixels.
#pragma once

#include <cstddef>
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
  std::vector<ShapeRun> runs;        // rows top to bottom, runs left to right
  std::vector<uint32_t> row_starts;  // index into runs of each row's first run; size height + 1
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

// True when rows a and b hold the same runs.
bool SameShapeRows(const ShapeRuns& shape, size_t a, size_t b);

// Rectangles a window region of these runs holds: neighbouring rows with the same runs share one band.
size_t CountShapeRectangles(const ShapeRuns& shape);

// Wine's X11 driver hangs or dies on a window region of 32,766 rectangles or more (they no longer fit one
// X request; 32,765 works); Windows accepts more but pays for every one at each move. Regions stay at
// half that limit.
inline constexpr size_t kMaxShapeRectangles = 16384;
// The largest tolerance the simplification uses: no pixel further than this from an edge of the
// picture's own outline (in its row) changes sides.
inline constexpr int kMaxShapeTolerance = 8;

// Keeps shape at most max_rectangles rectangles. An outline within the bound stays exactly as it is.
// Otherwise it is simplified from the original in steps of growing tolerance t (1, 2, 3, 4, 6, 8) until it
// fits: in each row gaps of at most t pixels are filled and runs of at most t pixels dropped, then rows
// with as many runs as the row that starts their band and every edge within t pixels of it take that
// row's runs. Every changed pixel lies within t pixels of an edge of the original in its row. Returns the
// tolerance used (0: unchanged), or -1 when even the last step does not fit; shape is then unchanged.
int BoundShapeRuns(ShapeRuns& shape, size_t max_rectangles = kMaxShapeRectangles);

}  // namespace orb
