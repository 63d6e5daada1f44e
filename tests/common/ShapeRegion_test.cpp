// Runs of a shaped window's outline, checked against a plain per-pixel reference of the outline rules.
#include "common/ShapeRegion.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace orb
