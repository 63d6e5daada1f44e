// The window base's shared half; see WindowBase.h.
#include "common/win/WindowBase.h"

namespace orb::win {

void* AttachAtCreate(HWND hwnd, UINT msg, LPARAM lp) {
  // lpCreateParams comes first in CREATESTRUCTW as well.
  if (msg == WM_NCCREATE)
    SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams));
  return reinterpret_cast<void*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

void Detach(HWND hwnd) { SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0); }

// Asked by registering rather than by GetClassInfo: the player then imports one function less.
bool RegisterWindowClass(const WideWindowClass& window_class) {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = window_class.proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = window_class.cursor;
  wc.hbrBackground = window_class.background;
  wc.hIcon = window_class.icon;
  wc.lpszClassName = window_class.name;
  return RegisterClassW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

LRESULT DefaultAnswer(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return IsWindowUnicode(hwnd) ? DefWindowProcW(hwnd, msg, wp, lp) : DefWindowProcA(hwnd, msg, wp, lp);
}

HCURSOR ArrowCursor() { return LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)); }

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

}  // namespace orb::win
