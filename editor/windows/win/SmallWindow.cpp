// Twips layout, child controls and the modal loop of the editor's small windows.
#include "editor/windows/win/SmallWindow.h"

#include "editor/windows/win/HelpViewer.h"

namespace orb::small_window {
namespace {

int ScreenDpi() {
  HDC dc = GetDC(nullptr);
  int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSX) : 96;
  if (dc) ReleaseDC(nullptr, dc);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

int Dpi() { return ScreenDpi(); }
int Px(int twips) { return MulDiv(twips, ScreenDpi(), 1440); }
int Twips(int pixels) { return MulDiv(pixels, 1440, ScreenDpi()); }

bool RegisterOnce(const char* class_name, WNDPROC proc, HCURSOR cursor) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA existing;
  if (GetClassInfoA(instance, class_name, &existing)) return true;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = cursor ? cursor : LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.hIcon = LoadIconA(instance, "AA");
  wc.lpszClassName = class_name;
  return RegisterClassA(&wc) != 0;
}

HWND CreateTop(const char* class_name, const char* caption, DWORD style, int client_width, int client_height,
               HWND owner, void* self) {
  RECT r = {0, 0, Px(client_width), Px(client_height)};
  AdjustWindowRectEx(&r, style, FALSE, WS_EX_DLGMODALFRAME);
  int width = r.right - r.left, height = r.bottom - r.top;
  RECT area;
  if (!owner || !GetWindowRect(owner, &area) || !IsWindowVisible(owner))
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  int x = area.left + (area.right - area.left - width) / 2;
  int y = area.top + (area.bottom - area.top - height) / 2;
  return CreateWindowExA(WS_EX_DLGMODALFRAME, class_name, caption, style, x, y, width, height, owner, nullptr,
                         GetModuleHandleA(nullptr), self);
}

HWND AddChild(HWND parent, const char* cls, const char* text, DWORD style, int left, int top, int width,
              int height, int id) {
  HWND child = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, Px(left), Px(top), Px(width),
                               Px(height), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleA(nullptr), nullptr);
  if (child) SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return child;
}

bool IsF1For(HWND window, const MSG& msg) {
  return msg.message == WM_KEYDOWN && msg.wParam == VK_F1 && (msg.hwnd == window || IsChild(window, msg.hwnd));
}

void RunModal(HWND owner, HWND window, int help_context) {
  if (!window) return;
  if (owner) EnableWindow(owner, FALSE);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  MSG msg;
  while (IsWindow(window)) {
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (help_context && IsF1For(window, msg)) {
      ShowHelpTopic(window, help_context);
      continue;
    }
    if (!IsDialogMessageA(window, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  if (owner) EnableWindow(owner, TRUE);
  if (IsWindow(window)) DestroyWindow(window);
  if (owner) SetActiveWindow(owner);
}

void EndModal(HWND window) {
  if (HWND owner = GetWindow(window, GW_OWNER)) EnableWindow(owner, TRUE);
  DestroyWindow(window);
}

}  // namespace orb::small_window
