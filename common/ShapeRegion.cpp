// Runs of non-transparent pixels per row and their bound; see ShapeRegion.h.
#include "common/ShapeRegion.h"

#include <cstddef>
#include <cstdlib>

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

namespace {

// Within one row: fill gaps of at most t pixels, then drop runs of at most t pixels.
void CloseRow(const ShapeRun* first, const ShapeRun* end, int t, std::vector<ShapeRun>& out) {
  size_t row_begin = out.size();
  for (const ShapeRun* r = first; r != end; ++r) {
    if (out.size() > row_begin && r->left - out.back().right <= t) {
      out.back().right = r->right;
    } else {
      out.push_back(*r);
    }
  }
  size_t kept = row_begin;
  for (size_t i = row_begin; i < out.size(); ++i) {
    if (out[i].right - out[i].left > t) out[kept++] = out[i];
  }
  out.resize(kept);
}

bool Near(const ShapeRun* a, const ShapeRun* b, size_t count, int t) {
  for (size_t i = 0; i < count; ++i) {
    if (std::abs(a[i].left - b[i].left) > t || std::abs(a[i].right - b[i].right) > t) return false;
  }
  return true;
}

ShapeRuns Simplify(const ShapeRuns& shape, int t) {
  ShapeRuns out;
  size_t rows = shape.row_starts.size() - 1;
  out.row_starts.reserve(rows + 1);
  out.runs.reserve(shape.runs.size());
  size_t band = 0;  // first row of the current band in out
  for (size_t y = 0; y < rows; ++y) {
    uint32_t start = static_cast<uint32_t>(out.runs.size());
    out.row_starts.push_back(start);
    CloseRow(shape.runs.data() + shape.row_starts[y], shape.runs.data() + shape.row_starts[y + 1], t,
             out.runs);
    size_t count = out.runs.size() - start;
    size_t band_start = out.row_starts[band];
    size_t band_count =
        (band + 1 < out.row_starts.size() ? out.row_starts[band + 1] : out.runs.size()) - band_start;
    if (y > 0 && count == band_count && Near(&out.runs[band_start], &out.runs[start], count, t)) {
      for (size_t i = 0; i < count; ++i) {
        out.runs[start + i].left = out.runs[band_start + i].left;
        out.runs[start + i].right = out.runs[band_start + i].right;
      }
    } else {
      band = y;
    }
  }
  out.row_starts.push_back(static_cast<uint32_t>(out.runs.size()));
  return out;
}

}  // namespace

bool SameShapeRows(const ShapeRuns& shape, size_t a, size_t b) {
  uint32_t i = shape.row_starts[a], i_end = shape.row_starts[a + 1];
  uint32_t j = shape.row_starts[b], j_end = shape.row_starts[b + 1];
  if (i_end - i != j_end - j) return false;
  for (; i < i_end; ++i, ++j) {
    if (shape.runs[i].left != shape.runs[j].left || shape.runs[i].right != shape.runs[j].right) return false;
  }
  return true;
}

size_t CountShapeRectangles(const ShapeRuns& shape) {
  size_t count = 0;
  size_t rows = shape.row_starts.empty() ? 0 : shape.row_starts.size() - 1;
  for (size_t y = 0; y < rows; ++y) {
    if (y > 0 && SameShapeRows(shape, y - 1, y)) continue;
    count += shape.row_starts[y + 1] - shape.row_starts[y];
  }
  return count;
}

int BoundShapeRuns(ShapeRuns& shape, size_t max_rectangles) {
  if (CountShapeRectangles(shape) <= max_rectangles) return 0;
  for (int t : {1, 2, 3, 4, 6, kMaxShapeTolerance}) {
    ShapeRuns simpler = Simplify(shape, t);
    if (CountShapeRectangles(simpler) <= max_rectangles) {
      shape = std::move(simpler);
      return t;
    }
  }
  return -1;
}

}  // namespace orb
