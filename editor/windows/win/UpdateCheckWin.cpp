// WinINet download of the version file, the hourglass, and the update window frmupdate.
#include "editor/windows/win/UpdateCheckWin.h"

#include <wininet.h>

#include "common/win/WideText.h"
#include "common/win/WindowBase.h"
#include "editor/windows/MakerLinks.h"
#include "editor/windows/UpdateWindowController.h"
#include "editor/windows/win/SmallWindow.h"

namespace orb {

namespace sw = small_window;

std::string WinInetHttpGet::Get(const std::string& url, std::size_t max_bytes) {
  std::string data;
  HINTERNET internet = InternetOpenW(L"Orbmenu update check", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
  if (!internet) return data;
  HINTERNET file = InternetOpenUrlW(internet, win::Widen(url).c_str(), nullptr, 0, INTERNET_FLAG_RELOAD, 0);
  if (file) {
    // One read may deliver only part of a small file; read until the limit or the end.
    data.resize(max_bytes);
    std::size_t filled = 0;
    DWORD got = 0;
    while (filled < max_bytes &&
           InternetReadFile(file, &data[filled], static_cast<DWORD>(max_bytes - filled), &got) && got > 0)
      filled += got;
    data.resize(filled);
    InternetCloseHandle(file);
  }
  InternetCloseHandle(internet);
  return data;
}

void WindowBusyCursor::SetBusy(bool busy) {
  (void)window_;
  // The check blocks the message loop, so the pointer stays as set until it is set back.
  SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(busy ? IDC_WAIT : IDC_ARROW)));
}

namespace {

constexpr const wchar_t* kUpdateClass = L"OrbmenuFrmUpdate";
constexpr int kIdTxtinfo = 101, kIdCmdupdate = 102;

struct UpdateWindowState {
  UpdateWindowController controller;
  LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

// A multi-line edit box wants CR LF; a server may send bare LF.
std::string WithCrLf(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

LRESULT UpdateWindowState::Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  UpdateWindowState* state = this;
  switch (msg) {
    case WM_CREATE: {
      HWND info = sw::AddChild(hwnd, "EDIT", "", WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                               120, 120, 5160, 2280, kIdTxtinfo);
      win::SetText(info, WithCrLf(state->controller.txtinfo()));
      sw::AddChild(hwnd, "BUTTON", "&Update Now", WS_TABSTOP | BS_DEFPUSHBUTTON, 2400, 2520, 1395, 375,
                   kIdCmdupdate);
      sw::AddChild(hwnd, "BUTTON", "Close", WS_TABSTOP | BS_PUSHBUTTON, 3885, 2520, 1395, 375, IDCANCEL);
      SetFocus(GetDlgItem(hwnd, kIdCmdupdate));
      return 0;
    }
    case WM_COMMAND:
      if (LOWORD(wp) == kIdCmdupdate || LOWORD(wp) == IDOK) {
        state->controller.cmdupdate_Click();
      } else if (LOWORD(wp) == IDCANCEL && state->controller.cmdexit_Click()) {
        win::EndModal(hwnd);
      }
      return 0;
    case WM_CLOSE:
      win::EndModal(hwnd);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

void UpdateWindowView::Show(const std::string& information) {
  if (!win::RegisterWindowClass(
          sw::ClassOf(kUpdateClass, win::WindowProc<UpdateWindowState, &UpdateWindowState::Handle>)))
    return;
  UpdateWindowState state{UpdateWindowController(shell_, information)};
  HWND window = sw::CreateTop(kUpdateClass, kUpdateWindowCaption, WS_CAPTION | WS_SYSMENU | WS_POPUP, 5400, 3015,
                              owner_, &state);
  win::RunModal(owner_, window);
}

void RunUpdateCheck(HWND main_window, MessageBoxSeam& messages, ShellSeam& shell) {
  wchar_t server[512] = {};
  DWORD n = GetEnvironmentVariableW(win::Widen(kUpdateServerVariable).c_str(), server, 512);
  WinInetHttpGet http;
  WindowBusyCursor cursor(main_window);
  UpdateWindowView window(main_window, shell);
  UpdateCheck check(http, cursor, messages, window, VersionFileUrl(n < 512 ? win::Narrow(server) : ""),
                    OwnVersionText());
  check.mnuupdate_Click();
}

}  // namespace orb
