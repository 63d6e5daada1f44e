// The Win32 view of the placement window frmlocate, shown modally over the spot editor.
#pragma once

#include <windows.h>

#include <optional>

#include "common/MediaCommands.h"
#include "editor/windows/PlacementController.h"

namespace orb {

// Shows the window until Finish, Cancel or the close box; the outputs of Finish, or none. dpi: the DPI its
// controls are laid out for; 0 takes the display's.
std::optional<PlacementOutputs> ShowPlacementWindow(HWND owner, const PlacementInputs& inputs,
                                                    MediaTransport& media, HICON icon, int dpi = 0);

}  // namespace orb
