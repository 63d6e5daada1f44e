// Conversion of the programs' ANSI text (Windows-1252) to UTF-8 for the command line's output, and back
// for what it reads from JSON.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orb::cli {

// Every byte maps to one code point: 0x80..0x9F through the Windows-1252 table (the five unassigned
// bytes to the C1 control of the same value, as Windows does), the rest to the same code point.
std::string Cp1252ToUtf8(std::string_view text);
// The way back, for text read from JSON: nullopt when the text holds a character Windows-1252 lacks
// (or is not UTF-8).
std::optional<std::string> Utf8ToCp1252(std::string_view text);

}  // namespace orb::cli
