// Border style changes after creation; see ChangeFormBorder.h.
#include "player/win/ChangeFormBorder.h"

namespace orb {

void FormBorderStyles(int code, const FormBorderFlags& flags, bool mdi_child, DWORD& style, DWORD& ex_style) {
  style = 0;
  ex_style = 0;
  if (flags.clip_controls) style |= WS_CLIPCHILDREN;
  if (flags.control_box) style |= WS_SYSMENU;
  if (flags.max_button) style |= WS_MAXIMIZEBOX;
  if (flags.min_button) style |= WS_MINIMIZEBOX;
  if (flags.show_in_taskbar) ex_style |= WS_EX_APPWINDOW;
  if (flags.whats_this_help) ex_style |= WS_EX_CONTEXTHELP;
  if (mdi_child) ex_style |= WS_EX_MDICHILD;
  switch (code) {
    case 0:
      style |= WS_CLIPSIBLINGS;
      break;
    case 1:
      style |= WS_CLIPSIBLINGS | WS_CAPTION;
      ex_style |= WS_EX_WINDOWEDGE;
      break;
    case 2:
      style |= WS_CLIPSIBLINGS | WS_CAPTION | WS_THICKFRAME;
      ex_style |= WS_EX_WINDOWEDGE;
      break;
    case 3:
      style |= WS_CLIPSIBLINGS | WS_CAPTION | DS_MODALFRAME;
      ex_style |= WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME;
      break;
    case 4:
      style |= WS_CLIPSIBLINGS | WS_CAPTION;
      ex_style |= WS_EX_WINDOWEDGE | WS_EX_TOOLWINDOW;
      break;
    case 5:
      style |= WS_CLIPSIBLINGS | WS_CAPTION | WS_THICKFRAME;
      ex_style |= WS_EX_WINDOWEDGE | WS_EX_TOOLWINDOW;
      break;
    default:
      break;
  }
}

void ChangeFormBorder(HWND form, int code, const FormBorderFlags& flags) {
  bool mdi_child = (GetWindowLongA(form, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
  DWORD style = 0, ex_style = 0;
  FormBorderStyles(code, flags, mdi_child, style, ex_style);
  SetWindowLongA(form, GWL_STYLE, static_cast<LONG>(style));
  SetWindowLongA(form, GWL_EXSTYLE, static_cast<LONG>(ex_style));
  SetWindowPos(form, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED);
}

}  // namespace orb
