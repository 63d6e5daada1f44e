// The window DPI look-up; see Dpi.h.
#include "editor/windows/win/Dpi.h"

namespace orb {

int WindowDpi(HWND hwnd) {
  // GetDpiForWindow is looked up at run time: systems before Windows 10 1607 have none.
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static auto get_dpi = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
  if (get_dpi && hwnd) {
    if (UINT dpi = get_dpi(hwnd)) return static_cast<int>(dpi);
  }
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

}  // namespace orb
