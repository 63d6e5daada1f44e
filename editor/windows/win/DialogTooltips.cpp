// Tool tips of the run-time built modal dialogs; see DialogTooltips.h.
#include "editor/windows/win/DialogTooltips.h"

#include <commctrl.h>

namespace orb {

HWND CreateTooltips(HWND dialog) {
  return CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
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
