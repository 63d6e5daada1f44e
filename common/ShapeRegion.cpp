// Runs of non-transparent pixels per row; see ShapeRegion.h.
#include "common/ShapeRegion.h"

#include <cstddef>

namespace orb {

namespace {

// One scan of the rows; Cut(pixel) says whether a pixel is cut out of the shape.
template <typename Cut>
void ScanRuns(const uint32_t* pixels, int width, int height, int stride, Cut cut, ShapeRuns& out) {
  out.row_starts.reserve(height + 1);
  for (int y = 0; y < height; ++y) {
    out.row_starts.push_back(static_cast<uint32_t>(out.runs.size()));
    const uint32_t* row = pixels + static_cast<size_t>(y) * stride;
    int x = 0;
    while (x < width) {
      while (x < width && cut(row[x])) ++x;
      if (x >= width) break;
      int start = x;
      while (x < width && !cut(row[x])) ++x;
      out.runs.push_back({y, start, x});
    }
  }
  out.row_starts.push_back(static_cast<uint32_t>(out.runs.size()));
}

}  // namespace

ShapeRuns ComputeShapeRuns(const uint32_t* pixels, int width, int height, int stride, long& transparent,
                           bool cut_clear) {
  ShapeRuns out;
  if (width <= 0 || height <= 0 || !pixels) {
    out.row_starts.assign(height > 0 ? height + 1 : 1, 0);
    return out;
  }
  if (transparent < 1) {
    transparent =
        cut_clear && (pixels[0] >> 24) == 0 ? kNoKeyColour : static_cast<long>(DibPixelColour(pixels[0]));
  }
  // Compare in the DIB's own layout so the inner loops do no conversion; the top byte is masked.
  const uint32_t key = (static_cast<uint32_t>(transparent) & 0xFFu) << 16 |
                       (static_cast<uint32_t>(transparent) & 0xFF00u) |
                       ((static_cast<uint32_t>(transparent) >> 16) & 0xFFu);
  // A colour above 0x00FFFFFF can never equal a pixel, as GetPixel's values never reach it.
  const bool key_possible = static_cast<unsigned long>(transparent) <= 0x00FFFFFFul;
  auto clear = [](uint32_t p) { return (p >> 24) == 0; };
  auto keyed = [key](uint32_t p) { return (p & 0x00FFFFFFu) == key; };
  if (cut_clear && key_possible) {
    ScanRuns(pixels, width, height, stride, [&](uint32_t p) { return clear(p) || keyed(p); }, out);
  } else if (cut_clear) {
    ScanRuns(pixels, width, height, stride, clear, out);
  } else if (key_possible) {
    ScanRuns(pixels, width, height, stride, keyed, out);
  } else {
    ScanRuns(pixels, width, height, stride, [](uint32_t) { return false; }, out);
  }
  return out;
}

}  // namespace orb
