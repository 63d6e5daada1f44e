// The about window (frmabout), shown modally from Help, "About...".
#pragma once

#include <windows.h>

#include "editor/windows/UiSeams.h"

namespace orb {

void ShowAboutWindow(HWND owner, ShellSeam& shell);

}  // namespace orb
