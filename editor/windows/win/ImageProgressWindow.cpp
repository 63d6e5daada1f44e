// The disc image's progress window; see ImageProgressWindow.h.
#include "editor/windows/win/ImageProgressWindow.h"

#include <commctrl.h>

#include "common/win/WideText.h"
#include "common/win/WindowBase.h"
#include "editor/windows/win/SmallWindow.h"

namespace orb {

namespace {

constexpr wchar_t kClass[] = L"OrbmenuImageProgress";
constexpr int kIdText = 10, kIdBar = 11, kIdCancel = IDCANCEL;
// Messages are pumped at most this often: the writer reports far more often than a person can see.
constexpr DWORD kPumpMilliseconds = 30;

}  // namespace

LRESULT ImageProgressWindow::Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      if (LOWORD(wp) == kIdCancel) cancelled_ = true;
      return 0;
    case WM_CLOSE:  // the close box cancels; the window goes only when the writer has stopped
      cancelled_ = true;
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

void ImageProgressWindow::Open(const std::string& caption) {
  Close();
  cancelled_ = false;
  if (!win::RegisterWindowClass(
          small_window::ClassOf(kClass, win::WindowProc<ImageProgressWindow, &ImageProgressWindow::Handle>)))
    return;
  hwnd_ =
      small_window::CreateTop(kClass, caption, WS_POPUP | WS_CAPTION | WS_SYSMENU, 5400, 1500, owner_, this);
  if (!hwnd_) return;
  text_ = small_window::AddChild(hwnd_, "STATIC", "", SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS, 240, 180, 4920,
                                 255, kIdText);
  bar_ = small_window::AddChild(hwnd_, "msctls_progress32", "", PBS_SMOOTH, 240, 510, 4920, 300, kIdBar);
  SendMessageW(bar_, PBM_SETRANGE32, 0, 100);
  small_window::AddChild(hwnd_, "BUTTON", "Cancel", BS_DEFPUSHBUTTON | WS_TABSTOP, 2100, 960, 1200, 375,
                         kIdCancel);
  // Like a modal window: the main window takes no input while the image is written.
  if (owner_) EnableWindow(owner_, FALSE);
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  last_pump_ = GetTickCount() - kPumpMilliseconds;
  Pump();
}

bool ImageProgressWindow::Show(int percent, const std::string& text) {
  if (!hwnd_) return !cancelled_;
  DWORD now = GetTickCount();
  if (percent < 100 && now - last_pump_ < kPumpMilliseconds) return !cancelled_;
  last_pump_ = now;
  win::SetText(text_, text);
  SendMessageW(bar_, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
  Pump();
  return !cancelled_;
}

void ImageProgressWindow::Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // The program is ending: stop the write and leave the quit for the main loop.
      PostQuitMessage(static_cast<int>(msg.wParam));
      cancelled_ = true;
      return;
    }
    if (hwnd_ && IsDialogMessageW(hwnd_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void ImageProgressWindow::Close() {
  if (!hwnd_) return;
  // The owner first, so that it becomes the active window again.
  if (owner_) EnableWindow(owner_, TRUE);
  DestroyWindow(hwnd_);
  hwnd_ = text_ = bar_ = nullptr;
  if (owner_) SetActiveWindow(owner_);
}

}  // namespace orb
