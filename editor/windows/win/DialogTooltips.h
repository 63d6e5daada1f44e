// Tool tips of the editor's modal dialogs that build their controls at run time (their procedure, template,
// size and centring are the window base's: common/win/WindowBase.h).
#pragma once

#include <windows.h>

namespace orb {

// A tool-tip window for the dialog's controls (a Unicode one: the texts are UTF-8).
HWND CreateTooltips(HWND dialog);
void AddTooltip(HWND tooltips, HWND dialog, HWND control, const char* text);

}  // namespace orb
