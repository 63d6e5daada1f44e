// The Windows file-operations seam; see Win32FileSystem.h.
#include "common/win/Win32FileSystem.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "common/MessagePath.h"
#include "common/win/ShellHelpers.h"
#include "common/win/WideText.h"

// windows.h maps these names to its A/W functions; here they name the seam's methods.
#undef CopyFile
#undef DeleteFile

namespace orb {

std::string LastErrorText() {
  DWORD code = GetLastError();
  wchar_t text[512] = {};
  DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                           512, nullptr);
  std::string message = win::Narrow(std::wstring_view(text, n));
  while (!message.empty() && (message.back() == '\r' || message.back() == '\n' || message.back() == ' '))
    message.pop_back();
  if (message.empty()) message = "system error " + std::to_string(code);
  return message;
}

namespace {

// FILETIME counts 100 ns steps from 1601; the seam counts seconds from 1970.
std::int64_t UnixSeconds(const FILETIME& time) {
  std::uint64_t ticks = (std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
  return static_cast<std::int64_t>(ticks / 10000000) - 11644473600LL;
}

class Win32Reader : public FileReader {
 public:
  Win32Reader(HANDLE file, std::string path) : file_(file), path_(std::move(path)) {}
  ~Win32Reader() override { CloseHandle(file_); }
  bool Read(char* buffer, std::size_t size, std::size_t& got, std::string& error) override {
    DWORD n = 0;
    if (!::ReadFile(file_, buffer, static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30)), &n, nullptr)) {
      error = path_ + ": " + LastErrorText();
      return false;
    }
    got = n;
    return true;
  }

 private:
  HANDLE file_;
  std::string path_;
};

class Win32Writer : public FileWriter {
 public:
  Win32Writer(HANDLE file, std::string temp, std::string target)
      : file_(file), temp_(std::move(temp)), target_(std::move(target)) {}
  ~Win32Writer() override {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    if (!committed_) DeleteFileW(win::Widen(temp_).c_str());
  }
  bool Write(const char* data, std::size_t size, std::string& error) override {
    while (size > 0) {
      DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 20));
      DWORD wrote = 0;
      if (!::WriteFile(file_, data, chunk, &wrote, nullptr) || wrote != chunk) {
        error = target_ + ": " + LastErrorText();
        return false;
      }
      data += chunk;
      size -= chunk;
    }
    return true;
  }
  bool Commit(std::string& error) override {
    bool ok = FlushFileBuffers(file_);
    if (!ok) error = target_ + ": " + LastErrorText();
    CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
    if (ok && !MoveFileExW(win::Widen(temp_).c_str(), win::Widen(target_).c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      error = target_ + ": " + LastErrorText();
      ok = false;
    }
    committed_ = ok;
    return ok;
  }

 private:
  HANDLE file_;
  std::string temp_;
  std::string target_;
  bool committed_ = false;
};

// The temporary file of a write of target: beside it, so that the final move stays on one volume.
std::string TempName(const std::string& target) {
  return target + ".tmp" + std::to_string(GetCurrentProcessId());
}

// Removes the temporaries of target that a killed or crashed writer left ("TARGET.tmpPID"). A running
// writer holds its own open without sharing, so that one cannot be deleted and stays.
void RemoveStaleTemporaries(const std::string& target) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(win::Widen(target + ".tmp*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  size_t slash = target.find_last_of("\\/");
  std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  // Compared in UTF-16, where the system's case folding reaches every letter, as the search's did.
  std::wstring leaf = win::Widen(target.substr(folder.size()) + ".tmp");
  do {
    std::wstring name = found.cFileName;
    if (name.size() <= leaf.size() || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
    if (CompareStringOrdinal(name.c_str(), static_cast<int>(leaf.size()), leaf.c_str(),
                             static_cast<int>(leaf.size()), TRUE) != CSTR_EQUAL)
      continue;
    if (!std::all_of(name.begin() + static_cast<std::ptrdiff_t>(leaf.size()), name.end(),
                     [](wchar_t c) { return c >= L'0' && c <= L'9'; }))
      continue;
    DeleteFileW((win::Widen(folder) + name).c_str());
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

}  // namespace

bool Win32FileSystem::ListFolder(const std::string& path, std::vector<FolderEntry>& entries,
                                 std::string& error) {
  std::string pattern = path;
  if (pattern.empty() || (pattern.back() != '\\' && pattern.back() != '/')) pattern += '\\';
  pattern += '*';
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(win::Widen(pattern).c_str(), &found);
  entries.clear();
  if (search == INVALID_HANDLE_VALUE) {
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return true;
    error = path + ": " + LastErrorText();
    return false;
  }
  do {
    std::string name = win::Narrow(found.cFileName);
    if (name == "." || name == "..") continue;
    FolderEntry entry;
    entry.name = std::move(name);
    entry.folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entry.size = entry.folder ? 0 : (std::uint64_t{found.nFileSizeHigh} << 32) | found.nFileSizeLow;
    entry.modified = UnixSeconds(found.ftLastWriteTime);
    entries.push_back(std::move(entry));
  } while (FindNextFileW(search, &found));
  bool ok = GetLastError() == ERROR_NO_MORE_FILES;
  if (!ok) error = path + ": " + LastErrorText();
  FindClose(search);
  return ok;
}

std::unique_ptr<FileReader> Win32FileSystem::OpenReader(const std::string& path, std::string& error) {
  HANDLE file = CreateFileW(win::Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = path + ": " + LastErrorText();
    return nullptr;
  }
  return std::make_unique<Win32Reader>(file, path);
}

std::unique_ptr<FileWriter> Win32FileSystem::OpenAtomicWriter(const std::string& path, std::string& error) {
  RemoveStaleTemporaries(path);
  std::string temp = TempName(path);
  HANDLE file = CreateFileW(win::Widen(temp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = path + ": " + LastErrorText();
    return nullptr;
  }
  return std::make_unique<Win32Writer>(file, temp, path);
}

std::u16string Win32FileSystem::NameToUtf16(const std::string& name) {
  std::wstring wide = win::Widen(name);
  return std::u16string(wide.begin(), wide.end());
}

bool Win32FileSystem::Exists(const std::string& path) {
  return GetFileAttributesW(win::Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32FileSystem::ReadFile(const std::string& path, std::string& data, std::string& error) {
  HANDLE file = CreateFileW(win::Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = MessagePath(path) + ": " + LastErrorText();
    return false;
  }
  data.clear();
  char buffer[65536];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ::ReadFile(file, buffer, sizeof buffer, &got, nullptr)) && got > 0) data.append(buffer, got);
  if (!ok) error = MessagePath(path) + ": " + LastErrorText();
  CloseHandle(file);
  return ok;
}

bool Win32FileSystem::WriteFileAtomic(const std::string& path, std::string_view data, std::string& error) {
  RemoveStaleTemporaries(path);
  std::string temp = TempName(path);
  HANDLE file = CreateFileW(win::Widen(temp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = MessagePath(path) + ": " + LastErrorText();
    return false;
  }
  size_t done = 0;
  bool ok = true;
  while (ok && done < data.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(data.size() - done, 1u << 20));
    DWORD wrote = 0;
    ok = ::WriteFile(file, data.data() + done, chunk, &wrote, nullptr) && wrote == chunk;
    done += wrote;
  }
  if (ok) ok = FlushFileBuffers(file);
  if (!ok) error = MessagePath(path) + ": " + LastErrorText();
  CloseHandle(file);
  if (ok && !MoveFileExW(win::Widen(temp).c_str(), win::Widen(path).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = MessagePath(path) + ": " + LastErrorText();
    ok = false;
  }
  if (!ok) DeleteFileW(win::Widen(temp).c_str());
  return ok;
}

bool Win32FileSystem::CopyFile(const std::string& from, const std::string& to, std::string& error) {
  int rc = CopyWithShell(from, to);
  if (rc == 0) return true;
  // The shell's codes are its own, not the system's error numbers: say what can be told apart.
  char code[16];
  wsprintfA(code, "0x%X", static_cast<unsigned>(rc));
  if (GetFileAttributesW(win::Widen(from).c_str()) == INVALID_FILE_ATTRIBUTES)
    error = "the file cannot be found";
  else
    error = std::string("the shell's copy failed (code ") + code + ")";
  return false;
}

void Win32FileSystem::DeleteFile(const std::string& path) { DeleteWithShell(path); }

bool Win32FileSystem::CreateFolder(const std::string& path) {
  if (CreateDirectoryW(win::Widen(path).c_str(), nullptr)) return true;
  DWORD attributes = GetFileAttributesW(win::Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Win32FileSystem::FullPath(const std::string& path) { return FullPathName(path); }

}  // namespace orb
