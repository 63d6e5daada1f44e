// State and rules of the Options window frmoptions: three check boxes and the player's signing command,
// read from and saved to the editor's settings (EditorSettings).
#pragma once

#include <string>

#include "common/SettingsStore.h"
#include "editor/windows/EditorSettings.h"
#include "editor/windows/UiSeams.h"

namespace orb {

class OptionsController {
 public:
  OptionsController(SettingsStore& settings, MessageBoxSeam& messages)
      : settings_(settings), messages_(messages) {}

  // Reads the settings into the check boxes and the signing command's field.
  void Form_Load();
  // Save: writes the values, confirms, and asks the view to close.
  void cmdok_Click();
  // Exit: closes without writing.
  void cmdcancel_Click() { closed_ = true; }

  // Check box states, 0 or 1, as the view shows and sets them.
  int chklastprj = 0;
  int chkimm = 0;
  int chkRtxruntimes = 0;
  // "Sign the player with:", a command line with %1 for the player's file.
  std::string txtsigncommand;

  bool Closed() const { return closed_; }

 private:
  SettingsStore& settings_;
  MessageBoxSeam& messages_;
  EditorSettings values_;
  bool closed_ = false;
};

}  // namespace orb
