// An in-memory FileSystem for tests: files by their model path, a log of every change, and writes or
// copies that can be made to fail.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/FileSystem.h"
#include "common/Utf16.h"

namespace orb {

// Reads a string in pieces of at most chunk bytes.
class StringReader : public FileReader {
 public:
  explicit StringReader(std::string data, std::size_t chunk = SIZE_MAX)
      : data_(std::move(data)), chunk_(chunk) {}
  bool Read(char* buffer, std::size_t size, std::size_t& got, std::string& error) override;

 private:
  std::string data_;
  std::size_t pos_ = 0;
  std::size_t chunk_;
};

// Collects what is written; Commit hands it to on_commit (which may refuse with an error).
class StringWriter : public FileWriter {
 public:
  using CommitFunction = std::function<bool(std::string&& data, std::string& error)>;
  explicit StringWriter(CommitFunction on_commit) : on_commit_(std::move(on_commit)) {}
  bool Write(const char* data, std::size_t size, std::string& error) override;
  bool Commit(std::string& error) override;

 private:
  std::string data_;
  CommitFunction on_commit_;
};

// The streamed half of the seam over a map of files by path, for the fakes that keep one: a reader of
// the file's bytes, and a writer that stores them on commit.
std::unique_ptr<FileReader> OpenMapReader(const std::map<std::string, std::string>& files,
                                          const std::string& path, std::string& error);
std::unique_ptr<FileWriter> OpenMapWriter(std::map<std::string, std::string>& files, const std::string& path);

// The listing and streamed half of the seam for fakes that keep their files in a map member named
// files and list nothing.
template <typename Fake>
class MapStreamsFileSystem : public FileSystem {
 public:
  bool ListFolder(const std::string&, std::vector<FolderEntry>&, std::string& error) override {
    error = "not listed";
    return false;
  }
  std::unique_ptr<FileReader> OpenReader(const std::string& path, std::string& error) override {
    return OpenMapReader(static_cast<Fake*>(this)->files, path, error);
  }
  std::unique_ptr<FileWriter> OpenAtomicWriter(const std::string& path, std::string&) override {
    return OpenMapWriter(static_cast<Fake*>(this)->files, path);
  }
  std::u16string NameToUtf16(const std::string& name) override { return Utf8ToUtf16(name); }
};

class FakeFileSystem : public FileSystem {
 public:
  std::map<std::string, std::string> files;
  std::set<std::string> folders;
  std::map<std::string, std::int64_t> modified;  // listing dates by path; 0 when not given
  std::set<std::string>
      failing_writes;  // WriteFileAtomic and streamed writes to these paths fail, changing nothing
  std::set<std::string> failing_copies;  // CopyFile to these paths fails and changes nothing
  std::vector<std::string> log;          // "write P", "copy A -> B", "delete P", "mkdir P"

  bool Exists(const std::string& path) override;
  bool ReadFile(const std::string& path, std::string& data, std::string& error) override;
  bool WriteFileAtomic(const std::string& path, std::string_view data, std::string& error) override;
  bool CopyFile(const std::string& from, const std::string& to, std::string& error) override;
  void DeleteFile(const std::string& path) override;
  bool CreateFolder(const std::string& path) override;
  // Folders are named without a trailing backslash in folders; a file or folder lies in FOLDER when its
  // path is FOLDER, a backslash (unless FOLDER ends in one) and a name without one.
  bool ListFolder(const std::string& path, std::vector<FolderEntry>& entries, std::string& error) override;
  std::unique_ptr<FileReader> OpenReader(const std::string& path, std::string& error) override;
  std::unique_ptr<FileWriter> OpenAtomicWriter(const std::string& path, std::string& error) override;
  std::u16string NameToUtf16(const std::string& name) override;
};

}  // namespace orb
