// Text operations on the Windows-style paths the model holds: root removal, absolute-path test and the
// inside-the-root test. Paths are bytes in the ANSI code page; nothing here touches the disk.
#pragma once

#include <string>
#include <string_view>

namespace orb {

// The text with every occurrence of what removed (exact, case-sensitive); an empty what removes nothing.
std::string RemoveEvery(std::string_view text, std::string_view what);

// The text with every occurrence of from replaced by to (exact); an empty from changes nothing.
std::string ReplaceEvery(std::string_view text, std::string_view from, std::string_view to);

// A path that needs no root folder in front of it: a drive letter and colon ("C:"), a network path
// ("\\server"), or the Linux form of a full path ("/home/...").
bool IsAbsolutePath(std::string_view path);

// Whether path lies inside the folder root (with or without its closing backslash); letters compare
// without case and "/" matches "\\", as Windows file names do. The root folder itself counts as inside;
// an empty root holds nothing.
bool IsInsideFolder(std::string_view path, std::string_view root);

// Whether two paths name the same file by the rules of IsInsideFolder. Both should be full paths
// (GetFullPathNameA) so that "." and ".." parts do not hide a match.
bool SamePath(std::string_view a, std::string_view b);

// The last part of a path, after its last backslash or slash (a Linux folder in the model's form has
// slashes); the whole text when it has neither.
std::string LeafName(const std::string& path);

// The leaf name with " (n)" before its extension, as the Windows shell names a second copy:
// "rollover1.bmp", 2 -> "rollover1 (2).bmp"; a name without an extension gets it at the end.
std::string NumberedName(const std::string& leaf, int n);

}  // namespace orb
