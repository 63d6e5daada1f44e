// Helpers of the run-time built modal dialogs; see ModalDialog.h.
#include "editor/windows/win/ModalDialog.h"

#include <commctrl.h>

namespace orb {

INT_PTR RunModalDialog(HWND owner, DLGPROC proc, LPARAM param) {
  // DLGTEMPLATE followed by empty menu, class and title arrays; the dialog sizes and fills itself.
  alignas(4) WORD buffer[16] = {};
  auto* tmpl = reinterpret_cast<DLGTEMPLATE*>(buffer);
  tmpl->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPCHILDREN;
  tmpl->cdit = 0;
  tmpl->cx = 100;
  tmpl->cy = 50;
  return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), tmpl, owner, proc, param);
}

void SizeClientAndCenter(HWND hwnd, int width, int height) {
  RECT r = {0, 0, width, height};
  DWORD style = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
  DWORD ex = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_EXSTYLE));
  AdjustWindowRectEx(&r, style, FALSE, ex);
  int w = r.right - r.left, h = r.bottom - r.top;
  RECT area;
  HWND owner = GetWindow(hwnd, GW_OWNER);
  if (!owner || !GetWindowRect(owner, &area)) SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  int x = area.left + (area.right - area.left - w) / 2, y = area.top + (area.bottom - area.top - h) / 2;
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  if (x + w > work.right) x = work.right - w;
  if (y + h > work.bottom) y = work.bottom - h;
  if (x < work.left) x = work.left;
  if (y < work.top) y = work.top;
  SetWindowPos(hwnd, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND CreateTooltips(HWND dialog) {
  return CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr, GetModuleHandleA(nullptr),
                         nullptr);
}

void AddTooltip(HWND tooltips, HWND dialog, HWND control, const char* text) {
  if (!tooltips || !control || !text) return;
  TTTOOLINFOA info = {};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = dialog;
  info.uId = reinterpret_cast<UINT_PTR>(control);
  info.lpszText = const_cast<char*>(text);
  SendMessageA(tooltips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
  SendMessageA(tooltips, TTM_SETMAXTIPWIDTH, 0, 400);
}

}  // namespace orb
