// The Win32 implementations of the editor's UI seams: message boxes, the common file dialogs, the
// shell's folder browser and ShellExecuteA. Each is owned by a window whose handle it uses.
#pragma once

#include <windows.h>

#include "editor/windows/UiSeams.h"

namespace orb {

class Win32MessageBox : public MessageBoxSeam {
 public:
  HWND owner = nullptr;
  MsgResult Show(const std::string& text, const std::string& title, MsgIcon icon, MsgButtons buttons) override;
};

class Win32FileDialogs : public FileDialogSeam {
 public:
  HWND owner = nullptr;
  std::string Open(const FileDialogRequest& request) override;
  std::string Save(const FileDialogRequest& request) override;
};

class Win32FolderBrowser : public FolderBrowserSeam {
 public:
  HWND owner = nullptr;
  std::string BrowseRootFolder() override { return BrowseRootFolderFrom(std::string()); }
  std::string BrowseRootFolderFrom(const std::string& start_folder) override;
};

class Win32Shell : public ShellSeam {
 public:
  HWND owner = nullptr;
  void Execute(const std::string& operation, const std::string& target, const std::string& parameters,
               const std::string& folder, int show_mode) override;
  bool ExecuteVerb(const std::string& verb, const std::string& target) override;
};

}  // namespace orb
