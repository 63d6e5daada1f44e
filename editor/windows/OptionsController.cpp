// The Options window's rules; see OptionsController.h.
#include "editor/windows/OptionsController.h"

#include "common/TextLines.h"

namespace orb {

namespace {

// An empty value leaves the box unchecked; the editor only ever writes "0" or "1", so anything else
// (a hand-edited value) shows as unchecked rather than failing.
void LoadCheck(SettingsStore& settings, const char* key, int& state) {
  std::string value = settings.Read("OBM", "Options", key);
  if (value.empty()) return;
  std::optional<int16_t> number = ParseInt16(value);
  state = (number && *number == 1) ? 1 : 0;
}

}  // namespace

void OptionsController::Form_Load() {
  LoadCheck(settings_, "LastSaved", chklastprj);
  LoadCheck(settings_, "IMM", chkimm);
  LoadCheck(settings_, "RtxRuntimes", chkRtxruntimes);
}

void OptionsController::cmdok_Click() {
  settings_.Write("OBM", "Options", "LastSaved", chklastprj == 1 ? "1" : "0");
  settings_.Write("OBM", "Options", "IMM", chkimm == 1 ? "1" : "0");
  settings_.Write("OBM", "Options", "RtxRuntimes", chkRtxruntimes == 1 ? "1" : "0");
  messages_.Show("Settings Saved Successfully.", "Orbmenu", MsgIcon::Information, MsgButtons::Ok);
  closed_ = true;
}

}  // namespace orb
