// The player program's windows and start-up; see PlayerApp.h.
#include "player/win/PlayerApp.h"

#include <shellapi.h>

#include "cdformat/PlayerFolder.h"
#include "common/DpiScale.h"
#include "common/win/WideText.h"
#include "common/win/WindowBase.h"
#include "player/win/DpiPicture.h"
#include "player/win/PreferredLanguages.h"

namespace orb {
namespace {

constexpr const wchar_t* kStartupClass = L"OrbstartMain";
constexpr const wchar_t* kSplashClass = L"OrbstartSplash";
constexpr UINT_PTR kPlayTimer = 1;  // tmrplay, on the start-up window
constexpr UINT_PTR kStayTimer = 2;  // tmrstay, on the splash window

}  // namespace

PlayerApp::PlayerApp(HINSTANCE instance) : instance_(instance) {}

PlayerApp::~PlayerApp() {
  menu_.reset();
  if (splash_) DestroyWindow(splash_);
  if (startup_) DestroyWindow(startup_);
}

int PlayerApp::Run(const std::string& folder) {
  win::RegisterWindowClass({kStartupClass, win::WindowProc<PlayerApp, &PlayerApp::OnStartupMessage>});
  win::RegisterWindowClass(
      {kSplashClass, win::WindowProc<PlayerApp, &PlayerApp::OnSplashMessage>, win::ArrowCursor()});

  startup_controller_ = std::make_unique<StartupController>(folder, media_, *this);
  startup_ = CreateWindowExW(0, kStartupClass, L"Orbstart", WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr,
                             instance_, this);
  if (!startup_) return 1;
  if (!startup_controller_->Load()) return exit_code_;
  startup_controller_->Run();
  if (failing_) return exit_code_;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return exit_code_;
}

FileRead PlayerApp::ReadFile(const std::string& path, std::string& data) {
  HANDLE file = CreateFileW(win::Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return FileRead::kMissing;
  LARGE_INTEGER size;
  bool ok = GetFileSizeEx(file, &size);
  if (ok && static_cast<unsigned long long>(size.QuadPart) > kMaxPlayerFileBytes) {
    CloseHandle(file);
    return FileRead::kTooLarge;
  }
  if (ok) {
    data.assign(static_cast<size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    ok = data.empty() || (::ReadFile(file, data.data(), static_cast<DWORD>(data.size()), &got, nullptr) &&
                          got == data.size());
  }
  CloseHandle(file);
  return ok ? FileRead::kRead : FileRead::kMissing;
}

void PlayerApp::ShellOpen(MediaWindow owner, const std::string& operation, const std::string& target,
                          const std::string& parameters, const std::string& directory) {
  const std::wstring wide_parameters = win::Widen(parameters), wide_directory = win::Widen(directory);
  ShellExecuteW(reinterpret_cast<HWND>(owner), win::Widen(operation).c_str(), win::Widen(target).c_str(),
                parameters.empty() ? nullptr : wide_parameters.c_str(),
                directory.empty() ? nullptr : wide_directory.c_str(), SW_SHOWNORMAL);
}

bool PlayerApp::ShowSplash(const std::string& path, std::string& error) {
  if (!LoadPicture(path, splash_picture_, error)) return false;
  // At the DPI of the screen it opens on, as the menu is drawn.
  if (int dpi = win::WindowDpi(nullptr); dpi != kBaseDpi) {
    Picture base = static_cast<Picture&&>(splash_picture_);
    if (!PictureAtDpi(path, base, dpi, ScaleEdge(base.Width(), dpi), ScaleEdge(base.Height(), dpi),
                      splash_picture_)) {
      error = "cannot be scaled to the screen's DPI";
      return false;
    }
  }
  int w = splash_picture_.Width(), h = splash_picture_.Height();
  int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
  // A picture with clear pixels becomes a layered window with its own per-pixel alpha, so that what lies
  // beneath shows through them (a round logo has no grey corners), as a rollover's do over the menu.
  bool layered = splash_picture_.HasAlpha();
  splash_ = CreateWindowExW(WS_EX_TOOLWINDOW | (layered ? WS_EX_LAYERED : 0), kSplashClass, L"", WS_POPUP, x, y, w,
                            h, nullptr, nullptr, instance_, this);
  if (!splash_) {
    error = "cannot be shown";
    return false;
  }
  if (layered && !ShowLayeredSplash(x, y)) {
    // Without per-pixel alpha the picture is still shown, over the window colour.
    SetWindowLongPtrW(splash_, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
  }
  ShowWindow(splash_, SW_SHOW);
  UpdateWindow(splash_);
  return true;
}

bool PlayerApp::ShowLayeredSplash(int x, int y) {
  HDC screen = GetDC(nullptr);
  HDC source = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(source, splash_picture_.Bitmap());
  POINT at = {x, y}, origin = {0, 0};
  SIZE size = {splash_picture_.Width(), splash_picture_.Height()};
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};  // the pixels are premultiplied already
  BOOL shown = UpdateLayeredWindow(splash_, screen, &at, &size, source, &origin, 0, &blend, ULW_ALPHA);
  SelectObject(source, old);
  DeleteDC(source);
  ReleaseDC(nullptr, screen);
  return shown != FALSE;
}

void PlayerApp::UnloadSplash() {
  if (!splash_) return;
  HWND splash = splash_;
  splash_ = nullptr;
  DestroyWindow(splash);
  splash_picture_.Reset();
}

bool PlayerApp::ShowMenu(std::string& error) {
  if (menu_) return true;
  // From here on a click must not wait for a length the media interface is slow to give.
  mci_.BoundReplies();
  menu_ = std::make_unique<MenuWindow>(instance_, startup_controller_->Config(), startup_controller_->Folder(),
                                       media_, *this, startup_controller_->Language());
  if (!menu_->Create(error)) {
    menu_.reset();
    return false;
  }
  return true;
}

std::vector<std::string> PlayerApp::PreferredLanguages() { return UserPreferredUiLanguages(); }

void PlayerApp::UnloadStartupWindow() {
  if (startup_controller_) startup_controller_->Form_Unload();
  if (!startup_) return;
  HWND startup = startup_;
  startup_ = nullptr;
  DestroyWindow(startup);
  QuitWhenAlone();
}

void PlayerApp::EnableTimer(PlayerTimer timer, bool enabled) {
  HWND owner = timer == PlayerTimer::Play ? startup_ : splash_;
  UINT_PTR id = timer == PlayerTimer::Play ? kPlayTimer : kStayTimer;
  if (!owner) return;
  if (enabled) {
    SetTimer(owner, id, 1000, nullptr);
  } else {
    KillTimer(owner, id);
  }
}

void PlayerApp::Fail(const std::string& message) {
  if (failing_) return;
  failing_ = true;
  exit_code_ = 1;
  // Nothing may go on behind the message: no ticks, no half-built windows.
  if (startup_) KillTimer(startup_, kPlayTimer);
  if (splash_) {
    KillTimer(splash_, kStayTimer);
    ShowWindow(splash_, SW_HIDE);
  }
  if (menu_ && menu_->Handle()) ShowWindow(menu_->Handle(), SW_HIDE);
  MessageBoxW(nullptr, win::Widen(message).c_str(), win::Widen(kPlayerTitle).c_str(),
              MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
  PostQuitMessage(exit_code_);
}

void PlayerApp::QuitWhenAlone() {
  if (!failing_ && !startup_ && !splash_ && !(menu_ && menu_->Handle())) PostQuitMessage(exit_code_);
}

LRESULT PlayerApp::OnStartupMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_TIMER && wp == kPlayTimer) {
    startup_controller_->tmrplay_Timer();
    return 0;
  }
  if (msg == WM_CLOSE) {
    UnloadStartupWindow();
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT PlayerApp::OnSplashMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  PlayerApp* app = this;
  switch (msg) {
    case WM_TIMER:
      if (wp == kStayTimer) app->startup_controller_->tmrstay_Timer();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      if (app->splash_picture_.HasAlpha()) FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
      app->splash_picture_.Draw(dc, 0, 0);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_CLOSE:
      return 0;  // nothing but the fourth tick ends the splash
    default:
      return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

}  // namespace orb
