// The Windows form of the verbs' model paths; see CliFiles.h.
#ifdef _WIN32
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

std::string CliFiles::ModelFolder(const std::string& native_folder) {
  std::string folder = FullPathOf(native_folder);
  while (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  return folder + "\\";
}

std::string CliFiles::ModelFile(const std::string& native_file, const std::string&) {
  return FullPathOf(native_file);
}

}  // namespace orb::cli
#endif
