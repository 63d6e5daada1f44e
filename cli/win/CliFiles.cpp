// The verbs' paths and the few file calls that differ on Windows; see CliFiles.h.
#include <windows.h>

#include "cli/CliFiles.h"

namespace orb::cli {

namespace {

std::string FullPathOf(const std::string& path) {
  if (path.empty()) return path;
  char buffer[MAX_PATH * 4];
  DWORD n = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
  return n > 0 && n < sizeof buffer ? std::string(buffer, n) : path;
}

}  // namespace

std::filesystem::path FsPath(const std::string& text) {
  int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(n, L'\0');
  if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return std::filesystem::path(wide);
}

std::string FsText(const std::filesystem::path& path) {
  const std::wstring& wide = path.native();
  int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string text(n, '\0');
  if (n > 0)
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), n, nullptr, nullptr);
  return text;
}

std::string ShownPath(const std::string& text) {
  const std::wstring wide = FsPath(text).native();
  int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string shown(n, '\0');
  if (n > 0)
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), shown.data(), n, nullptr, nullptr);
  return shown;
}

std::string CliFiles::ModelFolder(const std::string& native_folder) {
  std::string folder = FullPathOf(native_folder);
  while (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  return folder + "\\";
}

std::string CliFiles::ModelFile(const std::string& native_file, const std::string&) {
  return FullPathOf(native_file);
}

std::filesystem::path ProgramPath(std::error_code& ec) {
  std::wstring buffer(32768, L'\0');
  DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  if (n == 0 || n >= buffer.size()) {
    ec = std::make_error_code(std::errc::filename_too_long);
    return {};
  }
  buffer.resize(n);
  return buffer;
}

std::string SystemDirectory() {
  char system[MAX_PATH];
  UINT n = GetSystemDirectoryA(system, sizeof system);
  return n > 0 && n < sizeof system ? std::string(system, n) : std::string();
}

bool MakeFolderBeside(const std::string& parent, std::string& path, std::string& error) {
  // The process id and a counter keep two runs apart.
  for (int attempt = 0; attempt < 100; ++attempt) {
    path = parent + "\\.orbsign-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt);
    if (CreateDirectoryA(path.c_str(), nullptr)) return true;
    if (GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  error = LastErrorText();
  return false;
}

bool ReplaceByRename(const std::string& from, const std::string& to, std::string& error) {
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  error = LastErrorText();
  return false;
}

}  // namespace orb::cli
