// The Win32 view of frmoptions, the modal Options window over the main window.
#pragma once

#include <windows.h>

#include "common/SettingsStore.h"
#include "editor/windows/UiSeams.h"

namespace orb {

// Control identifiers of frmoptions.
enum OptionsControlId : int {
  kOpt_Shape1 = 300, kOpt_Image1, kOpt_Label1, kOpt_chklastprj, kOpt_chkimm, kOpt_chkRtxruntimes,
  kOpt_cmdok, kOpt_cmdcancel = IDCANCEL,  // Esc presses Exit
  kOpt_lblsigncommand = 307, kOpt_txtsigncommand,
};

constexpr char kOptionsTitle[] = "Options for OBM";

// Shows the Options window modally, centred on owner, and returns when it has closed.
void ShowOptionsWindow(HWND owner, SettingsStore& settings, MessageBoxSeam& messages);

}  // namespace orb
