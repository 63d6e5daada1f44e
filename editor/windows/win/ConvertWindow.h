// The conversion window (frmconprj), modal over the main window, from Tools, "Convert 1.x OBM Projects".
#pragma once

#include <windows.h>

#include <string>

#include "common/FileSystem.h"
#include "editor/windows/UiSeams.h"

namespace orb {

// root_folder: the remembered root folder, where the file dialog starts.
void ShowConvertWindow(HWND owner, FileSystem& fs, FileDialogSeam& dialogs, MessageBoxSeam& messages,
                       const std::string& root_folder);

}  // namespace orb
