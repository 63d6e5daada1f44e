// The placement window: loading rule, dragging, edge sizing, nudges, typed coordinates, previews, Finish.
#include "editor/windows/PlacementController.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "WindowFakes.h"
#include "editor/windows/TwipsText.h"

namespace orb {
namespace {

using workfakes::FakeMedia;

PlacementInputs Rollover(std::string x = "0", std::string y = "0") {
  PlacementInputs in;
  in.rollover_image = "C:\\cd\\imgmusic\\over.gif";
  in.txtx = std::move(x);
  in.txty = std::move(y);
  return in;
}

PlacementInputs Video(std::string x = "0", std::string y = "0", std::string w = "0", std::string h = "0") {
  PlacementInputs in;
  in.video_mode = true;
  in.video_file = " C:\\cd\\movie.avi ";
  in.txtvidx = std::move(x);
  in.txtvidy = std::move(y);
  in.txtvidwidth = std::move(w);
  in.txtvidheight = std::move(h);
  return in;
}

TEST(PlacementLoading, StoredLeftOfZeroMeansNotPlaced) {
  FakeMedia media;
  PlacementController pic(Rollover("0", "900"), media);
  pic.Form_Load(PlacementRect{0, 0, 1500, 600});
  EXPECT_EQ(pic.Img(), (PlacementRect{4200, 2400, 1500, 600}));
  EXPECT_EQ(pic.Text(PlacementBox::X), "4200");
  EXPECT_EQ(pic.Text(PlacementBox::Y), "2400");
  EXPECT_TRUE(pic.PictureShown());
  EXPECT_FALSE(pic.ListVisible());

  PlacementController placed(Rollover("1200", "0"), media);
  placed.Form_Load(PlacementRect{0, 0, 1500, 600});
  EXPECT_EQ(placed.Img().left, 1200);
  EXPECT_EQ(placed.Img().top, 0);

  PlacementController vid(Video("0", "50", "300", "300"), media);
  vid.Form_Load(std::nullopt);
  EXPECT_EQ(vid.List(), PlacementController::kListDesign);
  EXPECT_TRUE(vid.ListVisible());
  EXPECT_FALSE(vid.ImgVisible());
  EXPECT_EQ(vid.Text(PlacementBox::VidWidth), "2175");
  EXPECT_EQ(vid.Text(PlacementBox::VidHeight), "1470");

  PlacementController vid2(Video("15", "30", "4800", "3600"), media);
  vid2.Form_Load(std::nullopt);
  EXPECT_EQ(vid2.List(), (PlacementRect{15, 30, 4800, 3600}));
  EXPECT_EQ(vid2.Text(PlacementBox::X), "15");
  EXPECT_EQ(vid2.Text(PlacementBox::Y), "30");
}

TEST(PlacementLoading, MissingPictureShowsNothingAndKeepsDesignSize) {
  FakeMedia media;
  PlacementController pic(Rollover("600", "600"), media);
  pic.Form_Load(std::nullopt);
  EXPECT_FALSE(pic.PictureShown());
  EXPECT_EQ(pic.Img(), (PlacementRect{600, 600, 975, 495}));
}

TEST(PlacementDrag, GrabbedPointStaysUnderThePointer) {
  FakeMedia media;
  PlacementController pic(Rollover(), media);
  pic.Form_Load(PlacementRect{0, 0, 1500, 600});
  pic.img_MouseDown(kLeftButton, 300, 150);
  EXPECT_TRUE(pic.Dragging());
  // The pointer moved 450 right and 90 down: the event reports it inside the picture at its old place.
  pic.img_MouseMove(kLeftButton, 750, 240);
  EXPECT_EQ(pic.Img().left, 4650);
  EXPECT_EQ(pic.Img().top, 2490);
  EXPECT_EQ(pic.Text(PlacementBox::X), "4650");
  EXPECT_EQ(pic.Text(PlacementBox::Y), "2490");
  // Right button or two buttons: no move, but the boxes still refresh while dragging.
  pic.SetText(PlacementBox::X, "junk");
  pic.img_MouseMove(kLeftButton | kRightButton, 900, 900);
  EXPECT_EQ(pic.Img().left, 4650);
  EXPECT_EQ(pic.Text(PlacementBox::X), "4650");
  pic.img_MouseUp();
  EXPECT_FALSE(pic.Dragging());
  pic.img_MouseMove(kLeftButton, 0, 0);
  EXPECT_EQ(pic.Img().left, 4650);
}

TEST(PlacementDrag, RectangleDragsLikeThePicture) {
  FakeMedia media;
  PlacementController vid(Video(), media);
  vid.Form_Load(std::nullopt);
  EXPECT_EQ(vid.lstvideo_MouseDown(kLeftButton, 1000, 700), kHitNone);
  EXPECT_TRUE(vid.Dragging());
  vid.lstvideo_MouseMove(kLeftButton, 1030, 715);
  EXPECT_EQ(vid.List().left, 990);
  EXPECT_EQ(vid.List().top, 375);
  EXPECT_EQ(vid.Text(PlacementBox::X), "990");
  vid.lstvideo_MouseUp();
  EXPECT_FALSE(vid.Dragging());
}

TEST(PlacementSizing, EdgeZonesGiveHitCodesAndVerticalWinsAtCorners) {
  FakeMedia media;
  PlacementController vid(Video(), media);  // 2175 by 1470
  vid.Form_Load(std::nullopt);
  EXPECT_EQ(vid.lstvideo_MouseDown(kLeftButton, 50, 700), kHitLeft);
  EXPECT_EQ(vid.lstvideo_MouseDown(kLeftButton, 2100, 700), kHitRight);
  EXPECT_EQ(vid.lstvideo_MouseDown(kLeftButton, 1000, 99), kHitTop);
  EXPECT_EQ(vid.lstvideo_MouseDown(kLeftButton, 1000, 1400), kHitBottom);
  EXPECT_EQ(vid.lstvideo_MouseDown(kLeftButton, 50, 50), kHitTop);
  EXPECT_EQ(vid.lstvideo_MouseDown(kLeftButton, 2100, 1400), kHitBottom);
  EXPECT_FALSE(vid.Dragging());
  // The zone borders themselves are inside the body.
  EXPECT_EQ(vid.lstvideo_MouseDown(kLeftButton, 100, 100), kHitNone);
  EXPECT_EQ(vid.lstvideo_MouseDown(kLeftButton, 0, 700), kHitNone);
}

// Whichever edge moved, every box shows the rectangle as it now lies, and Finish gives the same.
TEST(PlacementSizing, SizedRectangleRefreshesEveryBox) {
  FakeMedia media;
  PlacementController vid(Video(), media);
  vid.Form_Load(std::nullopt);
  vid.lstvideo_Sized(PlacementRect{660, 300, 2475, 1530});
  EXPECT_EQ(vid.Text(PlacementBox::VidWidth), "2475");
  EXPECT_EQ(vid.Text(PlacementBox::VidHeight), "1530");
  EXPECT_EQ(vid.Text(PlacementBox::X), "660");
  EXPECT_EQ(vid.Text(PlacementBox::Y), "300");
  vid.cmdend_Click();
  ASSERT_TRUE(vid.Result());
  EXPECT_EQ(vid.Result()->x, "660");
  EXPECT_EQ(vid.Result()->y, "300");
  EXPECT_EQ(vid.Result()->width, "2475");
  EXPECT_EQ(vid.Result()->height, "1530");
}

TEST(PlacementSizing, PointerShapeChangesFirstThenDragging) {
  FakeMedia media;
  PlacementController vid(Video(), media);
  vid.Form_Load(std::nullopt);
  vid.lstvideo_MouseMove(0, 50, 700);
  EXPECT_EQ(vid.ListPointer(), kPointerSizeWE);
  vid.lstvideo_MouseMove(0, 50, 50);
  EXPECT_EQ(vid.ListPointer(), kPointerSizeNS);
  vid.lstvideo_MouseMove(0, 1000, 700);
  EXPECT_EQ(vid.ListPointer(), kPointerDefault);
  // A move that changes the pointer does nothing else, even while dragging.
  vid.lstvideo_MouseDown(kLeftButton, 1000, 700);
  vid.lstvideo_MouseMove(kLeftButton, 1000, 1450);
  EXPECT_EQ(vid.ListPointer(), kPointerSizeNS);
  EXPECT_EQ(vid.List().top, 360);
  vid.lstvideo_MouseMove(kLeftButton, 1000, 1440);
  EXPECT_EQ(vid.List().top, 1100);
}

TEST(PlacementNudge, ArrowsMoveOneTwipAndRefreshBoxes) {
  FakeMedia media;
  PlacementController pic(Rollover(), media);
  pic.Form_Load(PlacementRect{0, 0, 1500, 600});
  for (int i = 0; i < 10; ++i) pic.cmdright_Click();
  EXPECT_EQ(pic.Text(PlacementBox::X), "4210");
  pic.cmdleft_Click();
  pic.cmdup_Click();
  pic.cmdup_Click();
  pic.cmddown_Click();
  EXPECT_EQ(pic.Img().left, 4209);
  EXPECT_EQ(pic.Text(PlacementBox::Y), "2399");

  // In video mode the rectangle moves, or the hidden picture while a video preview hides it.
  PlacementController vid(Video(), media);
  vid.Form_Load(std::nullopt);
  vid.cmdleft_Click();
  EXPECT_EQ(vid.List().left, 959);
  vid.cmdprev_Click();
  vid.cmdleft_Click();
  EXPECT_EQ(vid.List().left, 959);
  EXPECT_EQ(vid.Img().left, 4199);
  EXPECT_EQ(vid.Text(PlacementBox::X), "4199");
}

TEST(PlacementNudge, ArrowKeysMoveOnePixelOrTenWithShift) {
  FakeMedia media;
  PlacementController pic(Rollover(), media);
  pic.Form_Load(PlacementRect{0, 0, 1500, 600});
  pic.view_ArrowKey(1, 0, false);
  pic.view_ArrowKey(0, -1, true);
  EXPECT_EQ(pic.Text(PlacementBox::X), "4215");
  EXPECT_EQ(pic.Text(PlacementBox::Y), "2250");
  PlacementController vid(Video(), media);
  vid.Form_Load(std::nullopt);
  vid.view_ArrowKey(-1, 1, true);
  EXPECT_EQ(vid.List().left, 810);
  EXPECT_EQ(vid.List().top, 510);
}

TEST(PlacementBoxes, OnlyEnterAppliesAndJunkIsIgnored) {
  FakeMedia media;
  PlacementController pic(Rollover(), media);
  pic.Form_Load(PlacementRect{0, 0, 1500, 600});
  pic.SetText(PlacementBox::X, "1234");
  EXPECT_FALSE(pic.txt_KeyPress(PlacementBox::X, '4'));
  EXPECT_EQ(pic.Img().left, 4200);
  pic.cmdend_Click();
  EXPECT_EQ(pic.Result()->x, "4200");  // Finish takes the picture's place, not the typed text

  EXPECT_TRUE(pic.txt_KeyPress(PlacementBox::X, 13));
  EXPECT_EQ(pic.Img().left, 1234);
  pic.SetText(PlacementBox::Y, "12.5");
  pic.txt_KeyPress(PlacementBox::Y, 13);
  EXPECT_EQ(pic.Img().top, 12.5f);
  for (const char* junk : {"", "abc", "1e999", "nan", "0x10", "--3", "1 2"}) {
    pic.SetText(PlacementBox::X, junk);
    EXPECT_TRUE(pic.txt_KeyPress(PlacementBox::X, 13)) << junk;
    EXPECT_EQ(pic.Img().left, 1234) << junk;
    EXPECT_EQ(pic.Text(PlacementBox::X), junk);
  }

  PlacementController vid(Video(), media);
  vid.Form_Load(std::nullopt);
  vid.SetText(PlacementBox::VidWidth, "3000");
  vid.txt_KeyPress(PlacementBox::VidWidth, 13);
  vid.SetText(PlacementBox::VidHeight, "-5");
  vid.txt_KeyPress(PlacementBox::VidHeight, 13);
  EXPECT_EQ(vid.List(), (PlacementRect{960, 360, 3000, 1470}));
}

TEST(PlacementPreview, RolloverPreviewHidesAndShowsThePicture) {
  FakeMedia media;
  PlacementController pic(Rollover(), media);
  pic.Form_Load(PlacementRect{0, 0, 1500, 600});
  pic.Form_MouseMove();
  EXPECT_TRUE(pic.PictureShown());  // no preview: the background does not hide it
  pic.cmdprev_Click();
  EXPECT_EQ(pic.PreviewCaption(), kPreviewStop);
  EXPECT_EQ(pic.PreviewActive(), 1);
  pic.Form_MouseMove();
  EXPECT_FALSE(pic.PictureShown());
  pic.img_MouseMove(0, 10, 10);
  EXPECT_TRUE(pic.PictureShown());
  pic.Form_MouseMove();
  pic.cmdprev_Click();  // stopping over the background shows the picture again
  EXPECT_TRUE(pic.PictureShown());
  EXPECT_EQ(pic.PreviewActive(), 0);
  EXPECT_EQ(pic.PreviewCaption(), kPreviewStart);
  EXPECT_TRUE(media.calls.empty());
}

TEST(PlacementPreview, VideoPreviewRunsTheMediaSequenceAndStopsAtAFailure) {
  FakeMedia media;
  PlacementController vid(Video("300", "300", "1500", "900"), media);
  vid.Form_Load(std::nullopt);
  vid.cmdprev_Click();
  EXPECT_TRUE(vid.FrameVisible());
  EXPECT_FALSE(vid.ListVisible());
  EXPECT_EQ(vid.Frame(), vid.List());
  EXPECT_EQ(vid.PreviewAliasName(), "playmovie");
  EXPECT_EQ(media.calls, (std::vector<std::string>{"open playmovie C:\\cd\\movie.avi MpegVideo", "put playmovie",
                                                   "play playmovie"}));
  vid.cmdprev_Click();
  EXPECT_EQ(media.calls.back(), "close playmovie");
  EXPECT_TRUE(vid.ListVisible());
  EXPECT_FALSE(vid.FrameVisible());
  EXPECT_EQ(vid.PreviewCaption(), kPreviewStart);

  FakeMedia failing;
  failing.results["open"] = "The specified file cannot be played.";
  PlacementController bad(Video(), failing);
  bad.Form_Load(std::nullopt);
  bad.cmdprev_Click();
  EXPECT_EQ(failing.calls.size(), 1u);
  EXPECT_TRUE(bad.FrameVisible());  // the empty frame stays until Stop
  EXPECT_EQ(bad.PreviewCaption(), kPreviewStop);
}

TEST(PlacementClosing, ClosingDuringAVideoPreviewClosesTheAliasOnce) {
  FakeMedia media;
  PlacementController vid(Video(), media);
  vid.Form_Load(std::nullopt);
  vid.cmdprev_Click();
  vid.Form_Unload();
  vid.Form_Unload();
  EXPECT_EQ(std::count(media.calls.begin(), media.calls.end(), "close playmovie"), 1);
  EXPECT_FALSE(vid.Result());  // closing is not Finish
}

TEST(PlacementFinish, WritesTheControlsPlaceInOrder) {
  FakeMedia media;
  PlacementController pic(Rollover("1200", "900"), media);
  pic.Form_Load(PlacementRect{0, 0, 1500, 600});
  pic.cmdprev_Click();
  pic.cmdend_Click();
  ASSERT_TRUE(pic.Result());
  EXPECT_FALSE(pic.Result()->video_mode);
  EXPECT_EQ(pic.Result()->x, "1200");
  EXPECT_EQ(pic.Result()->y, "900");
  EXPECT_EQ(pic.PreviewActive(), 0);

  PlacementController vid(Video(), media);
  vid.Form_Load(std::nullopt);
  vid.cmdend_Click();
  ASSERT_TRUE(vid.Result());
  EXPECT_TRUE(vid.Result()->video_mode);
  EXPECT_EQ(vid.Result()->x, "960");
  EXPECT_EQ(vid.Result()->y, "360");
  EXPECT_EQ(vid.Result()->width, "2175");
  EXPECT_EQ(vid.Result()->height, "1470");
}

TEST(TwipsText, FormatsParsesAndRoundsHalfToEven) {
  EXPECT_EQ(FormatTwips(4200), "4200");
  EXPECT_EQ(FormatTwips(-15), "-15");
  EXPECT_EQ(FormatTwips(12.5f), "12.5");
  EXPECT_EQ(FormatTwips(-0.0f), "0");
  EXPECT_EQ(ParseTwips(" 1200 "), 1200.0f);
  EXPECT_EQ(TwipsToInt16("12.5"), 12);
  EXPECT_EQ(TwipsToInt16("13.5"), 14);
  EXPECT_EQ(TwipsToInt16("32767.4"), 32767);
  EXPECT_FALSE(TwipsToInt16("32767.5"));
  EXPECT_FALSE(TwipsToInt16("-40000"));
  EXPECT_FALSE(TwipsToInt16(""));
}

}  // namespace
}  // namespace orb
