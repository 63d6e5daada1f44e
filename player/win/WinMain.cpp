// Entry point of Orbstart.exe, the CD-side player.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "player/PlayerFolder.h"
#include "player/win/PlayerApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  OleInitialize(nullptr);
  char path[MAX_PATH + 1] = {};
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = orb::PlayerFolder(orb::ProgramFolder(std::string(path, n)));
  int code;
  {
    orb::PlayerApp app(instance);
    code = app.Run(folder);
  }
  OleUninitialize();
  return code;
}
