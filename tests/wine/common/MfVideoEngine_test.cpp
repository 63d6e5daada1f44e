// Media Foundation under Wine: an MP4 opens in a window, draws its frames the right way up as they come,
// restarts from its start and reports its length; what it cannot open or show gives no engine, so the
// router hands it to the media control interface.
#include "common/win/MfVideoEngine.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "common/VideoFormat.h"
#include "tests/support/PumpMessages.h"
#include "tests/support/WineDataPath.h"

namespace orb {
namespace {

// Like the player, this program is its own video decoder: started as one, it decodes here, before main, and
// ends.
[[maybe_unused]] const bool kStartedAsDecoder = RunVideoDecoderIfAsked();

class MfVideoEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 64, 48, nullptr, nullptr, nullptr,
                            nullptr);
    ASSERT_NE(frame, nullptr);
    UseVideoDecoderProcess();
  }
  void TearDown() override { DestroyWindow(frame); }
  HWND frame = nullptr;
};

TEST_F(MfVideoEngineTest, AnMp4OpensPlaysAndKnowsItsLength) {
  std::string path = WineDataPath("video/green-1s.mp4");
  EXPECT_EQ(SniffVideo(ReadVideoHead(path)).container, VideoContainer::IsoMedia);
  std::unique_ptr<VideoEngine> video = OpenMediaFoundationVideo(path, reinterpret_cast<MediaWindow>(frame));
  ASSERT_TRUE(video) << "Media Foundation did not open " << path;
  EXPECT_TRUE(video->Place(0, 0, 64, 48));
  EXPECT_TRUE(video->Play());
  ASSERT_TRUE(PumpUntil([&] { return video->LengthMs() >= 0; }, 5000)) << "no length after the item was set";
  EXPECT_NEAR(video->LengthMs(), 1000, 150);
  video->Stop();
  video.reset();  // shuts the player down while its window still exists
  EXPECT_TRUE(IsWindow(frame));
}

// The colour drawn at a point of the frame window, as red, green, blue each reduced to 0 or 1.
std::string Seen(HWND window, int x, int y) {
  COLORREF c = ClientPixel(window, x, y);
  std::string seen;
  for (int v : {GetRValue(c), GetGValue(c), GetBValue(c)}) seen += v > 160 ? '1' : v < 90 ? '0' : '?';
  return seen;
}

TEST_F(MfVideoEngineTest, FramesShowUprightInTurnAndPlayStartsAgainFromTheStart) {
  // Lime over blue for half a second, then red over blue.
  std::unique_ptr<VideoEngine> video =
      OpenMediaFoundationVideo(WineDataPath("video/two-tone.mp4"), reinterpret_cast<MediaWindow>(frame));
  ASSERT_TRUE(video);
  // The window waits on an open at most 100 ms: the length comes when the worker has read the header.
  ASSERT_TRUE(PumpUntil([&] { return video->LengthMs() >= 0; }, 5000)) << "no length";
  EXPECT_NEAR(video->LengthMs(), 1000, 150);
  ASSERT_TRUE(video->Play());
  EXPECT_TRUE(PumpUntil([&] { return Seen(frame, 32, 10) == "010"; }, 3000)) << "first frames: " << Seen(frame, 32, 10);
  EXPECT_EQ(Seen(frame, 32, 38), "001") << "the lower half";
  EXPECT_TRUE(PumpUntil([&] { return Seen(frame, 32, 10) == "100"; }, 3000)) << "later frames: " << Seen(frame, 32, 10);
  // At the end the last picture stays, also when the window is painted again.
  Sleep(800);
  InvalidateRect(frame, nullptr, TRUE);
  PumpUntil([] { return false; }, 200);
  EXPECT_EQ(Seen(frame, 32, 10), "100");
  ASSERT_TRUE(video->Play());
  EXPECT_TRUE(PumpUntil([&] { return Seen(frame, 32, 10) == "010"; }, 3000)) << "after play again: " << Seen(frame, 32, 10);
  video->Stop();
  video->Stop();
  video.reset();
  EXPECT_TRUE(IsWindow(frame));
}

TEST_F(MfVideoEngineTest, WhatItCannotOpenOrShowGivesNoEngineOrOneThatGivesUp) {
  MediaWindow window = reinterpret_cast<MediaWindow>(frame);
  // An open that fails within the window's 100 ms gives no engine; a slower one gives an engine that fails.
  auto gives_up = [&](const char* file) {
    std::unique_ptr<VideoEngine> video = OpenMediaFoundationVideo(WineDataPath(file), window);
    return !video || PumpUntil([&] { return video->Failed(); }, 8000);
  };
  EXPECT_TRUE(gives_up("video/gone.mp4"));
  EXPECT_EQ(ReadVideoHead(WineDataPath("video/gone.mp4")), "");
  // Sound only: nothing to draw, so the media control interface may play it.
  EXPECT_TRUE(gives_up("video/tone.m4a"));
}

}  // namespace
}  // namespace orb
