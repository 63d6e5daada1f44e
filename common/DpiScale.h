// Menu geometry at a monitor's DPI: picture pixels and twips (laid out for 96 DPI) to physical pixels,
// the high-resolution twins beside a picture ("back@2x.jpg") and the shaped window's outline scaled.
#pragma once

#include <string>
#include <vector>

#include "common/ShapeRegion.h"

namespace orb {

inline constexpr int kBaseDpi = 96;

// A position in 96-DPI pixels at dpi: scaled and rounded to the nearest physical pixel, halves up.
// Edges are scaled, never lengths, so that areas which touch at 96 DPI touch at every DPI, without a
// gap or an overlap between them.
int ScaleEdge(int pixels, int dpi);
// A length starting at `at`: the distance between its two scaled edges.
inline int ScaleLength(int at, int length, int dpi) { return ScaleEdge(at + length, dpi) - ScaleEdge(at, dpi); }
// Twips (15 a pixel at 96 DPI) to physical pixels: rounded to the picture's pixels first, as at 96 DPI,
// so that a spot lies on the same picture pixels at every scale.
int TwipsToPhysical(int twips, int dpi);

// A picture's high-resolution twins, smallest first: the file's name with the suffix before its extension.
struct TwinScale {
  const char* suffix;
  int tenths;  // the twin's size over the picture's, in tenths
};
inline constexpr TwinScale kTwinScales[] = {{"@1.5x", 15}, {"@2x", 20}, {"@3x", 30}, {"@4x", 40}};

// "imgmusic\back.jpg" and "@2x" give "imgmusic\back@2x.jpg".
std::string TwinPath(const std::string& path, const char* suffix);
// The twin to draw from at dpi, from those present (tenths): the smallest at least as large as needed, else
// the largest present; 0 (the picture itself) at 96 DPI and below or when none is present.
int ChooseTwin(int dpi, const std::vector<int>& present);
// Whether a twin's size is its picture's times tenths / 10, within one pixel either way.
bool TwinSizeFits(int width, int height, int twin_width, int twin_height, int tenths);

// The outline of a picture drawn at dpi: each 96-DPI run and row scaled by its edges. A physical pixel is
// inside exactly when its centre falls on a pixel of the picture's own outline, so the outline stays
// within half a physical pixel of the scaled picture's edge, and has the same number of rectangles.
ShapeRuns ScaleShapeRuns(const ShapeRuns& shape, int dpi);

}  // namespace orb
