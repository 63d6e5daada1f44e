// The program's own text and UTF-8. Text in the model, the windows and the ANSI files is in the
// platform's narrow encoding: the ANSI code page on Windows, UTF-8 on Linux. Newer files (the pages
// text) are UTF-8 whatever the platform, so their writers and readers convert at the file's edge.
#pragma once

#include <string>
#include <string_view>

namespace orb {

// Native text to UTF-8. On Windows each byte sequence of the ANSI code page becomes its character.
std::string NativeToUtf8(std::string_view text);
// UTF-8 to native text. A character the ANSI code page lacks becomes the code page's default character,
// as Windows converts it; invalid UTF-8 becomes the replacement character first.
std::string Utf8ToNative(std::string_view text);

}  // namespace orb
