// The editor's windows joined into one program; see EditorSession.h.
#include "editor/windows/EditorSession.h"

#include <utility>

namespace orb {

EditorSession::EditorSession(MainWindowController& window, Seams seams, EditorWindows windows)
    : window_(window),
      messages_(seams.messages),
      windows_(std::move(windows)),
      workflow_(window.Model(), seams.files, seams.settings, seams.messages, seams.dialogs, seams.folders,
                *this) {
  if (!window_.StartupProjectPath().empty()) {
    workflow_.SetCommandLineProject(window_.StartupProjectPath());
    window_.ClearStartupProjectPath();
  }
  MainWindowHooks& hooks = window_.Hooks();
  hooks.new_project = [this] { workflow_.mnunewprj_Click(); };
  hooks.load_project = [this] { workflow_.mnuldprj_Click(); };
  hooks.save_project = [this] { workflow_.mnusaveprj_Click(); };
  hooks.activated = [this] { workflow_.Form_Activate(); };
  hooks.menu_slide_ended = [this] { workflow_.MenuModeEntered(); };
  hooks.query_close = [this] { return workflow_.Form_QueryUnload(); };
  hooks.leave_menu_mode = [this] { return workflow_.ConfirmDiscardChanges(); };
  hooks.create_spot = [this] { EditSpot(std::nullopt); };
  hooks.edit_spot = [this](int position) { EditSpot(position); };
  hooks.options = windows_.options;
  hooks.convert = windows_.convert;
  hooks.check_update = windows_.check_update;
  hooks.about = windows_.about;
  hooks.help = windows_.help;
  hooks.close_window = windows_.close_window;
  hooks.make_disc_image = windows_.disc_image;
  hooks.page_name = windows_.page_name;
  hooks.language_tag = windows_.language_tag;
}

void EditorSession::EnterMenuMode() {
  if (!window_.InMenuPanel()) window_.cmdani_Click();
}

void EditorSession::EditSpot(std::optional<int> position) {
  if (!windows_.spot_editor) return;
  // A fresh editor each time: its tag and fields are forgotten with the dialog.
  SpotEditorController editor(window_.Model(), *this, messages_, window_.Picker(), windows_.placement,
                              windows_.help);
  if (position)
    editor.PresetFromSpot(*position);
  else
    editor.PresetNew();
  windows_.spot_editor(editor);
  window_.Changed();
}

}  // namespace orb
