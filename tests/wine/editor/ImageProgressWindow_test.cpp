// Under Wine: the disc image's progress window keeps its owner disabled while it shows, cancels on its
// button and its close box, hands a quit on to the main loop, and gives the owner back when it closes.
#include "editor/windows/win/ImageProgressWindow.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace orb {
namespace {

class ProgressWindowTest : public ::testing::Test {
 protected:
  ProgressWindowTest() {
    owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  ~ProgressWindowTest() override { DestroyWindow(owner); }
  // Shows a step late enough that the window pumps its messages.
  bool Step(ImageProgressWindow& window, int percent) {
    Sleep(40);
    return window.Show(percent, "Writing demo.iso: " + std::to_string(percent) + " %");
  }
  HWND owner = nullptr;
};

TEST_F(ProgressWindowTest, CancelButtonStopsTheWriteAndClosingGivesTheOwnerBack) {
  ImageProgressWindow window(owner);
  window.Open("Make Disc Image");
  ASSERT_NE(window.Handle(), nullptr);
  EXPECT_FALSE(IsWindowEnabled(owner));
  EXPECT_TRUE(Step(window, 10));
  char text[128] = {};
  GetDlgItemTextA(window.Handle(), 10, text, sizeof text);
  EXPECT_STREQ(text, "Writing demo.iso: 10 %");
  EXPECT_EQ(SendDlgItemMessageA(window.Handle(), 11, PBM_GETPOS, 0, 0), 10);
  PostMessageA(GetDlgItem(window.Handle(), IDCANCEL), BM_CLICK, 0, 0);
  EXPECT_FALSE(Step(window, 20));
  EXPECT_FALSE(Step(window, 30));  // stays cancelled
  HWND shown = window.Handle();
  window.Close();
  EXPECT_FALSE(IsWindow(shown));
  EXPECT_TRUE(IsWindowEnabled(owner));

  window.Open("Make Disc Image");  // a new write starts uncancelled
  EXPECT_TRUE(Step(window, 5));
  PostMessageA(window.Handle(), WM_CLOSE, 0, 0);  // the close box cancels, the window stays till Close
  EXPECT_FALSE(Step(window, 6));
  EXPECT_TRUE(IsWindow(window.Handle()));
}

TEST_F(ProgressWindowTest, AQuitDuringTheWriteCancelsItAndReachesTheMainLoop) {
  {
    ImageProgressWindow window(owner);
    window.Open("Make Disc Image");
    PostQuitMessage(3);
    EXPECT_FALSE(Step(window, 50));
  }  // destroyed without Close: the owner gets its input back all the same
  EXPECT_TRUE(IsWindowEnabled(owner));
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 3u);
}

}  // namespace
}  // namespace orb
