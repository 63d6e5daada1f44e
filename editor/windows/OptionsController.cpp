// The Options window's rules; see OptionsController.h.
#include "editor/windows/OptionsController.h"

#include "common/TextLines.h"

namespace orb {

void OptionsController::Form_Load() {
  values_ = LoadEditorSettings(settings_);
  chklastprj = values_.load_last_project ? 1 : 0;
  chkimm = values_.start_in_menu_mode ? 1 : 0;
  chkRtxruntimes = values_.leave_out_runtime ? 1 : 0;
  txtsigncommand = values_.sign_command;
}

void OptionsController::cmdok_Click() {
  values_.load_last_project = chklastprj == 1;
  values_.start_in_menu_mode = chkimm == 1;
  values_.leave_out_runtime = chkRtxruntimes == 1;
  values_.sign_command = TrimBlanks(txtsigncommand);
  SaveOptionSettings(settings_, values_);
  messages_.Show("Settings Saved Successfully.", "Orbmenu", MsgIcon::Information, MsgButtons::Ok);
  closed_ = true;
}

}  // namespace orb
