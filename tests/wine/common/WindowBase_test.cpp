// The window base's own logic: a handler that throws leaves its window alive with the default answer,
// in windows and dialogs alike; a class registers once; the modal loop ends on done() and gives the
// owner back; centring keeps a window on the work area when asked.
#include "common/win/WindowBase.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace orb {
namespace {

constexpr UINT kThrow = WM_APP + 1, kAnswer = WM_APP + 2;

struct Probe {
  int handled = 0;
  LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kThrow) throw std::runtime_error("handler failed");
    if (msg == kAnswer) return ++handled;
    return DefWindowProcA(hwnd, msg, wp, lp);
  }
  INT_PTR HandleDialog(HWND hwnd, UINT msg, WPARAM, LPARAM) {
    if (msg == WM_INITDIALOG) {
      // A thrown handler inside the dialog's own loop: the dialog goes on and ends normally.
      SendMessageA(hwnd, kThrow, 0, 0);
      EndDialog(hwnd, SendMessageA(hwnd, kAnswer, 0, 0) == 0 ? 7 : 1);
      return TRUE;
    }
    if (msg == kThrow) throw std::runtime_error("dialog handler failed");
    return FALSE;  // kAnswer unhandled: the dialog manager answers 0
  }
};

TEST(WindowBase, AThrowingHandlerLeavesTheWindowAliveInWindowsAndDialogs) {
  const wchar_t* name = L"OrbTestWindowBase";
  ASSERT_TRUE(win::RegisterWindowClass({name, win::WindowProc<Probe, &Probe::Handle>, win::ArrowCursor()}));
  EXPECT_TRUE(
      win::RegisterWindowClass({name, win::WindowProc<Probe, &Probe::Handle>}));  // again: already there
  Probe probe;
  HWND hwnd = CreateWindowExW(0, name, L"probe", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                              GetModuleHandleA(nullptr), &probe);
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(win::Attached<Probe>(hwnd), &probe);
  EXPECT_EQ(SendMessageA(hwnd, kThrow, 0, 0), 0);
  EXPECT_TRUE(IsWindow(hwnd));
  EXPECT_EQ(SendMessageA(hwnd, kAnswer, 0, 0), 1);
  win::Detach(hwnd);
  EXPECT_EQ(SendMessageA(hwnd, kAnswer, 0, 0), 0);  // detached: the default procedure answers
  EXPECT_EQ(probe.handled, 1);
  DestroyWindow(hwnd);

  EXPECT_EQ(win::RunEmptyDialog(nullptr, win::DialogProc<Probe, &Probe::HandleDialog>,
                                reinterpret_cast<LPARAM>(&probe)),
            7);
}

TEST(WindowBase, ModalLoopEndsOnDoneAndCentringKeepsToTheWorkArea) {
  const wchar_t* name = L"OrbTestWindowBaseModal";
  ASSERT_TRUE(win::RegisterWindowClass({name, win::WindowProc<Probe, &Probe::Handle>, win::ArrowCursor()}));
  Probe probe;
  HWND owner = CreateWindowExW(0, name, L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                               nullptr, GetModuleHandleA(nullptr), &probe);
  HWND modal = CreateWindowExW(0, name, L"modal", WS_POPUP | WS_CAPTION, 0, 0, 100, 80, owner, nullptr,
                               GetModuleHandleA(nullptr), &probe);
  ASSERT_TRUE(owner && modal);
  PostMessageA(modal, kAnswer, 0, 0);
  win::RunModal(owner, modal, nullptr, [&] { return probe.handled > 0; });
  EXPECT_FALSE(IsWindow(modal));
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(probe.handled, 1);

  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  int huge = (work.right - work.left) * 2;
  POINT kept = win::CentredOrigin(nullptr, huge, huge, true);
  EXPECT_EQ(kept.x, work.left);
  EXPECT_EQ(kept.y, work.top);
  POINT centred = win::CentredOrigin(owner, 100, 80, true);
  RECT o;
  GetWindowRect(owner, &o);
  EXPECT_EQ(centred.x, o.left + (o.right - o.left - 100) / 2);
  EXPECT_GE(win::WindowDpi(owner), 96);
  DestroyWindow(owner);
}

}  // namespace
}  // namespace orb
