// Tool tips of the run-time built modal dialogs; see DialogTooltips.h.
#include "editor/windows/win/DialogTooltips.h"

#include <commctrl.h>

#include "common/win/WideText.h"

namespace orb {

HWND CreateTooltips(HWND dialog) {
  return CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

void AddTooltip(HWND tooltips, HWND dialog, HWND control, const char* text) {
  if (!tooltips || !control || !text) return;
  std::wstring wide = win::Widen(text);
  TTTOOLINFOW info = {};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = dialog;
  info.uId = reinterpret_cast<UINT_PTR>(control);
  info.lpszText = wide.data();
  SendMessageW(tooltips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  SendMessageW(tooltips, TTM_SETMAXTIPWIDTH, 0, 400);
}

}  // namespace orb
