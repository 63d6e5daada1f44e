// The file-operations seam: everything the core does to files goes through it, so that the same core
// runs on Windows (shell copy and delete, ANSI paths) and on Linux (backslashes mapped to real paths).
#pragma once

#include <string>
#include <string_view>

namespace orb {

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
  // Copies one file, replacing an existing target without asking; 0 exactly on success.
  virtual int CopyFile(const std::string& from, const std::string& to) = 0;
  // Removes a file for good, without asking; failures are not reported.
  virtual void DeleteFile(const std::string& path) = 0;
  // Creates a folder (its parent must exist); true when it exists afterwards.
  virtual bool CreateFolder(const std::string& path) = 0;
  // The path made absolute with "." and ".." resolved (GetFullPathNameA on Windows), so that two
  // spellings of one file can be compared; the path unchanged where the system has nothing to add.
  virtual std::string FullPath(const std::string& path) { return path; }
};

}  // namespace orb
