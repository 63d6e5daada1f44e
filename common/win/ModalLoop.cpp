// The window base's dialogs and modal loops, apart from the rest: the player has neither, and a function
// of an object that is linked stays in the program even when nothing calls it (its unwind entry keeps
// it); see WindowBase.h.
#include "common/win/WindowBase.h"

namespace orb::win {

void* AttachAtInitDialog(HWND hwnd, UINT msg, LPARAM lp) {
  if (msg == WM_INITDIALOG) SetWindowLongPtrA(hwnd, GWLP_USERDATA, lp);
  return reinterpret_cast<void*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

bool IsF1For(HWND window, const MSG& msg) {
  return msg.message == WM_KEYDOWN && msg.wParam == VK_F1 &&
         (msg.hwnd == window || IsChild(window, msg.hwnd));
}

void RunModal(HWND owner, HWND window, const std::function<void(HWND)>& on_f1,
              const std::function<bool()>& done) {
  if (!window) return;
  if (owner) EnableWindow(owner, FALSE);
  if (!IsWindowVisible(window)) {  // else the caller has shown it and put the focus where it belongs
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
  }
  MSG msg;
  while (IsWindow(window) && !(done && done())) {
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (on_f1 && IsF1For(window, msg)) {
      on_f1(window);
      continue;
    }
    if (!IsDialogMessageW(window, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
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

INT_PTR RunEmptyDialog(HWND owner, DLGPROC proc, LPARAM param) {
  // DLGTEMPLATE followed by empty menu, class and title arrays.
  alignas(4) WORD buffer[16] = {};
  auto* tmpl = reinterpret_cast<DLGTEMPLATE*>(buffer);
  tmpl->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPCHILDREN;
  tmpl->cdit = 0;
  tmpl->cx = 100;
  tmpl->cy = 50;
  return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), tmpl, owner, proc, param);
}

}  // namespace orb::win
