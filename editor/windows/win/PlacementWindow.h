// The Win32 view of the placement window frmlocate, shown modally over the spot editor.
#pragma once

#include <windows.h>

#include <optional>

#include "common/MediaCommands.h"
#include "editor/windows/PlacementController.h"

namespace orb {

// Shows the window until Finish, Cancel or the close box; the outputs of Finish, or none.
std::optional<PlacementOutputs> ShowPlacementWindow(HWND owner, const PlacementInputs& inputs,
                                                    MediaTransport& media, HICON icon);

}  // namespace orb
