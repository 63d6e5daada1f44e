// The verbs' paths and the few file calls that differ on Windows; see CliFiles.h.
#include <windows.h>

#include "cli/CliFiles.h"
#include "common/win/WideText.h"

namespace orb::cli {

namespace {

std::string FullPathOf(const std::string& path) {
  if (path.empty()) return path;
  const std::wstring wide = win::Widen(path);
  DWORD n = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (n == 0) return path;
  std::wstring full(n, L'\0');
  n = GetFullPathNameW(wide.c_str(), n, full.data(), nullptr);
  if (n == 0 || n >= full.size()) return path;
  full.resize(n);
  return win::Narrow(full);
}

}  // namespace

// The program's text is UTF-8 and std::filesystem's is UTF-16 on Windows.
std::filesystem::path FsPath(const std::string& text) { return std::filesystem::path(win::Widen(text)); }

std::string FsText(const std::filesystem::path& path) { return win::Narrow(path.native()); }

std::string ShownPath(const std::string& text) { return text; }

std::string CliFiles::ModelFolder(const std::string& native_folder) {
  std::string folder = FullPathOf(native_folder);
  while (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  return folder + "\\";
}

std::string CliFiles::ModelFile(const std::string& native_file, const std::string&) {
  return FullPathOf(native_file);
}

std::filesystem::path ProgramPath(std::error_code& ec) {
  std::wstring path = win::ProgramPath();
  if (path.empty()) ec = std::make_error_code(std::errc::filename_too_long);
  return path;
}

std::string SystemDirectory() {
  wchar_t system[MAX_PATH];
  UINT n = GetSystemDirectoryW(system, MAX_PATH);
  return n > 0 && n < MAX_PATH ? win::Narrow(std::wstring_view(system, n)) : std::string();
}

bool MakeFolderBeside(const std::string& parent, std::string& path, std::string& error) {
  // The process id and a counter keep two runs apart.
  for (int attempt = 0; attempt < 100; ++attempt) {
    path = parent + "\\.orbsign-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt);
    if (CreateDirectoryW(win::Widen(path).c_str(), nullptr)) return true;
    if (GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  error = LastErrorText();
  return false;
}

bool ReplaceByRename(const std::string& from, const std::string& to, std::string& error) {
  if (MoveFileExW(win::Widen(from).c_str(), win::Widen(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  error = LastErrorText();
  return false;
}

}  // namespace orb::cli
