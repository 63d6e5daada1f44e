// The keyboard focus mark on a spot: a dotted rectangle of alternating black and white pixels, so that it
// shows on dark and light pictures alike.
#pragma once

#include <windows.h>

namespace orb {

// Draws the mark on the outermost pixels of `area`.
void DrawFocusMark(HDC dc, const RECT& area);

}  // namespace orb
