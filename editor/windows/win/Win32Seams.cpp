// Win32 seams of the editor's windows; see Win32Seams.h.
#include "editor/windows/win/Win32Seams.h"

#include <commdlg.h>
#include <shellapi.h>

#include "common/TextLines.h"
#include "common/win/ShellHelpers.h"

namespace orb {

namespace {

// "desc\0pattern\0...\0\0", the first pair selected.
std::string FilterList(const FileDialogRequest& request) {
  std::string list;
  auto add = [&list](const std::string& description, const std::string& pattern) {
    list += description;
    list.push_back('\0');
    list += pattern;
    list.push_back('\0');
  };
  if (!request.filter_description.empty() || !request.filter_pattern.empty())
    add(request.filter_description, request.filter_pattern);
  for (const auto& pair : request.more_filters) add(pair.first, pair.second);
  list.push_back('\0');
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
std::string DialogResult(const char* buffer) { return TrimBlanks(std::string(buffer)); }

std::string RunDialog(HWND owner, const FileDialogRequest& request, bool save) {
  std::string filters = FilterList(request);
  char file[260] = {};
  if (save) request.initial_name.copy(file, sizeof file - 2);
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = CurrentOwner(owner);
  ofn.lpstrFilter = filters.size() > 1 ? filters.c_str() : nullptr;
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file;
  ofn.nMaxFile = sizeof file - 1;  // at most 259 characters are used
  ofn.lpstrInitialDir = request.initial_folder.empty() ? nullptr : request.initial_folder.c_str();
  ofn.lpstrTitle = request.title.c_str();
  ofn.lpstrDefExt = save && !request.default_extension.empty() ? request.default_extension.c_str() : nullptr;
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
  if (!save && request.must_exist) ofn.Flags |= OFN_FILEMUSTEXIST;
  if (save && request.overwrite_prompt) ofn.Flags |= OFN_OVERWRITEPROMPT;
  BOOL ok = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
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
  int answer = MessageBoxA(CurrentOwner(owner), text.c_str(), title.empty() ? "Orbmenu" : title.c_str(), style);
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
  ShellExecuteA(owner, operation.c_str(), target.c_str(), parameters.empty() ? nullptr : parameters.c_str(),
                folder.empty() ? nullptr : folder.c_str(), show_mode);
}

bool Win32Shell::ExecuteVerb(const std::string& verb, const std::string& target) {
  // Above 32 is success; a type without the verb answers SE_ERR_NOASSOC (31).
  auto result =
      reinterpret_cast<INT_PTR>(ShellExecuteA(owner, verb.c_str(), target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

}  // namespace orb
