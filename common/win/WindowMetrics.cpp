// The window base's DPI, sizing and the editor's background brush, apart from the rest for the same reason
// as ModalLoop.cpp: the player needs only the DPI, and nothing else here is large; see WindowBase.h.
#include "common/win/WindowBase.h"

namespace orb::win {

HBRUSH FaceBrush() { return reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1); }

int WindowDpi(HWND hwnd) {
  // GetDpiForWindow is looked up at run time: systems before Windows 10 1607 have none.
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static auto get_dpi = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
  if (get_dpi && hwnd) {
    if (UINT dpi = get_dpi(hwnd)) return static_cast<int>(dpi);
  }
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

void SizeClientAndCentre(HWND hwnd, HWND owner, int width, int height, bool keep_on_work_area) {
  RECT r = {0, 0, width, height};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_EXSTYLE)));
  int w = r.right - r.left, h = r.bottom - r.top;
  POINT at = CentredOrigin(owner, w, h, keep_on_work_area);
  SetWindowPos(hwnd, nullptr, at.x, at.y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace orb::win
