// The file seam the verbs run on: the Linux one, or the Windows one, whose model paths are the user's own
// Windows paths, so that messages name files as Windows users write them (with backslashes).
#pragma once

#include <filesystem>
#include <string>

#ifdef _WIN32
#include "common/win/Win32FileSystem.h"
#else
#include "common/PosixFileSystem.h"
#endif

namespace orb::cli {

#ifdef _WIN32
class CliFiles : public Win32FileSystem {
 public:
  // A model path is already a Windows path.
  static std::string NativePath(const std::string& model_path) { return model_path; }
  // Absolute, with one backslash at the end ("C:\cd\"), as the editor holds a root.
  static std::string ModelFolder(const std::string& native_folder);
  // Absolute; the root is not needed, a Windows path below it is already the model's form.
  static std::string ModelFile(const std::string& native_file, const std::string& model_root);
};
#else
using CliFiles = PosixFileSystem;
#endif

// FsPath and FsText: the program's text (UTF-8) as a std::filesystem path, and back; on Windows the path
// is UTF-16, which std::filesystem would otherwise read as the ANSI code page. ShownPath: text that holds
// paths as the terminal shows it, UTF-8 on both systems.
#ifdef _WIN32
std::filesystem::path FsPath(const std::string& text);
std::string FsText(const std::filesystem::path& path);
std::string ShownPath(const std::string& text);

// The calls the verbs make of Windows itself.
// This program's file.
std::filesystem::path ProgramPath(std::error_code& ec);
// Where the editor looks for the runtime library.
std::string SystemDirectory();
// A new, empty folder ".orbsign-..." in parent (path set), for the copy being signed.
bool MakeFolderBeside(const std::string& parent, std::string& path, std::string& error);
// Moves from over to, replacing it, flushed to disk before it returns.
bool ReplaceByRename(const std::string& from, const std::string& to, std::string& error);
#else
inline std::filesystem::path FsPath(const std::string& text) { return text; }
inline std::string FsText(const std::filesystem::path& path) { return path.string(); }
inline std::string ShownPath(const std::string& text) { return text; }
#endif

}  // namespace orb::cli
