// Runs of a shaped window's outline, checked against a plain per-pixel reference of the outline rules.
#include "common/ShapeRegion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace orb {
namespace {

// Pixels in DIB layout made from 0x00BBGGRR colours (top byte set as GetDIBits may leave it).
std::vector<uint32_t> Dib(const std::vector<uint32_t>& colours) {
  std::vector<uint32_t> out;
  for (uint32_t c : colours) out.push_back(0xFF000000u | DibPixelColour(c));
  return out;
}

// The reference: one pixel at a time, a run wherever a non-transparent pixel follows a transparent one.
std::vector<ShapeRun> Reference(const std::vector<uint32_t>& colours, int w, int h, long& transparent) {
  if (transparent < 1) transparent = static_cast<long>(colours[0]);
  std::vector<ShapeRun> runs;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      bool solid = colours[y * w + x] != static_cast<uint32_t>(transparent);
      bool solid_before = x > 0 && colours[y * w + x - 1] != static_cast<uint32_t>(transparent);
      if (solid && !solid_before) runs.push_back({y, x, x + 1});
      if (solid && solid_before) runs.back().right = x + 1;
    }
  }
  return runs;
}

TEST(ShapeRegion, TopLeftColourIsCutOutWhenNoColourIsGiven) {
  const uint32_t k = 0x00FF00FF, b = 0x00000000, r = 0x000000FF;
  std::vector<uint32_t> colours = {k, b, b, r, b, b, k, b};
  auto dib = Dib(colours);
  long transparent = 0;
  ShapeRuns shape = ComputeShapeRuns(dib.data(), 4, 2, 4, transparent);
  EXPECT_EQ(transparent, static_cast<long>(k));
  // Black stays visible: only the top-left colour is transparent.
  EXPECT_EQ(shape.runs, (std::vector<ShapeRun>{{0, 1, 4}, {1, 0, 2}, {1, 3, 4}}));
  EXPECT_EQ(shape.row_starts, (std::vector<uint32_t>{0, 1, 3}));
}

TEST(ShapeRegion, GivenColourIsUsedAsIsAndLeftUnchanged) {
  std::vector<uint32_t> colours(5 * 3, 0x00123456);
  auto dib = Dib(colours);
  long transparent = 0x00ABCDEF;  // occurs nowhere: H rectangles of width W
  ShapeRuns shape = ComputeShapeRuns(dib.data(), 5, 3, 5, transparent);
  EXPECT_EQ(transparent, 0x00ABCDEF);
  EXPECT_EQ(shape.runs, (std::vector<ShapeRun>{{0, 0, 5}, {1, 0, 5}, {2, 0, 5}}));
}

TEST(ShapeRegion, AllTransparentGivesNoRuns) {
  std::vector<uint32_t> colours(6 * 4, 0x00FFFFFF);
  auto dib = Dib(colours);
  long transparent = -5;
  ShapeRuns shape = ComputeShapeRuns(dib.data(), 6, 4, 6, transparent);
  EXPECT_TRUE(shape.runs.empty());
  EXPECT_EQ(shape.row_starts.size(), 5u);
  EXPECT_EQ(transparent, 0x00FFFFFF);
}

TEST(ShapeRegion, EmptyPictureGivesNoRunsAndKeepsTheColour) {
  long transparent = 0;
  ShapeRuns shape = ComputeShapeRuns(nullptr, 0, 0, 0, transparent);
  EXPECT_TRUE(shape.runs.empty());
  EXPECT_EQ(transparent, 0);
}

TEST(ShapeRegion, ColourAboveTheColourRangeMatchesNothing) {
  std::vector<uint32_t> colours = {0x00FFFFFF, 0x00FFFFFF};
  auto dib = Dib(colours);
  long transparent = 0x01FFFFFF;
  ShapeRuns shape = ComputeShapeRuns(dib.data(), 2, 1, 2, transparent);
  EXPECT_EQ(shape.runs, (std::vector<ShapeRun>{{0, 0, 2}}));
}

// Pictures with alpha: clear pixels go with the key colour; half-clear ones stay.
TEST(ShapeRegion, ClearPixelsAreCutOutWithTheKeyColour) {
  const uint32_t clear = 0x00000000, half = 0x80404040, key = 0xFF00FF00, solid = 0xFF000000;
  {
    std::vector<uint32_t> px = {key, clear, half, solid, key, clear, solid, half};
    long transparent = 0;
    ShapeRuns shape = ComputeShapeRuns(px.data(), 4, 2, 4, transparent, true);
    EXPECT_EQ(transparent, 0x0000FF00);
    EXPECT_EQ(shape.runs, (std::vector<ShapeRun>{{0, 2, 4}, {1, 2, 4}}));
  }
  {
    // A clear top-left pixel is the key itself: black stays although that pixel's colour bytes are black.
    std::vector<uint32_t> px = {clear, solid, solid, clear, half, clear};
    long transparent = 0;
    ShapeRuns shape = ComputeShapeRuns(px.data(), 3, 2, 3, transparent, true);
    EXPECT_EQ(transparent, kNoKeyColour);
    EXPECT_EQ(shape.runs, (std::vector<ShapeRun>{{0, 1, 3}, {1, 1, 2}}));
  }
  {
    // Without alpha the top byte means nothing, as before.
    std::vector<uint32_t> px = {key, clear, clear};
    long transparent = 0;
    ShapeRuns shape = ComputeShapeRuns(px.data(), 3, 1, 3, transparent);
    EXPECT_EQ(shape.runs, (std::vector<ShapeRun>{{0, 1, 3}}));
  }
}

TEST(ShapeRegion, RandomPicturesMatchThePerPixelReference) {
  std::mt19937 rng(7);
  for (int round = 0; round < 200; ++round) {
    int w = 1 + rng() % 40, h = 1 + rng() % 12, stride = w + rng() % 3;
    std::vector<uint32_t> colours(w * h);
    for (auto& c : colours) c = (rng() % 3 == 0) ? 0x00010203 : (rng() % 4) * 0x00404040;
    std::vector<uint32_t> dib(stride * h, 0xDEADBEEF);  // padding must never be read
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x)
        dib[y * stride + x] = (rng() & 0xFF000000u) | DibPixelColour(colours[y * w + x]);
    }
    long given = (round % 2) ? 0 : 0x00010203;
    long expected_colour = given;
    auto expected = Reference(colours, w, h, expected_colour);
    ShapeRuns shape = ComputeShapeRuns(dib.data(), w, h, stride, given);
    ASSERT_EQ(shape.runs, expected) << "round " << round;
    ASSERT_EQ(given, expected_colour);
    ASSERT_EQ(shape.row_starts.back(), shape.runs.size());
    if (!shape.runs.empty()) {
      EXPECT_LE(shape.runs.back().right, w);
    }
  }
}

// Rows of a mask (true: inside) as runs.
ShapeRuns FromMask(const std::vector<std::vector<bool>>& rows) {
  ShapeRuns shape;
  for (size_t y = 0; y < rows.size(); ++y) {
    shape.row_starts.push_back(static_cast<uint32_t>(shape.runs.size()));
    const auto& row = rows[y];
    for (size_t x = 0; x < row.size();) {
      if (!row[x]) {
        ++x;
        continue;
      }
      size_t start = x;
      while (x < row.size() && row[x]) ++x;
      shape.runs.push_back({static_cast<int>(y), static_cast<int>(start), static_cast<int>(x)});
    }
  }
  shape.row_starts.push_back(static_cast<uint32_t>(shape.runs.size()));
  return shape;
}

std::vector<bool> RowMask(const ShapeRuns& shape, size_t y, int width) {
  std::vector<bool> row(width, false);
  for (uint32_t i = shape.row_starts[y]; i < shape.row_starts[y + 1]; ++i) {
    for (int x = shape.runs[i].left; x < shape.runs[i].right; ++x) row[x] = true;
  }
  return row;
}

// Every pixel that changed sides lies within t pixels of an edge of the original outline in its row.
void ExpectCloseToOriginal(const ShapeRuns& original, const ShapeRuns& simple, int width, int t) {
  ASSERT_EQ(simple.row_starts.size(), original.row_starts.size());
  for (size_t y = 0; y + 1 < original.row_starts.size(); ++y) {
    std::vector<bool> before = RowMask(original, y, width), after = RowMask(simple, y, width);
    std::vector<bool> edge(width + 1, false);
    for (uint32_t i = original.row_starts[y]; i < original.row_starts[y + 1]; ++i) {
      edge[original.runs[i].left] = edge[original.runs[i].right] = true;
    }
    for (int x = 0; x < width; ++x) {
      if (before[x] == after[x]) continue;
      bool near = false;
      for (int e = std::max(0, x - t); e <= std::min(width, x + 1 + t) && !near; ++e) near = edge[e];
      ASSERT_TRUE(near) << "pixel " << x << "," << y << " moved further than " << t;
    }
  }
}

std::vector<std::vector<bool>> Checkerboard(int w, int h) {
  std::vector<std::vector<bool>> rows(h, std::vector<bool>(w));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) rows[y][x] = (x + y) % 2 == 1;
  return rows;
}

TEST(ShapeRegionBound, RowsWithTheSameRunsShareOneBand) {
  std::vector<std::vector<bool>> rows = {
      {1, 0, 1, 0}, {1, 0, 1, 0}, {0, 1, 1, 0}, {1, 0, 1, 0}, {0, 0, 0, 0}};
  EXPECT_EQ(CountShapeRectangles(FromMask(rows)), 2u + 1u + 2u);
  EXPECT_EQ(CountShapeRectangles(FromMask(Checkerboard(640, 480))), 640u * 480u / 2u);
}

TEST(ShapeRegionBound, OutlinesWithinTheBoundStayExactlyAsTheyAre) {
  // A splash-like outline: a rounded shape with a notch, as the region benchmark draws it, with every row
  // differing from the last.
  const int w = 1920, h = 1080;
  std::vector<std::vector<bool>> rows(h, std::vector<bool>(w));
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      double dx = (x - 960) / 900.0, dy = (y - 540) / 500.0;
      rows[y][x] = dx * dx * dx * dx + dy * dy * dy * dy < 1.0 && !(x > 1500 && y > 200 && y < 300);
    }
  }
  ShapeRuns shape = FromMask(rows), before = shape;
  EXPECT_EQ(BoundShapeRuns(shape), 0);
  EXPECT_EQ(shape.runs, before.runs);
  EXPECT_EQ(shape.row_starts, before.row_starts);
  // Exactly at the bound is still within it.
  ShapeRuns board = FromMask(Checkerboard(64, 64));
  EXPECT_EQ(BoundShapeRuns(board, 64 * 32), 0);
  EXPECT_EQ(board.runs.size(), 64u * 32u);
}

TEST(ShapeRegionBound, OnePixelCheckerboardBecomesNearlyOneRectangle) {
  ShapeRuns original = FromMask(Checkerboard(640, 480)), shape = original;
  EXPECT_EQ(BoundShapeRuns(shape), 1);
  EXPECT_LE(CountShapeRectangles(shape), 2u);
  ExpectCloseToOriginal(original, shape, 640, 1);
}

TEST(ShapeRegionBound, AnyPictureEndsWithinTheBoundOrIsRefusedUnchanged) {
  std::mt19937 rng(11);
  int refused = 0, simplified = 0;
  for (int round = 0; round < 60; ++round) {
    int w = 20 + rng() % 300, h = 10 + rng() % 200;
    std::vector<std::vector<bool>> rows(h, std::vector<bool>(w));
    // Noise of any density, blobs of a few pixels, or stripes too wide to close.
    int kind = round % 3, density = 1 + rng() % 99, period = 2 + rng() % 30;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        if (kind == 0) rows[y][x] = static_cast<int>(rng() % 100) < density;
        if (kind == 1) rows[y][x] = ((x / (1 + rng() % 4)) + (y / 3)) % 2 == 0 && rng() % 100 < 90;
        if (kind == 2) rows[y][x] = ((x + (y % 2) * period) / period) % 2 == 0;
      }
    }
    size_t bound = 1 + rng() % 400;
    ShapeRuns original = FromMask(rows), shape = original;
    int t = BoundShapeRuns(shape, bound);
    if (t < 0) {
      ++refused;
      EXPECT_EQ(shape.runs, original.runs) << "round " << round;
      continue;
    }
    if (t > 0) ++simplified;
    EXPECT_LE(t, kMaxShapeTolerance);
    EXPECT_LE(CountShapeRectangles(shape), bound) << "round " << round;
    ExpectCloseToOriginal(original, shape, w, t);
  }
  EXPECT_GT(refused, 0);
  EXPECT_GT(simplified, 0);
}

}  // namespace
}  // namespace orb
