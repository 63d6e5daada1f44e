// Changes a loaded window's border style and frame flags after creation, as the borderless menu needs.
#pragma once

#include <windows.h>

namespace orb {

struct FormBorderFlags {
  bool clip_controls;
  bool control_box;
  bool max_button;
  bool min_button;
  bool show_in_taskbar;
  bool whats_this_help;
};

// The style and extended style for border code 0 (none) to 5 (sizable tool window).
void FormBorderStyles(int code, const FormBorderFlags& flags, bool mdi_child, DWORD& style, DWORD& ex_style);

// Writes those styles to the window and has the system redraw its frame.
void ChangeFormBorder(HWND form, int code, const FormBorderFlags& flags);

}  // namespace orb
