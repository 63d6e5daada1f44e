// Seams through which the editor's window controllers reach the outside world. Each has one Win32
// implementation (editor/windows/win) and test doubles (tests/editor); controllers take them by reference.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace orb {

enum class MsgIcon { None, Information, Critical, Question, Exclamation };
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgResult { Ok, Yes, No, Cancel };

class MessageBoxSeam {
 public:
  virtual ~MessageBoxSeam() = default;
  // title empty means the application's title "Orbmenu".
  virtual MsgResult Show(const std::string& text, const std::string& title, MsgIcon icon,
                         MsgButtons buttons) = 0;
};

// The system's open and save dialogs. Results are the returned text trimmed of blanks and cut before its
// first NUL; empty when the user cancelled.
struct FileDialogRequest {
  std::string title;
  std::string filter_description;  // e.g. "OBM Project File (*.obm)"
  std::string filter_pattern;      // e.g. "*.obm*"
  // Further description/pattern pairs listed after the first one (which stays selected).
  std::vector<std::pair<std::string, std::string>> more_filters;
  std::string initial_folder;      // empty: the process's current folder
  bool must_exist = true;          // open: only an existing file in an existing folder
  bool overwrite_prompt = false;   // save: ask before replacing an existing file
  std::string initial_name;        // save: the file name the dialog proposes
  std::string default_extension;   // save: added when the typed name has none ("iso")
};

class FileDialogSeam {
 public:
  virtual ~FileDialogSeam() = default;
  virtual std::string Open(const FileDialogRequest& request) = 0;
  virtual std::string Save(const FileDialogRequest& request) = 0;
};

// The shell's folder browser, modal over the active window: the chosen folder ending with a backslash,
// or empty.
class FolderBrowserSeam {
 public:
  virtual ~FolderBrowserSeam() = default;
  virtual std::string BrowseRootFolder() = 0;
  // The same, opening at start_folder (the remembered root folder; empty: where the system likes).
  virtual std::string BrowseRootFolderFrom(const std::string& start_folder) {
    (void)start_folder;
    return BrowseRootFolder();
  }
};

// ShellExecuteA: operation ("Open"/"open"), target, parameters, working folder, show mode.
class ShellSeam {
 public:
  virtual ~ShellSeam() = default;
  virtual void Execute(const std::string& operation, const std::string& target, const std::string& parameters,
                       const std::string& folder, int show_mode) = 0;
  // A verb that the file's type may lack (an .iso's "burn"): false when the shell has no such verb for
  // it or could not start it. Seams that cannot tell report success.
  virtual bool ExecuteVerb(const std::string& verb, const std::string& target) {
    Execute(verb, target, "", "", 1);
    return true;
  }
};

}  // namespace orb
