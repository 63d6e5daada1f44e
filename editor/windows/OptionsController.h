// State and rules of the Options window frmoptions: three check boxes read from and saved to the
// per-user settings ("OBM", "Options").
#pragma once

#include "common/SettingsStore.h"
#include "editor/windows/UiSeams.h"

namespace orb {

class OptionsController {
 public:
  OptionsController(SettingsStore& settings, MessageBoxSeam& messages)
      : settings_(settings), messages_(messages) {}

  // Reads "LastSaved", "IMM" and "RtxRuntimes" into the check boxes.
  void Form_Load();
  // Save: writes the three values, confirms, and asks the view to close.
  void cmdok_Click();
  // Exit: closes without writing.
  void cmdcancel_Click() { closed_ = true; }

  // Check box states, 0 or 1, as the view shows and sets them.
  int chklastprj = 0;
  int chkimm = 0;
  int chkRtxruntimes = 0;

  bool Closed() const { return closed_; }

 private:
  SettingsStore& settings_;
  MessageBoxSeam& messages_;
  bool closed_ = false;
};

}  // namespace orb
