// Shell helpers over SHBrowseForFolderW and SHFileOperationW, UTF-8 outside; see ShellHelpers.h.
#include "common/win/ShellHelpers.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include "common/win/WideText.h"

namespace orb {

namespace {

// The shell's path lists end with two NULs.
std::wstring DoubleNulList(const std::string& path) {
  std::wstring list = win::Widen(path);
  list.push_back(L'\0');
  list.push_back(L'\0');
  return list;
}

// A shell item's file-system path, or empty.
std::string ItemPath(PCIDLIST_ABSOLUTE item) {
  wchar_t path[MAX_PATH] = {};
  return item && SHGetPathFromIDListW(item, path) ? win::Narrow(path) : std::string();
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
    state->selected = ItemPath(reinterpret_cast<PCIDLIST_ABSOLUTE>(param));
  } else if (msg == BFFM_INITIALIZED) {
    std::wstring folder = win::Widen(state->folder);
    for (int attempt = 0; attempt < 3; ++attempt) {
      SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(folder.c_str()));
      if (!state->selected.empty() && IsSameFile(state->selected, state->folder)) break;
    }
  }
  return 0;
}

// The file's volume and index, or false when it cannot be opened.
bool FileIdentity(const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
  HANDLE file =
      CreateFileW(win::Widen(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = GetFileInformationByHandle(file, &info);
  CloseHandle(file);
  return ok;
}

}  // namespace

std::string FullPathName(const std::string& path) {
  if (path.empty()) return path;
  std::wstring wide = win::Widen(path);
  DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::wstring full(needed, L'\0');
  DWORD n = GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
  if (n == 0 || n >= needed) return path;
  full.resize(n);
  return win::Narrow(full);
}

bool IsSameFile(const std::string& a, const std::string& b) {
  std::string full_a = FullPathName(a), full_b = FullPathName(b);
  std::wstring wide_a = win::Widen(full_a), wide_b = win::Widen(full_b);
  if (CompareStringOrdinal(wide_a.c_str(), -1, wide_b.c_str(), -1, TRUE) == CSTR_EQUAL) return true;
  BY_HANDLE_FILE_INFORMATION info_a, info_b;
  if (!FileIdentity(full_a, info_a) || !FileIdentity(full_b, info_b)) return false;
  return info_a.dwVolumeSerialNumber == info_b.dwVolumeSerialNumber &&
         info_a.nFileIndexHigh == info_b.nFileIndexHigh && info_a.nFileIndexLow == info_b.nFileIndexLow;
}

std::string BrowseRootFolder(HWND owner, const std::string& start_folder) {
  BROWSEINFOW info = {};
  info.hwndOwner = owner;
  info.pidlRoot = nullptr;
  info.pszDisplayName = nullptr;
  info.lpszTitle = L"Select the root folder.";
  info.ulFlags = 0x0041;  // file-system folders only, new dialog style
  // The browser selects a folder by its name without the trailing backslash (a drive root keeps it).
  BrowseStartState start{start_folder, std::string()};
  if (start.folder.size() > 3 && start.folder.back() == '\\') start.folder.pop_back();
  if (!start.folder.empty()) {
    info.lpfn = BrowseStart;
    info.lParam = reinterpret_cast<LPARAM>(&start);
  }
  PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&info);
  if (!item) return std::string();
  std::string path = ItemPath(item);
  CoTaskMemFree(item);
  if (path.size() <= 1) {
    MessageBoxW(owner, L"Please select proper drive or dir.", L"Invalid path", MB_OK | MB_ICONINFORMATION);
    return std::string();
  }
  if (path.size() > 3) path += '\\';
  return path;
}

int CopyWithShell(const std::string& source, const std::string& destination) {
  // The shell fails (or worse) copying a file onto itself; that file already is where it should be.
  std::string target = destination;
  DWORD attributes = GetFileAttributesW(win::Widen(destination).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    size_t cut = source.find_last_of("\\/");
    target = destination + (destination.empty() || destination.back() == '\\' ? "" : "\\") +
             (cut == std::string::npos ? source : source.substr(cut + 1));
  }
  if (IsSameFile(source, target)) return 0;
  std::wstring from = DoubleNulList(source);
  std::wstring to = DoubleNulList(destination);
  SHFILEOPSTRUCTW op = {};
  op.hwnd = nullptr;
  op.wFunc = FO_COPY;
  op.pFrom = from.c_str();
  op.pTo = to.c_str();
  op.fFlags = FOF_NOCONFIRMATION;
  return SHFileOperationW(&op);
}

void DeleteWithShell(const std::string& path) {
  std::wstring from = DoubleNulList(path);
  SHFILEOPSTRUCTW op = {};
  op.hwnd = nullptr;
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.pTo = nullptr;
  op.fFlags = FOF_SILENT | FOF_NOCONFIRMATION;
  SHFileOperationW(&op);
}

}  // namespace orb
