// Menu geometry at a monitor's DPI; see DpiScale.h.
#include "common/DpiScale.h"

#include <algorithm>
#include <cstdint>

namespace orb {
namespace {

// Floor division, also for negative positions (a window partly left of a monitor's origin).
int64_t FloorDiv(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

}  // namespace

int ScaleEdge(int pixels, int dpi) {
  return static_cast<int>(FloorDiv(static_cast<int64_t>(pixels) * dpi * 2 + kBaseDpi, 2 * kBaseDpi));
}

int TwipsToPhysical(int twips, int dpi) {
  // The player's own rounding at 96 DPI: to the nearest pixel, halves away from zero.
  int pixels = twips >= 0 ? (twips * 2 + 15) / 30 : -((-twips * 2 + 15) / 30);
  return ScaleEdge(pixels, dpi);
}

std::string TwinPath(const std::string& path, const char* suffix) {
  size_t name = path.find_last_of("\\/");
  size_t dot = path.rfind('.');
  if (dot == std::string::npos || (name != std::string::npos && dot < name)) return path + suffix;
  return path.substr(0, dot) + suffix + path.substr(dot);
}

int ChooseTwin(int dpi, const std::vector<int>& present) {
  if (dpi <= kBaseDpi || present.empty()) return 0;
  int best = 0, largest = 0;
  for (int tenths : present) {
    largest = std::max(largest, tenths);
    // Large enough: the twin is at least dpi / 96 times the picture.
    if (tenths * kBaseDpi >= dpi * 10 && (best == 0 || tenths < best)) best = tenths;
  }
  return best ? best : largest;
}

bool TwinSizeFits(int width, int height, int twin_width, int twin_height, int tenths) {
  // Within one pixel of the exact multiple: |twin * 10 - size * tenths| <= 10.
  auto fits = [tenths](int size, int twin) {
    int64_t off = static_cast<int64_t>(twin) * 10 - static_cast<int64_t>(size) * tenths;
    return off >= -10 && off <= 10;
  };
  return fits(width, twin_width) && fits(height, twin_height);
}

ShapeRuns ScaleShapeRuns(const ShapeRuns& shape, int dpi) {
  ShapeRuns scaled;
  if (shape.row_starts.empty()) return scaled;
  int rows = static_cast<int>(shape.row_starts.size()) - 1;
  scaled.row_starts.push_back(0);
  for (int row = 0; row < rows; ++row) {
    for (int y = ScaleEdge(row, dpi), end = ScaleEdge(row + 1, dpi); y < end; ++y) {
      for (uint32_t i = shape.row_starts[row]; i < shape.row_starts[row + 1]; ++i) {
        int left = ScaleEdge(shape.runs[i].left, dpi), right = ScaleEdge(shape.runs[i].right, dpi);
        if (left < right) scaled.runs.push_back({y, left, right});
      }
      scaled.row_starts.push_back(static_cast<uint32_t>(scaled.runs.size()));
    }
  }
  return scaled;
}

}  // namespace orb
