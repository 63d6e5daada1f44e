// Decoder layouts to drawable rows: each plane order, padding, odd sizes and bottom-up rows land every
// colour where it belongs; short buffers and absurd layouts are refused; late frames are skipped.
#include "common/VideoFrames.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace orb {
namespace {

struct Yuv {
  std::uint8_t y, u, v;
};
// Standard-definition limited-range values of four colours, and what they must come back as.
constexpr Yuv kRed = {81, 90, 240}, kGreen = {145, 54, 34}, kBlue = {41, 240, 110}, kWhite = {235, 128, 128};
constexpr std::uint32_t kRedRgb = 0xFF0000, kGreenRgb = 0x00FF00, kBlueRgb = 0x0000FF, kWhiteRgb = 0xFFFFFF;

// A picture of four quadrants (red, green / blue, white), each a whole number of chroma blocks wide.
Yuv QuadrantYuv(const FrameLayout& l, int x, int y) {
  bool right = x >= (l.width + 1) / 2 / 2 * 2, lower = y >= (l.height + 1) / 2 / 2 * 2;
  return lower ? (right ? kWhite : kBlue) : (right ? kGreen : kRed);
}
std::uint32_t QuadrantRgb(const FrameLayout& l, int x, int y) {
  bool right = x >= (l.width + 1) / 2 / 2 * 2, lower = y >= (l.height + 1) / 2 / 2 * 2;
  return lower ? (right ? kWhiteRgb : kBlueRgb) : (right ? kGreenRgb : kRedRgb);
}

// The buffer a decoder would hand out for the quadrant picture; padding bytes are noise.
std::vector<std::uint8_t> Pack(const FrameLayout& l) {
  std::vector<std::uint8_t> b(FrameBytes(l), 0x5A);
  const std::size_t s = l.stride, cs = (s + 1) / 2;
  std::uint8_t* chroma = b.data() + s * static_cast<std::size_t>(l.rows);
  const std::size_t cplane = cs * static_cast<std::size_t>((l.rows + 1) / 2);
  for (int y = 0; y < l.height; ++y) {
    for (int x = 0; x < l.width; ++x) {
      Yuv p = QuadrantYuv(l, x, y);
      std::size_t cx = static_cast<std::size_t>(x / 2), cy = static_cast<std::size_t>(y / 2);
      switch (l.pixels) {
        case FramePixels::Bgrx: {
          std::uint32_t rgb = QuadrantRgb(l, x, y);
          std::size_t row = static_cast<std::size_t>(l.bottom_up ? l.rows - 1 - y : y);
          std::uint8_t* px = b.data() + row * s + static_cast<std::size_t>(x) * 4;
          px[0] = rgb & 0xFF, px[1] = rgb >> 8 & 0xFF, px[2] = rgb >> 16 & 0xFF;
          break;
        }
        case FramePixels::Yuy2: {
          std::uint8_t* pair = b.data() + static_cast<std::size_t>(y) * s + cx * 4;
          pair[(x & 1) * 2] = p.y, pair[1] = p.u, pair[3] = p.v;
          break;
        }
        case FramePixels::Nv12:
          b[static_cast<std::size_t>(y) * s + static_cast<std::size_t>(x)] = p.y;
          chroma[cy * s + cx * 2] = p.u, chroma[cy * s + cx * 2 + 1] = p.v;
          break;
        case FramePixels::I420:
        case FramePixels::Yv12: {
          b[static_cast<std::size_t>(y) * s + static_cast<std::size_t>(x)] = p.y;
          bool i420 = l.pixels == FramePixels::I420;
          chroma[(i420 ? 0 : cplane) + cy * cs + cx] = p.u;
          chroma[(i420 ? cplane : 0) + cy * cs + cx] = p.v;
          break;
        }
      }
    }
  }
  return b;
}

bool Near(std::uint32_t a, std::uint32_t b) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)) > 2) return false;
  return true;
}

void ExpectQuadrants(const FrameLayout& l, const char* what) {
  std::vector<std::uint8_t> buffer = Pack(l);
  ASSERT_FALSE(buffer.empty()) << what;
  std::vector<std::uint32_t> out;
  ASSERT_TRUE(ConvertFrame(l, buffer.data(), buffer.size(), out)) << what;
  ASSERT_EQ(out.size(), static_cast<std::size_t>(l.width * l.height)) << what;
  for (int y = 0; y < l.height; ++y)
    for (int x = 0; x < l.width; ++x)
      ASSERT_TRUE(Near(out[static_cast<std::size_t>(y * l.width + x)], QuadrantRgb(l, x, y)))
          << what << " at " << x << "," << y << ": " << std::hex << out[static_cast<std::size_t>(y * l.width + x)];
  // Shrunk to a box: each pixel is its nearest source pixel, and a larger box leaves the size alone.
  int w = 0, h = 0;
  ASSERT_TRUE(ConvertFrameWithin(l, buffer.data(), buffer.size(), 3, 2, out, w, h)) << what;
  ASSERT_TRUE(w == 3 && h == 2 && out.size() == 6u) << what;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      EXPECT_TRUE(Near(out[static_cast<std::size_t>(y * w + x)], QuadrantRgb(l, x * l.width / w, y * l.height / h)))
          << what << " shrunk, at " << x << "," << y;
  ASSERT_TRUE(ConvertFrameWithin(l, buffer.data(), buffer.size(), 1000, 1000, out, w, h));
  EXPECT_TRUE(w == l.width && h == l.height) << what;
}

FrameLayout Layout(FramePixels pixels, int w, int h, std::size_t stride, int rows, bool bottom_up = false) {
  FrameLayout l;
  l.pixels = pixels, l.width = w, l.height = h, l.stride = stride, l.rows = rows, l.bottom_up = bottom_up;
  return l;
}

TEST(VideoFrames, EveryLayoutPaddingAndOddSizePutsEachColourInItsQuadrant) {
  const struct {
    FrameLayout layout;
    const char* what;
  } cases[] = {
      {Layout(FramePixels::Nv12, 8, 6, 8, 6), "NV12"},
      {Layout(FramePixels::I420, 8, 6, 8, 6), "I420"},
      {Layout(FramePixels::Yv12, 8, 6, 8, 6), "YV12"},
      {Layout(FramePixels::Yuy2, 8, 6, 16, 6), "YUY2"},
      {Layout(FramePixels::Bgrx, 8, 6, 32, 6), "BGRX"},
      {Layout(FramePixels::Bgrx, 8, 6, 32, 6, true), "bottom-up BGRX"},
      // As decoders hand out 1080-line pictures in 1088-line frames with rows aligned to 16 or 64 bytes.
      {Layout(FramePixels::Nv12, 10, 6, 16, 8), "padded NV12"},
      {Layout(FramePixels::I420, 10, 6, 16, 8), "padded I420"},
      {Layout(FramePixels::Yv12, 7, 5, 8, 6), "odd YV12"},
      {Layout(FramePixels::Nv12, 7, 5, 8, 5), "odd NV12"},
      {Layout(FramePixels::Yuy2, 7, 5, 16, 5), "odd YUY2"},
      {Layout(FramePixels::Bgrx, 5, 3, 24, 4, true), "padded bottom-up BGRX"},
  };
  for (const auto& c : cases) ExpectQuadrants(c.layout, c.what);
}

TEST(VideoFrames, HighDefinitionColoursUseTheirOwnMatrix) {
  FrameLayout l = Layout(FramePixels::Yuy2, 2, 1, 4, 1);
  const std::uint8_t red709[] = {63, 102, 63, 240};
  std::vector<std::uint32_t> out;
  ASSERT_TRUE(ConvertFrame(l, red709, sizeof red709, out));
  EXPECT_FALSE(Near(out[0], kRedRgb)) << "read with the standard-definition matrix";
  l.bt709 = true;
  ASSERT_TRUE(ConvertFrame(l, red709, sizeof red709, out));
  EXPECT_TRUE(Near(out[0], kRedRgb)) << std::hex << out[0];
}

TEST(VideoFrames, ShortBuffersAndAbsurdLayoutsAreRefusedAndLeaveTheLastFrame) {
  FrameLayout good = Layout(FramePixels::Nv12, 8, 6, 8, 6);
  std::vector<std::uint8_t> buffer = Pack(good);
  std::vector<std::uint32_t> out(3, 7);
  EXPECT_FALSE(ConvertFrame(good, buffer.data(), buffer.size() - 1, out));
  EXPECT_FALSE(ConvertFrame(good, nullptr, buffer.size(), out));
  EXPECT_EQ(out, std::vector<std::uint32_t>(3, 7));
  const FrameLayout bad[] = {
      Layout(FramePixels::Nv12, 0, 6, 8, 6),        Layout(FramePixels::Nv12, 8, -1, 8, 6),
      Layout(FramePixels::Nv12, 8, 6, 7, 6),        Layout(FramePixels::Nv12, 8, 6, 8, 5),
      Layout(FramePixels::Yuy2, 8, 6, 8, 6),        Layout(FramePixels::Bgrx, 8, 6, 31, 6),
      Layout(FramePixels::Nv12, 9000, 6, 9000, 6),  Layout(FramePixels::Nv12, 8, 6, 1 << 20, 6),
      Layout(FramePixels::Nv12, 8, 6, 8, 1 << 20),     Layout(FramePixels::Nv12, 7, 5, 7, 5),
  };
  for (const FrameLayout& l : bad) EXPECT_EQ(FrameBytes(l), 0u) << l.width << "x" << l.height << " " << l.stride;
  EXPECT_EQ(FrameBytes(Layout(FramePixels::Nv12, 8, 6, 8, 6, true)), 0u) << "bottom-up rows are only for BGRX";
  // The largest frame accepted still has a size that fits 32 bits.
  FrameLayout big = Layout(FramePixels::Bgrx, kMaxFrameSide, kMaxFrameSide, kMaxFrameSide * 4u + 4096, kMaxFrameSide);
  EXPECT_GT(FrameBytes(big), std::size_t(kMaxFrameSide) * kMaxFrameSide * 4);
  EXPECT_LT(FrameBytes(big), std::size_t(0xFFFFFFFFu));
}

TEST(FramePacer, ShowsEachFrameAtItsTimeAndSkipsTheOnesALatePlayerMissed) {
  FramePacer pacer(3);
  EXPECT_EQ(pacer.UntilNext(0), -1);
  for (std::uint32_t n = 0; n < 3; ++n) pacer.Push(n * 1000, {n});
  EXPECT_TRUE(pacer.Full());
  std::vector<std::uint32_t> shown;
  ASSERT_TRUE(pacer.TakeDue(0, shown));
  EXPECT_EQ(shown, std::vector<std::uint32_t>{0});
  EXPECT_FALSE(pacer.TakeDue(999, shown));
  EXPECT_EQ(pacer.UntilNext(400), 600);
  EXPECT_FALSE(pacer.Full());
  // Woken long after both were due, only the newer one is drawn.
  ASSERT_TRUE(pacer.TakeDue(5000, shown));
  EXPECT_EQ(shown, std::vector<std::uint32_t>{2});
  EXPECT_TRUE(pacer.Empty());
  pacer.Push(9000, {9});
  EXPECT_EQ(pacer.UntilNext(9500), 0);
  pacer.Clear();
  EXPECT_TRUE(pacer.Empty());
}

}  // namespace
}  // namespace orb
