// Entry point of Orbstart.exe, the CD-side player.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <cstdlib>

#include "common/win/MciTransport.h"
#include "common/win/MfVideoEngine.h"
#include "player/PlayerFolder.h"
#include "player/win/PlayerApp.h"

// The default terminate handler demangles the exception's type name for stderr, which a GUI program has not;
// it alone pulls about 46 KB of demangler into the player.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

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
  // A video's worker stuck inside a decoder would hold up the exit (and Media Foundation's shutdown) for
  // good: after a short grace the process ends without it. It holds nothing another process needs.
  auto running = [] { return orb::VideoWorkersRunning() || orb::MciWorkersRunning(); };
  for (int i = 0; i < 30 && running(); ++i) Sleep(10);
  if (running()) TerminateProcess(GetCurrentProcess(), static_cast<UINT>(code));
  OleUninitialize();
  return code;
}
