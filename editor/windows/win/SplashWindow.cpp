// frmsplash: a borderless window shaped by ShapeFormFromPicture from the GIF resource "SPLASH" (BackPic);
// Timer1 fires once after two seconds.
#include "editor/windows/win/SplashWindow.h"

#include <string>

#include "common/win/PictureLoader.h"
#include "common/win/ShapedWindow.h"
#include "common/win/WindowBase.h"
#include "editor/windows/win/SmallWindow.h"

namespace orb {
namespace {

constexpr const wchar_t* kSplashClass = L"OrbmenuFrmSplash";
constexpr UINT_PTR kTimer1 = 1;

struct SplashState {
  Picture backpic;
  HWND reveal = nullptr;
  bool time_up = false;
  LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

bool LoadSplashPicture(Picture& picture) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC info = FindResourceW(module, L"SPLASH", reinterpret_cast<LPCWSTR>(RT_RCDATA));
  HGLOBAL handle = info ? LoadResource(module, info) : nullptr;
  const void* bytes = handle ? LockResource(handle) : nullptr;
  if (!bytes) return false;
  std::string data(static_cast<const char*>(bytes), SizeofResource(module, info));
  std::string error;
  return LoadPictureFromData(data, picture, error);
}

void Reveal(HWND main_window) {
  if (!main_window) return;
  ShowWindow(main_window, SW_SHOWNORMAL);
  SetForegroundWindow(main_window);
}

LRESULT SplashState::Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  SplashState* s = this;
  switch (msg) {
    case WM_ERASEBKGND:
      if (PaintFormPicture(hwnd, reinterpret_cast<HDC>(wp))) return 1;
      break;
    case WM_TIMER:
      if (wp == kTimer1) {
        KillTimer(hwnd, kTimer1);
        s->time_up = true;
        if (s->reveal) {
          Reveal(s->reveal);
          DestroyWindow(hwnd);
        }
      }
      return 0;
    case WM_DESTROY:
      ReleaseFormPicture(hwnd);
      return 0;
    case WM_NCDESTROY:
      win::Detach(hwnd);
      delete s;
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

HWND ShowSplashWindow() {
  if (!win::RegisterWindowClass(
          small_window::ClassOf(kSplashClass, win::WindowProc<SplashState, &SplashState::Handle>)))
    return nullptr;
  auto* state = new SplashState;
  if (!LoadSplashPicture(state->backpic)) {
    delete state;
    return nullptr;
  }
  int width = state->backpic.Width(), height = state->backpic.Height();
  POINT at = win::CentredOrigin(nullptr, width, height, false);
  HWND splash = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kSplashClass, L"Orbmenu", WS_POPUP, at.x,
                                at.y, width, height, nullptr, nullptr, GetModuleHandleW(nullptr), state);
  if (!splash) {
    delete state;
    return nullptr;
  }
  long transparent = 0;  // the top-left pixel's colour
  // An outline too busy for a region shows the whole picture.
  if (!ShapeFormFromPicture(splash, state->backpic, transparent)) ShowWindow(splash, SW_SHOW);
  UpdateWindow(splash);
  SetTimer(splash, kTimer1, kSplashMilliseconds, nullptr);
  return splash;
}

void RevealAfterSplash(HWND splash, HWND main_window) {
  auto* s = splash && IsWindow(splash) ? win::Attached<SplashState>(splash) : nullptr;
  if (!s) {
    Reveal(main_window);
    return;
  }
  s->reveal = main_window;
  if (s->time_up) {
    Reveal(main_window);
    DestroyWindow(splash);
  }
}

}  // namespace orb
