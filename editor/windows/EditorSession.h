// The editor's windows joined into one program: every hook of the main window is set here. Its File menu,
// start-up load, quit prompt and spot buttons reach the project workflow and the spot editor; its Tools
// and Help entries and Make Disc Image reach the windows the Win32 layer supplies (EditorWindows), so the
// whole road is testable without one.
#pragma once

#include <functional>
#include <optional>

#include "common/FileSystem.h"
#include "common/SettingsStore.h"
#include "editor/windows/MainWindowController.h"
#include "editor/windows/ProjectWorkflow.h"
#include "editor/windows/SpotEditorController.h"
#include "editor/windows/UiSeams.h"

namespace orb {

struct EditorWindows {
  // Shows the spot editor modally for a preset controller; true when OK stored the spot.
  std::function<bool(SpotEditorController&)> spot_editor;
  // Shows the placement window modally over the spot editor.
  PlacementRunner placement;
  // Opens a help topic over the window in front (1001 or 1002 from the main window, 1004 from the spot
  // editor).
  std::function<void(int context)> help;
  // The main window's other entries; unset ones do nothing.
  std::function<void()> options, convert, check_update, about;  // Tools and Help menus
  std::function<void()> close_window;                           // Exit: closes through the quit prompt
  DiscImageStep disc_image;                                     // Make Disc Image, after generating
  decltype(MainWindowHooks::page_name) page_name;               // the page row's name box
  decltype(MainWindowHooks::language_tag) language_tag;         // the language row's tag box
};

class EditorSession : private WorkflowHost, private SpotListSink {
 public:
  struct Seams {
    MessageBoxSeam& messages;
    FileDialogSeam& dialogs;
    FolderBrowserSeam& folders;
    FileSystem& files;
    SettingsStore& settings;
  };
  // Sets every hook of the main window; call after the window's Form_Load, which holds the command line's
  // project until the first activation.
  EditorSession(MainWindowController& window, Seams seams, EditorWindows windows);

 private:
  // WorkflowHost
  std::string Title() override { return window_.Title(); }
  void SetTitle(const std::string& title) override { window_.SetTitle(title); }
  void ShowProject() override { window_.SelectSpot(0); }
  void EnterMenuMode() override;
  // SpotListSink: the main window's list is drawn from the model, so it needs only a redraw; a new
  // spot is selected, as an edited one stays selected.
  void RenameEntry(int, const std::string&) override { window_.Changed(); }
  void AppendEntry(const std::string&) override { window_.SelectSpot(window_.Model().SpotCount()); }

  void EditSpot(std::optional<int> position);

  MainWindowController& window_;
  MessageBoxSeam& messages_;
  EditorWindows windows_;
  ProjectWorkflow workflow_;
};

}  // namespace orb
