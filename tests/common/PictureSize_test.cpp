// Picture sizes from file headers: each format the menus use, and bytes that are none of them.
#include "common/PictureSize.h"

#include <gtest/gtest.h>

#include <string>

namespace orb {
namespace {

std::string Bytes(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s += static_cast<char>(b);
  return s;
}

TEST(PictureSize, ReadsBmpPngGifAndJpegHeaders) {
  int w = 0, h = 0;
  // BMP with an info header and a negative (top-down) height.
  std::string bmp = "BM" + std::string(12, '\0') + Bytes({40, 0, 0, 0, 0x80, 2, 0, 0, 0x20, 0xFE, 0xFF, 0xFF});
  ASSERT_TRUE(PictureSize(bmp, w, h));
  EXPECT_EQ(w * 10000 + h, 640 * 10000 + 480);
  std::string png = "\x89PNG\r\n\x1a\n" + Bytes({0, 0, 0, 13}) + "IHDR" + Bytes({0, 0, 7, 0x80, 0, 0, 4, 0x38});
  ASSERT_TRUE(PictureSize(png, w, h));
  EXPECT_EQ(w * 10000 + h, 1920 * 10000 + 1080);
  ASSERT_TRUE(PictureSize("GIF87a" + Bytes({0x50, 0, 0x29, 0}), w, h));
  EXPECT_EQ(w * 10000 + h, 80 * 10000 + 41);
  // JPEG: an APP0 segment and a fill byte before the baseline frame header.
  std::string jpeg = Bytes({0xFF, 0xD8, 0xFF, 0xE0, 0, 4, 'J', 'F', 0xFF, 0xFF, 0xC0, 0, 11, 8, 0x01, 0xE0, 0x02,
                            0x80, 3, 0, 0, 0, 0});
  ASSERT_TRUE(PictureSize(jpeg, w, h));
  EXPECT_EQ(w * 10000 + h, 640 * 10000 + 480);

  for (const std::string& bad :
       {std::string(), std::string("BM"), png.substr(0, 20), jpeg.substr(0, 12), std::string("GIF89a") + Bytes({0, 0, 5, 0}),
        Bytes({0xFF, 0xD8, 0xFF, 0xE0, 0, 0, 0, 0}), std::string("plain text, no picture")}) {
    EXPECT_FALSE(PictureSize(bad, w, h)) << bad.size();
  }
}

}  // namespace
}  // namespace orb
