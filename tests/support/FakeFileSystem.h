// An in-memory FileSystem for tests: files by their model path, a log of every change, and writes or
// copies that can be made to fail.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/FileSystem.h"

namespace orb {

class FakeFileSystem : public FileSystem {
 public:
  std::map<std::string, std::string> files;
  std::set<std::string> folders;
  std::set<std::string> failing_writes;  // WriteFileAtomic to these paths fails and changes nothing
  std::set<std::string> failing_copies;  // CopyFile to these paths fails and changes nothing
  std::vector<std::string> log;          // "write P", "copy A -> B", "delete P", "mkdir P"

  bool Exists(const std::string& path) override;
  bool ReadFile(const std::string& path, std::string& data, std::string& error) override;
  bool WriteFileAtomic(const std::string& path, std::string_view data, std::string& error) override;
  int CopyFile(const std::string& from, const std::string& to) override;
  void DeleteFile(const std::string& path) override;
  bool CreateFolder(const std::string& path) override;
};

}  // namespace orb
