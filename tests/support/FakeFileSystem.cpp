// The in-memory FileSystem of the tests; see FakeFileSystem.h.
#include "tests/support/FakeFileSystem.h"

#include <algorithm>
#include <cstring>

#include "common/Utf16.h"

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

bool FakeFileSystem::CopyFile(const std::string& from, const std::string& to, std::string& error) {
  auto it = files.find(from);
  if (it == files.end()) {
    error = "the file cannot be found";
    return false;
  }
  if (failing_copies.count(to)) {
    error = "the copy was cut short";
    return false;
  }
  std::string target = to;
  if (folders.count(to))
    target = to + (to.back() == '\\' ? "" : "\\") + from.substr(from.find_last_of("\\/") + 1);
  files[target] = it->second;
  log.push_back("copy " + from + " -> " + target);
  return true;
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

bool StringReader::Read(char* buffer, std::size_t size, std::size_t& got, std::string& error) {
  (void)error;
  got = std::min({size, chunk_, data_.size() - pos_});
  std::memcpy(buffer, data_.data() + pos_, got);
  pos_ += got;
  return true;
}

bool StringWriter::Write(const char* data, std::size_t size, std::string& error) {
  (void)error;
  data_.append(data, size);
  return true;
}

bool StringWriter::Commit(std::string& error) { return on_commit_(std::move(data_), error); }

bool FakeFileSystem::ListFolder(const std::string& path, std::vector<FolderEntry>& entries,
                                std::string& error) {
  std::string folder = path;
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  if (!folders.count(folder)) {
    error = "No such file or directory";
    return false;
  }
  std::string prefix = folder + "\\";
  entries.clear();
  auto add = [&](const std::string& full, bool is_folder, std::uint64_t size) {
    if (full.size() <= prefix.size() || full.compare(0, prefix.size(), prefix) != 0) return;
    std::string name = full.substr(prefix.size());
    if (name.find('\\') != std::string::npos) return;
    auto date = modified.find(full);
    entries.push_back({name, is_folder, size, date == modified.end() ? 0 : date->second});
  };
  for (const auto& [name, data] : files) add(name, false, data.size());
  for (const auto& name : folders) add(name, true, 0);
  return true;
}

std::unique_ptr<FileReader> OpenMapReader(const std::map<std::string, std::string>& files,
                                          const std::string& path, std::string& error) {
  auto it = files.find(path);
  if (it == files.end()) {
    error = "No such file or directory";
    return nullptr;
  }
  return std::make_unique<StringReader>(it->second);
}

std::unique_ptr<FileWriter> OpenMapWriter(std::map<std::string, std::string>& files,
                                          const std::string& path) {
  return std::make_unique<StringWriter>([&files, path](std::string&& data, std::string&) {
    files[path] = std::move(data);
    return true;
  });
}

std::unique_ptr<FileReader> FakeFileSystem::OpenReader(const std::string& path, std::string& error) {
  return OpenMapReader(files, path, error);
}

std::unique_ptr<FileWriter> FakeFileSystem::OpenAtomicWriter(const std::string& path, std::string& error) {
  (void)error;
  return std::make_unique<StringWriter>([this, path](std::string&& data, std::string& commit_error) {
    if (failing_writes.count(path)) {
      commit_error = "No space left on device";
      return false;
    }
    files[path] = std::move(data);
    log.push_back("write " + path);
    return true;
  });
}

std::u16string FakeFileSystem::NameToUtf16(const std::string& name) { return Utf8ToUtf16(name); }

}  // namespace orb
