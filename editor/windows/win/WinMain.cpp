// Entry point of Orbmenu.exe, the editor: builds the Win32 seams, the main window and its message loop.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "common/win/MciTransport.h"
#include "common/win/MfVideoEngine.h"
#include "common/win/RegistrySettingsStore.h"
#include "common/win/WideText.h"
#include "common/win/Win32CommandRunner.h"
#include "common/win/Win32FileSystem.h"
#include "disc/IsoImage.h"
#include "output/ProjectCheck.h"
#include "editor/windows/DiscImageController.h"
#include "editor/windows/win/AboutWindow.h"
#include "editor/windows/EditorSession.h"
#include "editor/windows/win/ConvertWindow.h"
#include "editor/windows/win/HelpViewer.h"
#include "editor/windows/win/ImageProgressWindow.h"
#include "editor/windows/win/MainWindow.h"
#include "editor/windows/win/OptionsWindow.h"
#include "editor/windows/win/PageNameWindow.h"
#include "editor/windows/win/PlacementWindow.h"
#include "editor/windows/win/SplashWindow.h"
#include "editor/windows/win/SpotEditorWindow.h"
#include "editor/windows/win/UpdateCheckWin.h"
#include "editor/windows/win/Win32Seams.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR command_line, int) {
  // The spot editor's video preview decodes in a child process of this program, as the player's videos do:
  // a broken file takes down the decoder, never the editor and the user's unsaved project.
  if (orb::RunVideoDecoderIfAsked()) return 0;
  orb::UseVideoDecoderProcess();
  // The folder browser's new dialog style needs OLE on this thread.
  OleInitialize(nullptr);
  InitCommonControls();
  // The splash shows while the main window loads hidden; its timer reveals the main window.
  HWND splash = orb::ShowSplashWindow();

  orb::Win32MessageBox messages;
  orb::Win32FileDialogs dialogs;
  orb::Win32FolderBrowser folders;
  orb::Win32Shell shell;
  orb::Win32FileSystem files;
  orb::RegistrySettingsStore settings;
  orb::MainWindow window({messages, dialogs, folders, shell, files, settings});
  if (!window.Create(instance, command_line ? orb::win::Narrow(command_line) : std::string())) return 1;
  messages.owner = dialogs.owner = folders.owner = shell.owner = window.Handle();
  window.SetClosingEffect([&] { window.FadeOut(); });

  // Make Disc Image: the check of the generated root, then the image behind its progress window.
  orb::ProjectCheck check = orb::DiscImageCheck(files);
  orb::ImageProgressWindow progress(window.Handle());
  orb::DiscImageController disc_image(
      {messages, dialogs, shell, progress}, check,
      [&files](const std::string& root, const std::string& iso, const orb::IsoOptions& options,
               orb::IsoProgress* on_progress) {
        return orb::WriteIsoImage(files, root, iso, options, on_progress);
      });

  // The windows the main window opens: the spot editor over it, the placement window over the spot editor,
  // and the Tools and Help windows.
  orb::MciTransport mci;
  orb::RoutedMediaTransport routed(mci);
  // The model holds UTF-8, as the media transports take and give it.
  orb::MediaTransport& media = routed;
  HICON icon = LoadIconW(instance, L"AA");
  HWND spot_dialog = nullptr;
  orb::EditorWindows editor_windows;
  editor_windows.spot_editor = [&](orb::SpotEditorController& editor) {
    return orb::ShowSpotEditor(window.Handle(), editor, icon, &spot_dialog);
  };
  editor_windows.placement = [&](const orb::PlacementInputs& inputs) {
    return orb::ShowPlacementWindow(spot_dialog, inputs, media, icon);
  };
  editor_windows.help = [&](int context) { orb::ShowHelpTopic(spot_dialog ? spot_dialog : window.Handle(), context); };
  editor_windows.options = [&] { orb::ShowOptionsWindow(window.Handle(), settings, messages); };
  editor_windows.convert = [&] {
    orb::ShowConvertWindow(window.Handle(), files, dialogs, messages,
                           window.Controller().Model().RememberedRoot());
  };
  editor_windows.check_update = [&] { orb::RunUpdateCheck(window.Handle(), messages, shell); };
  editor_windows.about = [&] { orb::ShowAboutWindow(window.Handle(), shell); };
  editor_windows.close_window = [&] { PostMessageW(window.Handle(), WM_CLOSE, 0, 0); };
  editor_windows.page_name = [&](const std::string& caption, const std::string& name) {
    return orb::AskPageName(window.Handle(), caption, name);
  };
  editor_windows.language_tag = [&](const std::string& caption, const std::string& tag) {
    return orb::AskPageName(window.Handle(), caption, tag, orb::kLanguageTagPrompt);
  };
  editor_windows.disc_image = [&](const orb::CheckSubject& subject, const std::string& label) {
    disc_image.Run(subject, label);
  };
  orb::EditorSession session(window.Controller(), {messages, dialogs, folders, files, settings}, editor_windows);
  wchar_t system[MAX_PATH] = {};
  UINT n = GetSystemDirectoryW(system, MAX_PATH);
  window.Controller().SetSystemFolder(n < MAX_PATH ? orb::win::Narrow(std::wstring_view(system, n))
                                                   : std::string());
  orb::Win32CommandRunner commands;  // the player's signing command (Options)
  window.Controller().SetCommandRunner(&commands);

  orb::RevealAfterSplash(splash, window.Handle());
  MSG msg;
  // Wide retrieval: a typed character reaches the Unicode windows whole.
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (window.PreTranslateMessage(&msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  orb::CloseHelpWindows();
  OleUninitialize();
  return static_cast<int>(msg.wParam);
}
