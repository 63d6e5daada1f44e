// The DPI the editor's windows lay themselves out at.
#pragma once

#include <windows.h>

namespace orb {

// The DPI of a window where the system can tell it per window (per monitor), else of the screen; 96 when
// neither answers.
int WindowDpi(HWND hwnd);

}  // namespace orb
