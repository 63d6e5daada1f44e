// The in-memory FileSystem of the tests; see FakeFileSystem.h.
#include "tests/support/FakeFileSystem.h"

namespace orb {

bool FakeFileSystem::Exists(const std::string& path) { return files.count(path) || folders.count(path); }

bool FakeFileSystem::ReadFile(const std::string& path, std::string& data, std::string& error) {
  auto it = files.find(path);
  if (it == files.end()) {
    error = "No such file or directory";
    return false;
  }
  data = it->second;
  return true;
}

bool FakeFileSystem::WriteFileAtomic(const std::string& path, std::string_view data, std::string& error) {
  if (failing_writes.count(path)) {
    error = "No space left on device";
    return false;
  }
  files[path] = std::string(data);
  log.push_back("write " + path);
  return true;
}

int FakeFileSystem::CopyFile(const std::string& from, const std::string& to) {
  auto it = files.find(from);
  if (it == files.end()) return 0x402;  // what the shell answers for a missing source
  if (failing_copies.count(to)) return 0x75;  // the shell's answer when the copy was cut short
  std::string target = to;
  if (folders.count(to))
    target = to + (to.back() == '\\' ? "" : "\\") + from.substr(from.find_last_of("\\/") + 1);
  files[target] = it->second;
  log.push_back("copy " + from + " -> " + target);
  return 0;
}

void FakeFileSystem::DeleteFile(const std::string& path) {
  files.erase(path);
  log.push_back("delete " + path);
}

bool FakeFileSystem::CreateFolder(const std::string& path) {
  folders.insert(path);
  log.push_back("mkdir " + path);
  return true;
}

}  // namespace orb
