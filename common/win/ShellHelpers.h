// The shell's folder browser, file copy and file delete, as the editor and its generator use them; paths are
// UTF-8.
#pragma once

#include <windows.h>

#include <string>

namespace orb {

// The chosen folder ending with a backslash (a drive root such as E:\ unchanged), or empty when the
// user cancelled or chose something without a usable file-system path ("Invalid path" message).
// The browser is owned by owner (modal over it) and opens at start_folder when that is not empty.
std::string BrowseRootFolder(HWND owner = nullptr, const std::string& start_folder = std::string());

// Copies one file, answering yes to every question of the shell (an existing target is replaced);
// returns the shell's result code, 0 exactly on success. The shell shows its own errors. A source and
// target that are the same file are left alone and count as a success.
int CopyWithShell(const std::string& source, const std::string& destination);

// Removes a file for good (not to the recycle bin) without a question or a progress window.
void DeleteWithShell(const std::string& path);

// GetFullPathNameW: absolute, "." and ".." resolved, "/" turned into "\"; the path unchanged on failure.
std::string FullPathName(const std::string& path);

// Whether two paths name one file: the same full path without regard to case, or, for files that
// exist, the same volume and file index (which also sees through short names).
bool IsSameFile(const std::string& a, const std::string& b);

}  // namespace orb
