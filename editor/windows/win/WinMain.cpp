// Entry point of Orbmenu.exe, the editor: builds the Win32 seams, the main window and its message loop.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "common/win/RegistrySettingsStore.h"
#include "common/win/Win32FileSystem.h"
#include "editor/windows/win/MainWindow.h"
#include "editor/windows/win/OptionsWindow.h"
#include "editor/windows/win/Win32Seams.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int show) {
  // The folder browser's new dialog style needs OLE on this thread.
  OleInitialize(nullptr);
  InitCommonControls();

  orb::Win32MessageBox messages;
  orb::Win32FileDialogs dialogs;
  orb::Win32FolderBrowser folders;
  orb::Win32Shell shell;
  orb::Win32FileSystem files;
  orb::RegistrySettingsStore settings;
  orb::MainWindow window({messages, dialogs, folders, shell, files, settings});
  orb::MainWindowHooks& hooks = window.Controller().Hooks();
  hooks.options = [&] { orb::ShowOptionsWindow(window.Handle(), settings, messages); };
  hooks.close_window = [&] { PostMessageA(window.Handle(), WM_CLOSE, 0, 0); };
  if (!window.Create(instance, command_line ? command_line : "")) return 1;
  messages.owner = dialogs.owner = shell.owner = window.Handle();
  char system[255] = {};
  UINT n = GetSystemDirectoryA(system, sizeof system);
  window.Controller().SetSystemFolder(n < sizeof system ? std::string(system, n) : std::string());

  ShowWindow(window.Handle(), show);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (window.PreTranslateMessage(&msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  OleUninitialize();
  return static_cast<int>(msg.wParam);
}
