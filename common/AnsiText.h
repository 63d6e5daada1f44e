// The programs hold UTF-8; the ANSI files (the project file's first part, menu.cfg, autorun.inf,
// autorun.des, the 1.x files) are in the ANSI code page: the system's on Windows, Windows-1252 elsewhere,
// the code page of the PCs the command line builds for. Their readers and writers convert at the file's edge.
#pragma once

#include <string>
#include <string_view>

namespace orb {

// ANSI text to UTF-8: each byte sequence of the code page becomes its character.
std::string AnsiToUtf8(std::string_view ansi);
// UTF-8 to ANSI text. A character the code page lacks becomes the code page's default character, as
// Windows converts it, and sets *lossy; invalid UTF-8 is lossy too.
std::string Utf8ToAnsi(std::string_view utf8, bool* lossy = nullptr);
// Whether the text survives the way to ANSI and back unchanged.
bool FitsAnsi(std::string_view utf8);

}  // namespace orb
