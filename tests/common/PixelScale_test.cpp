#include "common/PixelScale.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace orb {
namespace {

using Pixels = std::vector<std::uint32_t>;

Pixels Scale(const Pixels& source, int sw, int sh, int dw, int dh) {
  Pixels out(static_cast<std::size_t>(dw) * dh, 0xDEADBEEF);
  EXPECT_TRUE(ScalePixels(source.data(), sw, sh, out.data(), dw, dh));
  return out;
}

// A one-pixel checkerboard of opaque black and white.
Pixels Checkerboard(int w, int h) {
  Pixels p(static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p[static_cast<std::size_t>(y) * w + x] = (x + y) % 2 ? 0xFFFFFFFF : 0xFF000000;
  return p;
}

TEST(PixelScale, PlainColoursAndSameSizeStayExact) {
  for (auto [sw, sh, dw, dh] : {std::array{320, 240, 480, 360}, std::array{320, 240, 400, 300}, std::array{7, 3, 1, 1},
                                std::array{3, 5, 97, 61}, std::array{1, 1, 32767, 1}}) {
    Pixels out = Scale(Pixels(static_cast<std::size_t>(sw) * sh, 0x80406020), sw, sh, dw, dh);
    for (std::uint32_t p : out) ASSERT_EQ(p, 0x80406020u) << sw << "x" << sh << " to " << dw << "x" << dh;
  }
  Pixels board = Checkerboard(9, 7);
  EXPECT_EQ(Scale(board, 9, 7, 9, 7), board);
}

TEST(PixelScale, WholeFactorsRepeatAndOthersBlendOnlyWhereATargetStraddles) {
  Pixels board = Checkerboard(4, 4);
  Pixels twice = Scale(board, 4, 4, 8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) ASSERT_EQ(twice[y * 8 + x], board[(y / 2) * 4 + x / 2]);
  // At 1.5 times, target 1 of each three covers half of two source pixels: grey; the others are pure.
  Pixels row{0xFF000000, 0xFFFFFFFF};
  EXPECT_EQ(Scale(row, 2, 1, 3, 1), (Pixels{0xFF000000, 0xFF808080, 0xFFFFFFFF}));
  // A marker on whole source pixels keeps sharp edges at 1.25 and 1.5 (where the player's spots meet it).
  Pixels marker(20, 0xFF3060C0);
  for (int x = 8; x < 16; ++x) marker[x] = 0xFFFFFF00;
  Pixels wide = Scale(marker, 20, 1, 30, 1);
  EXPECT_EQ(wide[11], 0xFF3060C0u);
  EXPECT_EQ(wide[12], 0xFFFFFF00u);
  EXPECT_EQ(wide[23], 0xFFFFFF00u);
  EXPECT_EQ(wide[24], 0xFF3060C0u);
}

TEST(PixelScale, ShrinkingAveragesEverySourcePixelAndKeepsPremultipliedAlpha) {
  EXPECT_EQ(Scale(Checkerboard(8, 8), 8, 8, 4, 4), Pixels(16, 0xFF808080));
  EXPECT_EQ(Scale(Checkerboard(6, 1), 6, 1, 1, 1), Pixels{0xFF808080});
  // Half transparent over nothing: premultiplied channels stay within their alpha.
  Pixels edge{0x00000000, 0xFFFF8040, 0x00000000, 0x80804020};
  for (std::uint32_t p : Scale(edge, 4, 1, 3, 2)) {
    const std::uint32_t a = p >> 24;
    EXPECT_LE(p & 0xFF, a);
    EXPECT_LE(p >> 8 & 0xFF, a);
    EXPECT_LE(p >> 16 & 0xFF, a);
  }
}

TEST(PixelScale, RefusesSizesOutOfRange) {
  std::uint32_t one = 1, out = 7;
  EXPECT_FALSE(ScalePixels(&one, 1, 1, &out, 0, 1));
  EXPECT_FALSE(ScalePixels(&one, 0, 1, &out, 1, 1));
  EXPECT_FALSE(ScalePixels(&one, 1, 1, &out, 1, 32768));
  EXPECT_EQ(out, 7u);
}

}  // namespace
}  // namespace orb
