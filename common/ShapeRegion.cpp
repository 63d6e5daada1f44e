// Runs of non-transparent pixels per row; see ShapeRegion.h.
#include "common/ShapeRegion.h"

#include <cstddef>

namespace orb {

ShapeRuns ComputeShapeRuns(const uint32_t* pixels, int width, int height, int stride, long& transparent) {
  ShapeRuns out;
  if (width <= 0 || height <= 0 || !pixels) {
    out.row_starts.assign(height > 0 ? height + 1 : 1, 0);
    return out;
  }
  if (transparent < 1) transparent = static_cast<long>(DibPixelColour(pixels[0]));
  // Compare in the DIB's own layout so the inner loops do no conversion; the unused top byte is masked.
  const uint32_t key = (static_cast<uint32_t>(transparent) & 0xFFu) << 16 |
                       (static_cast<uint32_t>(transparent) & 0xFF00u) |
                       ((static_cast<uint32_t>(transparent) >> 16) & 0xFFu);
  // A colour above 0x00FFFFFF can never equal a pixel, as GetPixel's values never reach it.
  const bool key_possible = static_cast<unsigned long>(transparent) <= 0x00FFFFFFul;
  out.row_starts.reserve(height + 1);
  for (int y = 0; y < height; ++y) {
    out.row_starts.push_back(static_cast<uint32_t>(out.runs.size()));
    const uint32_t* row = pixels + static_cast<size_t>(y) * stride;
    int x = 0;
    while (x < width) {
      if (key_possible) {
        while (x < width && (row[x] & 0x00FFFFFFu) == key) ++x;
      }
      if (x >= width) break;
      int start = x;
      if (key_possible) {
        while (x < width && (row[x] & 0x00FFFFFFu) != key) ++x;
      } else {
        x = width;
      }
      out.runs.push_back({y, start, x});
    }
  }
  out.row_starts.push_back(static_cast<uint32_t>(out.runs.size()));
  return out;
}

}  // namespace orb
