// The editor's per-user settings as one typed value. The store keeps strings under "OBM" / "Options";
// their names, and the rule that a flag is on only when its value is exactly "1", are spelled in
// EditorSettings.cpp alone, so that start-up, the generator and Options cannot read one value two ways.
#pragma once

#include <string>

#include "common/SettingsStore.h"

namespace orb {

struct EditorSettings {
  bool load_last_project = false;   // "LastSaved"
  std::string last_project;         // "SavedPrjName", as stored (blanks and all)
  bool start_in_menu_mode = false;  // "IMM"
  bool leave_out_runtime = false;   // "RtxRuntimes": the generator copies no runtime library
  std::string sign_command;         // "SignCommand": the player's signing command, %1 the file; empty: none
};

// Every setting as stored now; a key never written reads as off or empty.
EditorSettings LoadEditorSettings(SettingsStore& store);
// The Options window's values, in its order: "LastSaved", "IMM", "RtxRuntimes" ("0" or "1"), then
// "SignCommand". The last project's path is not the Options window's and stays as it is.
void SaveOptionSettings(SettingsStore& store, const EditorSettings& settings);
// "SavedPrjName", written when the editor closes.
void SaveLastProject(SettingsStore& store, const std::string& path);

}  // namespace orb
