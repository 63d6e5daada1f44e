// Waiting in a Windows test: this thread's windows get their messages while the test waits for what
// they should do.
#pragma once

#include <windows.h>

namespace orb {

// Pumps this thread's messages until done() or ms milliseconds have passed; whether done() came true.
template <typename Done>
bool PumpUntil(Done done, DWORD ms) {
  for (DWORD start = GetTickCount();;) {
    if (done()) return true;
    if (GetTickCount() - start >= ms) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  }
}

// The colour drawn at a point of a window's client area, as the window's own device context reads it.
inline COLORREF ClientPixel(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return c;
}

}  // namespace orb
