// frmsplash: a borderless window shaped by ShapeFormFromPicture from the GIF resource "SPLASH" (BackPic);
// Timer1 fires once after two seconds.
#include "editor/windows/win/SplashWindow.h"

#include <string>

#include "common/win/PictureLoader.h"
#include "common/win/ShapedWindow.h"
#include "editor/windows/win/SmallWindow.h"

namespace orb {
namespace {

constexpr const char* kSplashClass = "OrbmenuFrmSplash";
constexpr UINT_PTR kTimer1 = 1;

struct SplashState {
  Picture backpic;
  HWND reveal = nullptr;
  bool time_up = false;
};

bool LoadSplashPicture(Picture& picture) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC info = FindResourceA(module, "SPLASH", reinterpret_cast<LPCSTR>(RT_RCDATA));
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

LRESULT CALLBACK SplashProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* s = small_window::Self<SplashState>(hwnd, msg, lp);
  if (!s) return DefWindowProcA(hwnd, msg, wp, lp);
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
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      delete s;
      return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

HWND ShowSplashWindow() {
  if (!small_window::RegisterOnce(kSplashClass, SplashProc)) return nullptr;
  auto* state = new SplashState;
  if (!LoadSplashPicture(state->backpic)) {
    delete state;
    return nullptr;
  }
  RECT area;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  int width = state->backpic.Width(), height = state->backpic.Height();
  HWND splash = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kSplashClass, "Orbmenu", WS_POPUP,
                                area.left + (area.right - area.left - width) / 2,
                                area.top + (area.bottom - area.top - height) / 2, width, height, nullptr, nullptr,
                                GetModuleHandleA(nullptr), state);
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
  auto* s = splash && IsWindow(splash)
                ? reinterpret_cast<SplashState*>(GetWindowLongPtrA(splash, GWLP_USERDATA))
                : nullptr;
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
