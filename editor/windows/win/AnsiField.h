// Reading an edit box's text in the ANSI code page without letting Windows turn what the code page lacks
// into "?".
#pragma once

#include <windows.h>

#include <string>

namespace orb {

// The box's text in the ANSI code page; the characters that the code page lacks (or could hold only as
// another, "best fit" character) go to refused, in order, and are left out of text. True when none were.
bool ReadAnsiField(HWND edit, std::string& text, std::u32string& refused);

}  // namespace orb
