// Paths as messages name them: a path from a hostile file may be megabytes long or hold control bytes,
// and a message box then shows noise instead of the problem.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orb {

// The most characters of a path a message shows.
inline constexpr size_t kMessagePathLimit = 260;

// The path as a message shows it: unchanged when it is at most kMessagePathLimit characters, otherwise
// its start, "..." and its file name (the file name's end when that alone is too long), together
// kMessagePathLimit characters, cut between UTF-8 characters. Control bytes show as '?'.
std::string MessagePath(std::string_view path);

// At most the first n characters of UTF-8 text, never cut inside one (for excerpts of lines in messages).
std::string_view FirstCharacters(std::string_view text, size_t n);

}  // namespace orb
