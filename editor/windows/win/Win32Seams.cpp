// Win32 seams of the editor's windows; see Win32Seams.h.
#include "editor/windows/win/Win32Seams.h"

#include <commdlg.h>
#include <shellapi.h>

#include "common/TextLines.h"
#include "common/win/ShellHelpers.h"
#include "common/win/WideText.h"

namespace orb {

namespace {

// "desc\0pattern\0...\0\0", the first pair selected.
std::wstring FilterList(const FileDialogRequest& request) {
  std::wstring list;
  auto add = [&list](const std::string& description, const std::string& pattern) {
    list += win::Widen(description);
    list.push_back(L'\0');
    list += win::Widen(pattern);
    list.push_back(L'\0');
  };
  if (!request.filter_description.empty() || !request.filter_pattern.empty())
    add(request.filter_description, request.filter_pattern);
  for (const auto& pair : request.more_filters) add(pair.first, pair.second);
  list.push_back(L'\0');
  return list;
}

// While a modal window (the spot editor, say) has disabled the owner, boxes and dialogs belong to that
// window: owned by the disabled one they would enable it again when they close.
HWND CurrentOwner(HWND owner) {
  if (owner && !IsWindowEnabled(owner)) {
    if (HWND active = GetActiveWindow()) return active;
  }
  return owner;
}

// The dialog's result: cut before its first NUL and trimmed of blanks.
std::string DialogResult(const wchar_t* buffer) { return TrimBlanks(win::Narrow(buffer)); }

std::string RunDialog(HWND owner, const FileDialogRequest& request, bool save) {
  std::wstring filters = FilterList(request);
  std::wstring initial_folder = win::Widen(request.initial_folder), title = win::Widen(request.title),
               extension = win::Widen(request.default_extension);
  wchar_t file[260] = {};
  if (save) win::Widen(request.initial_name).copy(file, 260 - 2);
  OPENFILENAMEW ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = CurrentOwner(owner);
  ofn.lpstrFilter = filters.size() > 1 ? filters.c_str() : nullptr;
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file;
  ofn.nMaxFile = 260 - 1;  // at most 259 characters are used
  ofn.lpstrInitialDir = initial_folder.empty() ? nullptr : initial_folder.c_str();
  ofn.lpstrTitle = title.c_str();
  ofn.lpstrDefExt = save && !extension.empty() ? extension.c_str() : nullptr;
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
  if (!save && request.must_exist) ofn.Flags |= OFN_FILEMUSTEXIST;
  if (save && request.overwrite_prompt) ofn.Flags |= OFN_OVERWRITEPROMPT;
  BOOL ok = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  return ok ? DialogResult(file) : std::string();
}

}  // namespace

MsgResult Win32MessageBox::Show(const std::string& text, const std::string& title, MsgIcon icon,
                                MsgButtons buttons) {
  UINT style = 0;
  switch (icon) {
    case MsgIcon::None: break;
    case MsgIcon::Information: style |= MB_ICONINFORMATION; break;
    case MsgIcon::Critical: style |= MB_ICONERROR; break;
    case MsgIcon::Question: style |= MB_ICONQUESTION; break;
    case MsgIcon::Exclamation: style |= MB_ICONEXCLAMATION; break;
  }
  switch (buttons) {
    case MsgButtons::Ok: style |= MB_OK; break;
    case MsgButtons::YesNo: style |= MB_YESNO; break;
    case MsgButtons::YesNoCancel: style |= MB_YESNOCANCEL; break;
  }
  int answer = MessageBoxW(CurrentOwner(owner), win::Widen(text).c_str(),
                           win::Widen(title.empty() ? std::string("Orbmenu") : title).c_str(), style);
  switch (answer) {
    case IDYES: return MsgResult::Yes;
    case IDNO: return MsgResult::No;
    case IDCANCEL: return MsgResult::Cancel;
    default: return MsgResult::Ok;
  }
}

std::string Win32FileDialogs::Open(const FileDialogRequest& request) { return RunDialog(owner, request, false); }

std::string Win32FileDialogs::Save(const FileDialogRequest& request) { return RunDialog(owner, request, true); }

std::string Win32FolderBrowser::BrowseRootFolderFrom(const std::string& start_folder) {
  return orb::BrowseRootFolder(CurrentOwner(owner), start_folder);
}

void Win32Shell::Execute(const std::string& operation, const std::string& target, const std::string& parameters,
                         const std::string& folder, int show_mode) {
  std::wstring wide_parameters = win::Widen(parameters), wide_folder = win::Widen(folder);
  ShellExecuteW(owner, win::Widen(operation).c_str(), win::Widen(target).c_str(),
                parameters.empty() ? nullptr : wide_parameters.c_str(),
                folder.empty() ? nullptr : wide_folder.c_str(), show_mode);
}

bool Win32Shell::ExecuteVerb(const std::string& verb, const std::string& target) {
  // Above 32 is success; a type without the verb answers SE_ERR_NOASSOC (31).
  auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(
      owner, win::Widen(verb).c_str(), win::Widen(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

}  // namespace orb
