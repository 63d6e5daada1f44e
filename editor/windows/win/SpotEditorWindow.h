// The Win32 view of the menu spot editor frmmenuspots, shown modally over the main window.
#pragma once

#include <windows.h>

#include "editor/windows/SpotEditorController.h"

namespace orb {

// Shows the dialog for controller (already preset for a new or an edited spot) until OK stores the spot,
// Cancel or the close box; true when a spot was stored. The controller's message box and placement
// runner should be owned by the dialog: owner_out receives its handle while it is shown.
bool ShowSpotEditor(HWND owner, SpotEditorController& controller, HICON icon, HWND* owner_out);

}  // namespace orb
