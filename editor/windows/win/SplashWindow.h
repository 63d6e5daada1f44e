// The editor's splash window (frmsplash): its own picture, shaped to its outline, for two seconds; then the
// main window is shown and the splash goes.
#pragma once

#include <windows.h>

namespace orb {

inline constexpr UINT kSplashMilliseconds = 2000;

// Shows the shaped splash centred on the screen and starts its timer; null when it could not be made.
HWND ShowSplashWindow();

// The window the splash reveals when its time is up. Given after the time is up, it is shown at once.
// A null splash (none could be made) shows main_window at once too.
void RevealAfterSplash(HWND splash, HWND main_window);

}  // namespace orb
