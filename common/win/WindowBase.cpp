// The window base's shared half; see WindowBase.h.
#include "common/win/WindowBase.h"

namespace orb::win {

void* AttachAtCreate(HWND hwnd, UINT msg, LPARAM lp) {
  if (msg == WM_NCCREATE)
    SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams));
  return reinterpret_cast<void*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

void* AttachAtInitDialog(HWND hwnd, UINT msg, LPARAM lp) {
  if (msg == WM_INITDIALOG) SetWindowLongPtrA(hwnd, GWLP_USERDATA, lp);
  return reinterpret_cast<void*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

void Detach(HWND hwnd) { SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0); }

bool RegisterWindowClass(const WindowClass& window_class) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA existing;
  if (GetClassInfoA(instance, window_class.name, &existing)) return true;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = window_class.proc;
  wc.hInstance = instance;
  wc.hCursor = window_class.cursor;
  wc.hbrBackground = window_class.background;
  wc.hIcon = window_class.icon;
  wc.lpszClassName = window_class.name;
  return RegisterClassA(&wc) != 0;
}

HCURSOR ArrowCursor() { return LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)); }
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

POINT CentredOrigin(HWND owner, int width, int height, bool keep_on_work_area) {
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  RECT area = work;
  if (owner && IsWindowVisible(owner)) GetWindowRect(owner, &area);
  POINT at = {area.left + (area.right - area.left - width) / 2,
              area.top + (area.bottom - area.top - height) / 2};
  if (keep_on_work_area) {
    if (at.x + width > work.right) at.x = work.right - width;
    if (at.y + height > work.bottom) at.y = work.bottom - height;
    if (at.x < work.left) at.x = work.left;
    if (at.y < work.top) at.y = work.top;
  }
  return at;
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
