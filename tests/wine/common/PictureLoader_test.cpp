// Pictures of every kind the programs accept load into 32-bit pixels with the right size and colours.
#include "common/win/PictureLoader.h"

#include <gtest/gtest.h>

namespace orb {
namespace {

// The test data folder as a Windows path (Wine maps the Linux root to Z:).
std::string DataPath(const char* name) {
  std::string path = std::string("Z:") + ORB_SOURCE_DIR + "/tests/data/pictures/" + name;
  for (char& c : path) c = c == '/' ? '\\' : c;
  return path;
}

uint32_t At(const Picture& p, int x, int y) { return p.Pixels()[y * p.Width() + x]; }

TEST(PictureLoader, OpaqueFormatsGiveTheirPixels) {
  for (const char* name : {"red.bmp", "red.gif"}) {
    Picture p;
    std::string error;
    ASSERT_TRUE(LoadPicture(DataPath(name), p, error)) << name << ": " << error;
    EXPECT_EQ(p.Width(), 4);
    EXPECT_EQ(p.Height(), 3);
    EXPECT_FALSE(p.HasAlpha());
    EXPECT_EQ(At(p, 0, 0), 0xFFFF0000u) << name;  // B, G, R, A bytes: red
    EXPECT_EQ(At(p, 3, 2), 0xFF0000FFu) << name;
  }
  Picture jpeg;
  std::string error;
  ASSERT_TRUE(LoadPicture(DataPath("green.jpg"), jpeg, error)) << error;
  EXPECT_EQ(jpeg.Width(), 8);
  EXPECT_NEAR(static_cast<int>((At(jpeg, 4, 3) >> 8) & 0xFF), 255, 3);
}

TEST(PictureLoader, PngKeepsItsAlpha) {
  Picture p;
  std::string error;
  ASSERT_TRUE(LoadPicture(DataPath("alpha.png"), p, error)) << error;
  EXPECT_TRUE(p.HasAlpha());
  EXPECT_EQ(At(p, 0, 0) >> 24, 0u);
  EXPECT_NEAR(static_cast<int>(At(p, 1, 0) >> 24), 128, 2);
  EXPECT_EQ(At(p, 2, 0), 0xFFFF0000u);
  // Over white, the fully transparent pixel is white and the half one a light green.
  std::vector<uint32_t> over = p.ComposedOver(RGB(255, 255, 255));
  EXPECT_EQ(over[0], 0xFFFFFFFFu);
  EXPECT_NEAR(static_cast<int>(over[1] & 0xFF), 127, 3);
  EXPECT_EQ((over[1] >> 8) & 0xFF, 255u);
}

TEST(PictureLoader, IconsBecomeTransparentWhereTheirMaskSaysSo) {
  Picture p;
  std::string error;
  ASSERT_TRUE(LoadPicture(DataPath("icon.ico"), p, error)) << error;
  EXPECT_EQ(p.Width(), 16);
  EXPECT_TRUE(p.HasAlpha());
  EXPECT_EQ(At(p, 0, 0) >> 24, 0u);
  EXPECT_EQ(At(p, 5, 5), 0xFF0000FFu);
}

TEST(PictureLoader, FailuresSayWhy) {
  Picture p;
  std::string error;
  EXPECT_FALSE(LoadPicture(DataPath("missing.bmp"), p, error));
  EXPECT_EQ(error, "cannot be read");
  EXPECT_FALSE(LoadPicture(DataPath("broken.jpg"), p, error));
  EXPECT_EQ(error, "is not a picture this program can show");
  EXPECT_TRUE(p.Empty());
}

}  // namespace
}  // namespace orb
