// Shell helpers over SHBrowseForFolderA and SHFileOperationA; see ShellHelpers.h.
#include "common/win/ShellHelpers.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

namespace orb {

namespace {

// The shell's path lists end with two NULs.
std::string DoubleNulList(const std::string& path) {
  std::string list = path;
  list.push_back('\0');
  list.push_back('\0');
  return list;
}

}  // namespace

std::string BrowseRootFolder() {
  BROWSEINFOA info = {};
  info.hwndOwner = nullptr;
  info.pidlRoot = nullptr;
  info.pszDisplayName = nullptr;
  info.lpszTitle = "Select the root folder.";
  info.ulFlags = 0x0041;  // file-system folders only, new dialog style
  PIDLIST_ABSOLUTE item = SHBrowseForFolderA(&info);
  if (!item) return std::string();
  char buffer[260] = {};
  SHGetPathFromIDListA(item, buffer);
  CoTaskMemFree(item);
  size_t length = 0;
  while (length < sizeof buffer && buffer[length] != '\0') ++length;
  if (length <= 1) {
    MessageBoxA(nullptr, "Please select proper drive or dir.", "Invalid path", MB_OK | MB_ICONINFORMATION);
    return std::string();
  }
  std::string path(buffer, length);
  if (path.size() > 3) path += '\\';
  return path;
}

int CopyWithShell(const std::string& source, const std::string& destination) {
  std::string from = DoubleNulList(source);
  std::string to = DoubleNulList(destination);
  SHFILEOPSTRUCTA op = {};
  op.hwnd = nullptr;
  op.wFunc = FO_COPY;
  op.pFrom = from.c_str();
  op.pTo = to.c_str();
  op.fFlags = FOF_NOCONFIRMATION;
  return SHFileOperationA(&op);
}

void DeleteWithShell(const std::string& path) {
  std::string from = DoubleNulList(path);
  SHFILEOPSTRUCTA op = {};
  op.hwnd = nullptr;
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.pTo = nullptr;
  op.fFlags = FOF_SILENT | FOF_NOCONFIRMATION;
  SHFileOperationA(&op);
}

}  // namespace orb
