// The shell's folder browser, file copy and file delete, as the editor and its generator use them.
#pragma once

#include <string>

namespace orb {

// The chosen folder ending with a backslash (a drive root such as E:\ unchanged), or empty when the
// user cancelled or chose something without a usable file-system path ("Invalid path" message).
std::string BrowseRootFolder();

// Copies one file, answering yes to every question of the shell (an existing target is replaced);
// returns the shell's result code, 0 exactly on success. The shell shows its own errors.
int CopyWithShell(const std::string& source, const std::string& destination);

// Removes a file for good (not to the recycle bin) without a question or a progress window.
void DeleteWithShell(const std::string& path);

}  // namespace orb
