// The settings' names and forms in the store; see EditorSettings.h.
#include "editor/windows/EditorSettings.h"

#include "common/TextLines.h"

namespace orb {

namespace {

const char* const kApp = "OBM";
const char* const kSection = "Options";
const char* const kLoadLast = "LastSaved";
const char* const kLastProject = "SavedPrjName";
const char* const kMenuMode = "IMM";
const char* const kNoRuntime = "RtxRuntimes";
const char* const kSignCommand = "SignCommand";

// The editor only ever writes "0" or "1"; anything else (a hand-edited " 1 " or "yes") counts as off
// everywhere, so that what Options shows is what start-up and the generator do.
bool Flag(SettingsStore& store, const char* key) { return store.Read(kApp, kSection, key) == "1"; }

void WriteFlag(SettingsStore& store, const char* key, bool on) { store.Write(kApp, kSection, key, on ? "1" : "0"); }

}  // namespace

EditorSettings LoadEditorSettings(SettingsStore& store) {
  EditorSettings settings;
  settings.load_last_project = Flag(store, kLoadLast);
  settings.last_project = store.Read(kApp, kSection, kLastProject);
  settings.start_in_menu_mode = Flag(store, kMenuMode);
  settings.leave_out_runtime = Flag(store, kNoRuntime);
  settings.sign_command = TrimBlanks(store.Read(kApp, kSection, kSignCommand));  // blanks alone: no command
  return settings;
}

void SaveOptionSettings(SettingsStore& store, const EditorSettings& settings) {
  WriteFlag(store, kLoadLast, settings.load_last_project);
  WriteFlag(store, kMenuMode, settings.start_in_menu_mode);
  WriteFlag(store, kNoRuntime, settings.leave_out_runtime);
  store.Write(kApp, kSection, kSignCommand, settings.sign_command);
}

void SaveLastProject(SettingsStore& store, const std::string& path) {
  store.Write(kApp, kSection, kLastProject, path);
}

}  // namespace orb
