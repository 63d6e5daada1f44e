// The programs hold text as UTF-8; Windows is spoken to in UTF-16 through the wide functions, so that no
// name or text outside the ANSI code page is lost on the way.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace orb::win {

// UTF-8 to UTF-16; invalid UTF-8 becomes U+FFFD.
std::wstring Widen(std::string_view utf8);
// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string Narrow(std::wstring_view wide);

// A window's text (a control's contents, a window's title) as UTF-8, and the way back (named apart
// from the system's SetWindowText macros).
std::string Text(HWND window);
void SetText(HWND window, std::string_view utf8);

// The path of this program's file, however long; empty when Windows cannot tell.
std::wstring ProgramPath();

}  // namespace orb::win
