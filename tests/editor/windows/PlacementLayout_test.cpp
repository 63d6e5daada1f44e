// The placement window's arrangement: the picture keeps its pixels, the panel scales with the dpi, and a
// picture larger than the work area scrolls while the panel stays whole inside it.
#include "editor/windows/PlacementLayout.h"

#include <gtest/gtest.h>

namespace orb::frmlocate {
namespace {

bool Inside(const PixelRect& r, int width, int height) {
  return r.left >= 0 && r.top >= 0 && r.left + r.width <= width && r.top + r.height <= height;
}
bool Overlap(const PixelRect& a, const PixelRect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

TEST(PlacementLayout, PanelScalesWithTheDpiAndNeverCoversThePicture) {
  for (int dpi : {96, 120, 144, 192}) {
    Geometry g = LayOut(800, 480, dpi, 4000, 4000, 17);
    EXPECT_FALSE(g.scroll_x || g.scroll_y) << dpi;
    EXPECT_EQ(g.view, (PixelRect{0, 0, 800, 480})) << "the picture keeps 15 twips a pixel at " << dpi;
    for (int i = 0; i < kControlCount; ++i) {
      Role role = kControls[i].role;
      if (InPictureArea(role)) continue;
      const PixelRect& r = g.controls[i];
      SCOPED_TRACE(kControls[i].text);
      EXPECT_GT(r.width, 0);
      EXPECT_TRUE(Inside(r, g.client_width, g.client_height)) << dpi;
      EXPECT_FALSE(Overlap(r, g.view)) << dpi;
      for (int j = i + 1; j < kControlCount; ++j) {
        if (!InPictureArea(kControls[j].role)) {
          EXPECT_FALSE(Overlap(r, g.controls[j])) << kControls[j].text;
        }
      }
    }
  }
  Geometry at96 = LayOut(800, 480, 96, 4000, 4000, 17), at144 = LayOut(800, 480, 144, 4000, 4000, 17);
  int prev = static_cast<int>(Role::cmdprev), box = static_cast<int>(Role::txtx);
  EXPECT_EQ(at144.controls[prev].width * 2, at96.controls[prev].width * 3);
  EXPECT_EQ(at144.controls[box].height * 2, at96.controls[box].height * 3);
  EXPECT_NEAR(at144.client_height - 480, (at96.client_height - 480) * 3 / 2, 1);
}

TEST(PlacementLayout, SmallOrMissingPictureGetsTheDesignArea) {
  Geometry none = LayOut(0, 0, 96, 4000, 4000, 17);
  Geometry small = LayOut(8, 6, 96, 4000, 4000, 17);
  EXPECT_EQ(none.view, small.view);
  EXPECT_EQ(none.view.width, 766);
  // The design's rollover and video places lie inside it.
  EXPECT_GE(none.view.height * 15, 2400 + 495);
  EXPECT_EQ(none.client_width, 766);
}

TEST(PlacementLayout, LargePictureScrollsAndThePanelStaysInTheWorkArea) {
  for (int dpi : {96, 144}) {
    SCOPED_TRACE(dpi);
    Geometry g = LayOut(2000, 1500, dpi, 1016, 700, 17);
    EXPECT_TRUE(g.scroll_x);
    EXPECT_TRUE(g.scroll_y);
    EXPECT_LE(g.client_width, 1016);
    EXPECT_LE(g.client_height, 700);
    EXPECT_EQ(g.view.width, g.view_width + 17);
    EXPECT_EQ(g.view.height, g.view_height + 17);
    int cancel = static_cast<int>(Role::cmdcancel);
    EXPECT_TRUE(Inside(g.controls[cancel], g.client_width, g.client_height));
    EXPECT_GE(g.controls[cancel].top, g.view.height);
  }
  // Only too tall: the vertical bar's width then makes a picture that just fitted too wide as well.
  Geometry tall = LayOut(1000, 1500, 96, 1010, 700, 17);
  EXPECT_TRUE(tall.scroll_y);
  EXPECT_TRUE(tall.scroll_x);
  Geometry narrow = LayOut(900, 1500, 96, 1010, 700, 17);
  EXPECT_TRUE(narrow.scroll_y);
  EXPECT_FALSE(narrow.scroll_x);
  EXPECT_EQ(narrow.view_width, 900);
}

}  // namespace
}  // namespace orb::frmlocate
