// Seams of the editor's windows that answer nothing, for benchmarks that drive a window without a user.
#pragma once

#include <string>

#include "editor/windows/UiSeams.h"

namespace orb::bench {

struct QuietMessages : MessageBoxSeam {
  MsgResult Show(const std::string&, const std::string&, MsgIcon, MsgButtons) override {
    return MsgResult::Ok;
  }
};
struct NoDialogs : FileDialogSeam {
  std::string Open(const FileDialogRequest&) override { return {}; }
  std::string Save(const FileDialogRequest&) override { return {}; }
};
struct NoFolders : FolderBrowserSeam {
  std::string BrowseRootFolder() override { return {}; }
};
struct NoShell : ShellSeam {
  void Execute(const std::string&, const std::string&, const std::string&, const std::string&, int) override {
  }
};

}  // namespace orb::bench
