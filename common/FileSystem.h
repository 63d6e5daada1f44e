// The file-operations seam: everything the core does to files goes through it, so that the same core
// runs on Windows (shell copy and delete, ANSI paths) and on Linux (backslashes mapped to real paths).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orb {

// One entry of a folder listing.
struct FolderEntry {
  std::string name;  // the leaf name, in the platform's own encoding
  bool folder = false;
  std::uint64_t size = 0;     // bytes; 0 for a folder
  std::int64_t modified = 0;  // last write, seconds since 1970-01-01 UTC
  // Neither a file nor a folder (a pipe, socket or device): it has no bytes to copy.
  bool special = false;
  // A link that leads round in a loop (the system gave up following it).
  bool loop = false;
  // The file's identity on its device, to find a folder that is its own ancestor; 0 and 0 where unknown.
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
};

// A file opened for reading in pieces, closed when destroyed.
class FileReader {
 public:
  virtual ~FileReader() = default;
  // Reads up to size bytes into buffer; got is 0 at the end. On failure false with a message in error.
  virtual bool Read(char* buffer, std::size_t size, std::size_t& got, std::string& error) = 0;
};

// A file written in pieces to a temporary file beside its target. Commit renames it into place; when
// the writer is destroyed without a successful Commit, the temporary file is removed and the target
// stays as it was.
class FileWriter {
 public:
  virtual ~FileWriter() = default;
  virtual bool Write(const char* data, std::size_t size, std::string& error) = 0;
  virtual bool Commit(std::string& error) = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // True when a file or a folder of that name exists.
  virtual bool Exists(const std::string& path) = 0;
  // Reads the whole file; on failure false with a message in error.
  virtual bool ReadFile(const std::string& path, std::string& data, std::string& error) = 0;
  // Writes a temporary file beside path, flushes it, then replaces path: a failure leaves the old file
  // untouched. On failure false with a message in error.
  virtual bool WriteFileAtomic(const std::string& path, std::string_view data, std::string& error) = 0;
  // Copies one file, replacing an existing target without asking (into it when `to` is a folder). On
  // failure false with a message in error; the caller names the files.
  virtual bool CopyFile(const std::string& from, const std::string& to, std::string& error) = 0;
  // Removes a file for good, without asking; failures are not reported.
  virtual void DeleteFile(const std::string& path) = 0;
  // Creates a folder (its parent must exist); true when it exists afterwards.
  virtual bool CreateFolder(const std::string& path) = 0;
  // The path made absolute with "." and ".." resolved (GetFullPathNameA on Windows), so that two
  // spellings of one file can be compared; the path unchanged where the system has nothing to add.
  virtual std::string FullPath(const std::string& path) { return path; }
  // The entries of a folder (without "." and ".."), in no particular order; on failure false with a
  // message in error.
  virtual bool ListFolder(const std::string& path, std::vector<FolderEntry>& entries, std::string& error) = 0;
  // The device and inode of a file or folder (see FolderEntry); false where the system has none.
  virtual bool Identity(const std::string& path, std::uint64_t& device, std::uint64_t& inode) {
    (void)path, (void)device, (void)inode;
    return false;
  }
  // Opens a file for streamed reading; null with a message in error on failure.
  virtual std::unique_ptr<FileReader> OpenReader(const std::string& path, std::string& error) = 0;
  // Starts a streamed atomic write of path (see FileWriter); null with a message in error on failure.
  virtual std::unique_ptr<FileWriter> OpenAtomicWriter(const std::string& path, std::string& error) = 0;
  // A name as the platform spells it (UTF-8 on Linux, the ANSI code page on Windows) in UTF-16, so
  // that it shows elsewhere as it shows in the folder.
  virtual std::u16string NameToUtf16(const std::string& name) = 0;
};

}  // namespace orb
