// The Windows file-operations seam; see Win32FileSystem.h.
#include "common/win/Win32FileSystem.h"

#include <windows.h>

#include "common/MessagePath.h"
#include "common/win/ShellHelpers.h"

// windows.h maps these names to its A/W functions; here they name the seam's methods.
#undef CopyFile
#undef DeleteFile

namespace orb {

namespace {

std::string LastErrorText() {
  DWORD code = GetLastError();
  char text[512] = {};
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                           sizeof text, nullptr);
  std::string message(text, n);
  while (!message.empty() && (message.back() == '\r' || message.back() == '\n' || message.back() == ' '))
    message.pop_back();
  if (message.empty()) message = "system error " + std::to_string(code);
  return message;
}

}  // namespace

bool Win32FileSystem::Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32FileSystem::ReadFile(const std::string& path, std::string& data, std::string& error) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
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
  // The temporary file lies beside the target so that the final move stays on one volume.
  std::string temp = path + ".tmp" + std::to_string(GetCurrentProcessId());
  HANDLE file = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
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
  if (ok && !MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = MessagePath(path) + ": " + LastErrorText();
    ok = false;
  }
  if (!ok) DeleteFileA(temp.c_str());
  return ok;
}

int Win32FileSystem::CopyFile(const std::string& from, const std::string& to) { return CopyWithShell(from, to); }

void Win32FileSystem::DeleteFile(const std::string& path) { DeleteWithShell(path); }

bool Win32FileSystem::CreateFolder(const std::string& path) {
  if (CreateDirectoryA(path.c_str(), nullptr)) return true;
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace orb
