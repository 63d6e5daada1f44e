// The file-operations seam on Linux (and any system with std::filesystem): the model's Windows-style
// paths have their backslashes turned into slashes, so that the same core writes the same bytes as on
// Windows. A Linux folder is held in the model as its absolute path with a backslash appended, for
// example "/tmp/cd\" for /tmp/cd, so that "/tmp/cd\imgmusic\back.jpg" becomes \imgmusic\back.jpg on the CD.
#pragma once

#include <string>
#include <string_view>

#include "common/FileSystem.h"

namespace orb {

class PosixFileSystem : public FileSystem {
 public:
  bool Exists(const std::string& path) override;
  bool ReadFile(const std::string& path, std::string& data, std::string& error) override;
  bool WriteFileAtomic(const std::string& path, std::string_view data, std::string& error) override;
  // Copies through a temporary file beside the target, then renames it into place; the kernel's
  // in-place copy where it has one, else a large buffer. Returns 0 on success, an errno value otherwise.
  bool CopyFile(const std::string& from, const std::string& to, std::string& error) override;
  void DeleteFile(const std::string& path) override;
  bool CreateFolder(const std::string& path) override;
  // Follows symbolic links: a link to a file lists as that file.
  bool ListFolder(const std::string& path, std::vector<FolderEntry>& entries, std::string& error) override;
  bool Identity(const std::string& path, std::uint64_t& device, std::uint64_t& inode) override;
  std::unique_ptr<FileReader> OpenReader(const std::string& path, std::string& error) override;
  std::unique_ptr<FileWriter> OpenAtomicWriter(const std::string& path, std::string& error) override;
  // Names are UTF-8 here.
  std::u16string NameToUtf16(const std::string& name) override;

  // The real file name of a model path: every backslash becomes a slash.
  static std::string NativePath(std::string_view model_path);
  // The model's form of a real folder: absolute, without a trailing slash, with a backslash appended.
  static std::string ModelFolder(const std::string& native_folder);
  // The model's form of a real file: inside the folder model_root, that root followed by the path below
  // it with backslashes ("/tmp/cd\imgmusic\a.jpg"); elsewhere its absolute Linux path.
  static std::string ModelFile(const std::string& native_file, const std::string& model_root);
};

}  // namespace orb
