// Menu geometry at the DPIs laptops and monitors use, checked against exact scaling and a per-pixel reference.
#include "common/DpiScale.h"

#include <gtest/gtest.h>

#include <random>

namespace orb {
namespace {

constexpr int kDpis[] = {96, 120, 144, 168, 192, 288};

TEST(DpiScale, EdgesRoundToTheNearestPixelAndTouchingAreasStayTouching) {
  std::mt19937 random(7);
  for (int dpi : kDpis) {
    SCOPED_TRACE(dpi);
    // Exact multiples stay exact; halves go up (1.5 and 4.5 pixels at 144 DPI).
    EXPECT_EQ(ScaleEdge(80, dpi), 80 * dpi / 96);
    EXPECT_EQ(ScaleEdge(1, 144), 2);
    EXPECT_EQ(ScaleEdge(3, 144), 5);
    EXPECT_EQ(ScaleEdge(-3, 144), -4);  // -4.5 up, the same grid left of the origin
    // 1200 twips are 80 pixels at 96 DPI; 7 and 8 twips round to 0 and 1 pixel first, as the player does.
    EXPECT_EQ(TwipsToPhysical(1200, dpi), 80 * dpi / 96);
    EXPECT_EQ(TwipsToPhysical(7, dpi), 0);
    EXPECT_EQ(TwipsToPhysical(8, dpi), ScaleEdge(1, dpi));
    if (dpi == 96) {
      for (int px = -50; px <= 50; ++px) EXPECT_EQ(ScaleEdge(px, dpi), px);
    }
    // A row of spots that touch: the scaled lengths tile the scaled row exactly, each within a pixel of
    // its exact length.
    int at = -37, scaled_end = ScaleEdge(at, dpi);
    for (int i = 0; i < 200; ++i) {
      int length = 1 + static_cast<int>(random() % 13);
      int scaled = ScaleLength(at, length, dpi);
      EXPECT_EQ(ScaleEdge(at, dpi), scaled_end);
      EXPECT_LE(std::abs(scaled * 96 - length * dpi), 96);
      scaled_end += scaled;
      at += length;
    }
    EXPECT_EQ(scaled_end, ScaleEdge(at, dpi));
  }
}

TEST(DpiScale, TwinsAreNamedBeforeTheExtensionAndTheSmallestLargeEnoughIsChosen) {
  EXPECT_EQ(TwinPath("imgmusic\\back.jpg", "@2x"), "imgmusic\\back@2x.jpg");
  EXPECT_EQ(TwinPath("D:\\my.cd\\back", "@1.5x"), "D:\\my.cd\\back@1.5x");  // a dot only in the folder
  EXPECT_EQ(TwinPath("a.b.png", "@4x"), "a.b@4x.png");

  const std::vector<int> all = {15, 20, 30, 40};
  EXPECT_EQ(ChooseTwin(96, all), 0);
  EXPECT_EQ(ChooseTwin(120, all), 15);
  EXPECT_EQ(ChooseTwin(144, all), 15);  // exactly 1.5
  EXPECT_EQ(ChooseTwin(168, all), 20);
  EXPECT_EQ(ChooseTwin(192, all), 20);
  EXPECT_EQ(ChooseTwin(288, all), 30);
  EXPECT_EQ(ChooseTwin(384, {40, 20}), 40);
  EXPECT_EQ(ChooseTwin(144, {20, 40}), 20);
  // None large enough: the largest there is still beats scaling the picture itself up further.
  EXPECT_EQ(ChooseTwin(288, {15, 20}), 20);
  EXPECT_EQ(ChooseTwin(192, {}), 0);
}

TEST(DpiScale, TwinSizeFitsWithinOnePixel) {
  EXPECT_TRUE(TwinSizeFits(640, 480, 1280, 960, 20));
  EXPECT_TRUE(TwinSizeFits(641, 481, 1281, 963, 20));  // 1282 and 962, one off either way
  EXPECT_FALSE(TwinSizeFits(641, 480, 1280 - 2, 960, 20));
  EXPECT_FALSE(TwinSizeFits(640, 480, 1280, 964, 20));
  EXPECT_TRUE(TwinSizeFits(101, 33, 152, 49, 15));  // 151.5 and 49.5
  EXPECT_FALSE(TwinSizeFits(640, 480, 640, 480, 20));
}

TEST(DpiScale, ScaledOutlineIsThePictureSampledAtPixelCentres) {
  // A random outline with holes, islands and rows that repeat (bands).
  const int w = 37, h = 23;
  std::mt19937 random(11);
  std::vector<uint32_t> dib(w * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      bool same_as_above = y > 0 && random() % 3 == 0;
      dib[y * w + x] = same_as_above ? dib[(y - 1) * w + x] : (random() % 2 ? 0xFF000000u : 0xFFFFFFFFu);
    }
  }
  long transparent = 0x00FFFFFF;
  ShapeRuns shape = ComputeShapeRuns(dib.data(), w, h, w, transparent);
  for (int dpi : kDpis) {
    SCOPED_TRACE(dpi);
    ShapeRuns scaled = ScaleShapeRuns(shape, dpi);
    const int sw = ScaleEdge(w, dpi), sh = ScaleEdge(h, dpi);
    ASSERT_EQ(scaled.row_starts.size(), static_cast<size_t>(sh + 1));
    std::vector<bool> inside(sw * sh, false);
    for (const ShapeRun& run : scaled.runs) {
      for (int x = run.left; x < run.right; ++x) inside[run.top * sw + x] = true;
    }
    for (int y = 0; y < sh; ++y) {
      // The picture pixel p under a centre c: p * s < c <= (p + 1) * s, c = x + 1/2, s = dpi / 96.
      int py = ((2 * y + 1) * 96 + 2 * dpi - 1) / (2 * dpi) - 1;
      for (int x = 0; x < sw; ++x) {
        int px = ((2 * x + 1) * 96 + 2 * dpi - 1) / (2 * dpi) - 1;
        ASSERT_EQ(inside[y * sw + x], dib[py * w + px] != 0xFFFFFFFFu) << x << "," << y;
      }
    }
    EXPECT_EQ(CountShapeRectangles(scaled), CountShapeRectangles(shape));
    if (dpi == 96) {
      EXPECT_EQ(scaled.runs, shape.runs);
    }
  }
}

}  // namespace
}  // namespace orb
