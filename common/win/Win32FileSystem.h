// The file-operations seam on Windows: UTF-8 paths spoken to the wide functions, so that any name a volume
// holds can be reached; shell copy and delete, atomic replacement.
#pragma once

#include "common/FileSystem.h"

namespace orb {

// The system's words for GetLastError(), without its line break; "system error N" where it has none.
std::string LastErrorText();

class Win32FileSystem : public FileSystem {
 public:
  bool Exists(const std::string& path) override;
  bool ReadFile(const std::string& path, std::string& data, std::string& error) override;
  bool WriteFileAtomic(const std::string& path, std::string_view data, std::string& error) override;
  bool CopyFile(const std::string& from, const std::string& to, std::string& error) override;
  void DeleteFile(const std::string& path) override;
  bool CreateFolder(const std::string& path) override;
  std::string FullPath(const std::string& path) override;
  bool ListFolder(const std::string& path, std::vector<FolderEntry>& entries, std::string& error) override;
  std::unique_ptr<FileReader> OpenReader(const std::string& path, std::string& error) override;
  std::unique_ptr<FileWriter> OpenAtomicWriter(const std::string& path, std::string& error) override;
  // Names are UTF-8.
  std::u16string NameToUtf16(const std::string& name) override;
};

}  // namespace orb
