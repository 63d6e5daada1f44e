// Media Foundation under Wine: an MP4 opens in a window, plays and reports its length; what it cannot
// open gives no engine, so the router hands it to the media control interface.
#include "common/win/MfVideoEngine.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "common/VideoFormat.h"
#include "tests/support/WineDataPath.h"

namespace orb {
namespace {

// Lets the player's events (delivered through this thread's messages) arrive until done() or a timeout.
template <typename Done>
bool PumpUntil(Done done, int milliseconds) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < DWORD(milliseconds);) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    if (done()) return true;
    Sleep(20);
  }
  return false;
}

class MfVideoEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 64, 48, nullptr, nullptr, nullptr,
                            nullptr);
    ASSERT_NE(frame, nullptr);
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

TEST_F(MfVideoEngineTest, AMissingFileGivesNoEngine) {
  EXPECT_FALSE(OpenMediaFoundationVideo(WineDataPath("video/gone.mp4"), reinterpret_cast<MediaWindow>(frame)));
  EXPECT_EQ(ReadVideoHead(WineDataPath("video/gone.mp4")), "");
}

}  // namespace
}  // namespace orb
