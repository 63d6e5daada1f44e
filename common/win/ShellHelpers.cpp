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

// The folder the browser should open at, and the one it has selected so far.
struct BrowseStartState {
  std::string folder;
  std::string selected;
};

// Opens the browser at the state's folder. A shell may match the path against its tree by item data
// that its own first walk changes (Wine compares folder access times, which reading a folder updates),
// so the first attempt can stop short; a repeat finds those settled.
int CALLBACK BrowseStart(HWND browser, UINT msg, LPARAM param, LPARAM data) {
  auto* state = reinterpret_cast<BrowseStartState*>(data);
  if (msg == BFFM_SELCHANGED) {
    char path[MAX_PATH] = {};
    state->selected =
        param && SHGetPathFromIDListA(reinterpret_cast<PCIDLIST_ABSOLUTE>(param), path) ? path : "";
  } else if (msg == BFFM_INITIALIZED) {
    for (int attempt = 0; attempt < 3; ++attempt) {
      SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(state->folder.c_str()));
      if (!state->selected.empty() && IsSameFile(state->selected, state->folder)) break;
    }
  }
  return 0;
}

// The file's volume and index, or false when it cannot be opened.
bool FileIdentity(const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
  HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = GetFileInformationByHandle(file, &info);
  CloseHandle(file);
  return ok;
}

}  // namespace

std::string FullPathName(const std::string& path) {
  if (path.empty()) return path;
  DWORD needed = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::string full(needed, '\0');
  DWORD n = GetFullPathNameA(path.c_str(), needed, full.data(), nullptr);
  if (n == 0 || n >= needed) return path;
  full.resize(n);
  return full;
}

bool IsSameFile(const std::string& a, const std::string& b) {
  std::string full_a = FullPathName(a), full_b = FullPathName(b);
  if (CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, full_a.c_str(), -1, full_b.c_str(), -1) ==
      CSTR_EQUAL)
    return true;
  BY_HANDLE_FILE_INFORMATION info_a, info_b;
  if (!FileIdentity(full_a, info_a) || !FileIdentity(full_b, info_b)) return false;
  return info_a.dwVolumeSerialNumber == info_b.dwVolumeSerialNumber &&
         info_a.nFileIndexHigh == info_b.nFileIndexHigh && info_a.nFileIndexLow == info_b.nFileIndexLow;
}

std::string BrowseRootFolder(HWND owner, const std::string& start_folder) {
  BROWSEINFOA info = {};
  info.hwndOwner = owner;
  info.pidlRoot = nullptr;
  info.pszDisplayName = nullptr;
  info.lpszTitle = "Select the root folder.";
  info.ulFlags = 0x0041;  // file-system folders only, new dialog style
  // The browser selects a folder by its name without the trailing backslash (a drive root keeps it).
  BrowseStartState start{start_folder, std::string()};
  if (start.folder.size() > 3 && start.folder.back() == '\\') start.folder.pop_back();
  if (!start.folder.empty()) {
    info.lpfn = BrowseStart;
    info.lParam = reinterpret_cast<LPARAM>(&start);
  }
  PIDLIST_ABSOLUTE item = SHBrowseForFolderA(&info);
  if (!item) return std::string();
  char buffer[260] = {};
  SHGetPathFromIDListA(item, buffer);
  CoTaskMemFree(item);
  size_t length = 0;
  while (length < sizeof buffer && buffer[length] != '\0') ++length;
  if (length <= 1) {
    MessageBoxA(owner, "Please select proper drive or dir.", "Invalid path", MB_OK | MB_ICONINFORMATION);
    return std::string();
  }
  std::string path(buffer, length);
  if (path.size() > 3) path += '\\';
  return path;
}

int CopyWithShell(const std::string& source, const std::string& destination) {
  // The shell fails (or worse) copying a file onto itself; that file already is where it should be.
  std::string target = destination;
  DWORD attributes = GetFileAttributesA(destination.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    size_t cut = source.find_last_of("\\/");
    target = destination + (destination.empty() || destination.back() == '\\' ? "" : "\\") +
             (cut == std::string::npos ? source : source.substr(cut + 1));
  }
  if (IsSameFile(source, target)) return 0;
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
