// Opens help.chm at a context number through HTML Help (hhctrl.ocx, loaded on first use).
#pragma once

#include <windows.h>

#include <string>

namespace orb {

// The editor's help file, help.chm in the editor's own folder, at context (1001, 1002 or 1004, see
// editor/windows/HelpTopics.h). Failures are ignored: without help the editor goes on.
void ShowHelpTopic(HWND owner, int context);

// The same for a given .chm file; false when HTML Help is missing or refused the call.
bool ShowHelpFile(HWND owner, const std::string& chm_path, int context);

// Closes every help window this process opened; call it before the program ends.
void CloseHelpWindows();

}  // namespace orb
