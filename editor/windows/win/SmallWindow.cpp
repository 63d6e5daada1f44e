// Twips layout and child controls of the editor's small windows.
#include "editor/windows/win/SmallWindow.h"

#include "common/win/WideText.h"

namespace orb::small_window {

int Px(int twips) { return MulDiv(twips, win::WindowDpi(nullptr), 1440); }
int Twips(int pixels) { return MulDiv(pixels, 1440, win::WindowDpi(nullptr)); }

win::WideWindowClass ClassOf(const wchar_t* name, WNDPROC proc, HCURSOR cursor) {
  return {name, proc, cursor ? cursor : win::ArrowCursor(), win::FaceBrush(),
          LoadIconW(GetModuleHandleW(nullptr), L"AA")};
}

HWND CreateTop(const wchar_t* class_name, const std::string& caption, DWORD style, int client_width,
               int client_height, HWND owner, void* self) {
  RECT r = {0, 0, Px(client_width), Px(client_height)};
  AdjustWindowRectEx(&r, style, FALSE, WS_EX_DLGMODALFRAME);
  int width = r.right - r.left, height = r.bottom - r.top;
  POINT at = win::CentredOrigin(owner, width, height, false);
  return CreateWindowExW(WS_EX_DLGMODALFRAME, class_name, win::Widen(caption).c_str(), style, at.x, at.y,
                         width, height, owner, nullptr, GetModuleHandleW(nullptr), self);
}

HWND AddChild(HWND parent, const char* cls, const std::string& text, DWORD style, int left, int top,
              int width, int height, int id) {
  HWND child =
      CreateWindowExW(0, win::Widen(cls).c_str(), win::Widen(text).c_str(), WS_CHILD | WS_VISIBLE | style,
                      Px(left), Px(top), Px(width), Px(height), parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (child)
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return child;
}

}  // namespace orb::small_window
