// Caption boxes grow along their row to their text, never over a neighbour or past the client area's
// margin, and report when only a smaller font can help.
#include "editor/windows/CaptionLayout.h"

#include <gtest/gtest.h>

namespace orb {
namespace {

bool Same(const TwipsRect& a, const TwipsRect& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

TEST(CaptionLayout, RowSpanStopsAtNeighboursThatShareTheRow) {
  // A right-aligned caption with a field after it and a label before it on the same row.
  TwipsRect caption{2040, 1305, 165, 180};
  std::vector<TwipsRect> boxes = {
      {495, 1275, 1425, 195},  // before it, on the row
      caption,
      {2340, 1275, 675, 270},  // its field
      {0, 0, 5040, 780},       // a band above: not on the row
      {0, 1000, 5040, 1000},   // a container behind it: overlaps, so no limit
      {4200, 1490, 675, 300},  // touches the row only below the caption's bottom (1485)
  };
  CaptionSpan span = FreeSpan(caption, boxes, 5040);
  EXPECT_EQ(span.left, 1920 + kCaptionMargin);
  EXPECT_EQ(span.right, 2340 - kCaptionMargin);

  // Alone on its row: the client area less the margin.
  span = FreeSpan({720, 165, 1245, 195}, {{2040, 500, 100, 100}}, 5040);
  EXPECT_EQ(span.left, kCaptionMargin);
  EXPECT_EQ(span.right, 5040 - kCaptionMargin);

  // A neighbour closer than the margin takes away no designed room.
  span = FreeSpan({100, 0, 200, 100}, {{0, 0, 80, 100}, {320, 0, 50, 100}}, 1000);
  EXPECT_EQ(span.left, 100);
  EXPECT_EQ(span.right, 300);
}

TEST(CaptionLayout, BoxGrowsOnTheSideItsAlignmentLeavesFree) {
  const TwipsRect designed{720, 165, 1245, 195};
  const CaptionSpan span{60, 4980};
  // Text that fits changes nothing.
  CaptionFit fit = FitCaption(designed, 1245, 195, CaptionAlign::Right, span);
  EXPECT_TRUE(fit.fits);
  EXPECT_TRUE(Same(fit.box, designed));
  // Right-aligned captions keep their right edge (where the field begins).
  fit = FitCaption(designed, 1500, 195, CaptionAlign::Right, span);
  EXPECT_TRUE(fit.fits);
  EXPECT_TRUE(Same(fit.box, {465, 165, 1500, 195}));
  // Left-aligned ones keep their left edge.
  fit = FitCaption(designed, 1500, 195, CaptionAlign::Left, span);
  EXPECT_TRUE(Same(fit.box, {720, 165, 1500, 195}));
  // Centred ones grow both ways, and slide over where one side has no room.
  fit = FitCaption(designed, 1445, 195, CaptionAlign::Centre, span);
  EXPECT_TRUE(Same(fit.box, {620, 165, 1445, 195}));
  fit = FitCaption(designed, 1445, 195, CaptionAlign::Centre, {700, 4980});
  EXPECT_TRUE(Same(fit.box, {700, 165, 1445, 195}));
  // Taller text stays centred on the row.
  fit = FitCaption({2040, 1305, 165, 180}, 165, 210, CaptionAlign::Right, span);
  EXPECT_TRUE(Same(fit.box, {2040, 1290, 165, 210}));
}

TEST(CaptionLayout, TextWiderThanItsRowAsksForASmallerFont) {
  const TwipsRect designed{150, 3780, 1680, 195};
  CaptionFit fit = FitCaption(designed, 2000, 195, CaptionAlign::Right, {60, 1830});
  EXPECT_FALSE(fit.fits);
  EXPECT_EQ(fit.room, 1770);
  EXPECT_TRUE(Same(fit.box, {60, 3780, 1770, 195}));
  fit = FitCaption(designed, 2000, 195, CaptionAlign::Centre, {60, 1900});
  EXPECT_FALSE(fit.fits);
  EXPECT_TRUE(Same(fit.box, {60, 3780, 1840, 195}));
  fit = FitCaption(designed, 2000, 195, CaptionAlign::Left, {150, 1900});
  EXPECT_FALSE(fit.fits);
  EXPECT_EQ(fit.room, 1750);
}

}  // namespace
}  // namespace orb
