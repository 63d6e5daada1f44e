// Every caption of the editor's windows shows whole at the display's DPI (captions_dpi_test.sh runs this
// program at 96, 120 and 144 DPI). Linked with the editor's resources, so controls are drawn as they are
// in the shipped program.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "../tools/CaptionCheck.h"
#include "common/SettingsStore.h"
#include "common/win/Win32FileSystem.h"
#include "editor/windows/AboutController.h"
#include "editor/windows/ConvertController.h"
#include "editor/windows/SpotEditorController.h"
#include "editor/windows/UpdateWindowController.h"
#include "editor/windows/win/AboutWindow.h"
#include "editor/windows/win/ConvertWindow.h"
#include "editor/windows/win/MainWindow.h"
#include "editor/windows/win/OptionsWindow.h"
#include "editor/windows/win/SpotEditorWindow.h"
#include "editor/windows/win/UpdateCheckWin.h"

namespace orb {
namespace {

struct Quiet : MessageBoxSeam {
  MsgResult Show(const std::string&, const std::string&, MsgIcon, MsgButtons) override {
    return MsgResult::Ok;
  }
};
struct NoDialogs : FileDialogSeam {
  std::string Open(const FileDialogRequest&) override { return ""; }
  std::string Save(const FileDialogRequest&) override { return ""; }
};
struct NoFolders : FolderBrowserSeam {
  std::string BrowseRootFolder() override { return ""; }
};
struct NoShell : ShellSeam {
  void Execute(const std::string&, const std::string&, const std::string&, const std::string&, int) override {
  }
};
struct NoPicker : SpotFilePicker {
  std::string PickAndAdopt(const BrowseRequest&, const std::string&) override { return ""; }
};
struct NoList : SpotListSink {
  void RenameEntry(int, const std::string&) override {}
  void AppendEntry(const std::string&) override {}
};

std::string Dpi() { return " at " + std::to_string(test::caption_check::ScreenDpi()) + " DPI"; }

// The modal window being examined: found by caption from a timer inside its own loop, checked, closed.
struct Probe {
  const char* caption = nullptr;
  bool found = false;
  std::vector<std::string> cut;
  int ticks = 0;
};
Probe* g_probe = nullptr;

BOOL CALLBACK FindCaption(HWND hwnd, LPARAM lp) {
  char text[256] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  if (!IsWindowVisible(hwnd) || std::string(text) != g_probe->caption) return TRUE;
  *reinterpret_cast<HWND*>(lp) = hwnd;
  return FALSE;
}

void CALLBACK ProbeTimer(HWND, UINT, UINT_PTR id, DWORD) {
  HWND window = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindCaption, reinterpret_cast<LPARAM>(&window));
  if (!window && ++g_probe->ticks < 200) return;
  KillTimer(nullptr, id);
  if (!window) return;
  g_probe->found = true;
  g_probe->cut = test::CutCaptions(window);
  PostMessageA(window, WM_CLOSE, 0, 0);
}

void ExpectWholeInModal(const char* caption, const std::function<void()>& show) {
  Probe probe;
  probe.caption = caption;
  g_probe = &probe;
  UINT_PTR timer = SetTimer(nullptr, 0, 50, ProbeTimer);
  show();
  KillTimer(nullptr, timer);
  g_probe = nullptr;
  ASSERT_TRUE(probe.found) << caption << " did not open";
  EXPECT_EQ(probe.cut, std::vector<std::string>()) << caption << Dpi();
}

TEST(Captions, MainWindowShowsEveryCaptionWhole) {
  Quiet messages;
  NoDialogs dialogs;
  NoFolders folders;
  NoShell shell;
  Win32FileSystem files;
  MemorySettingsStore settings;
  MainWindow window({messages, dialogs, folders, shell, files, settings});
  window.SetQuitOnDestroy(false);
  ASSERT_TRUE(window.Create(GetModuleHandleA(nullptr), ""));
  EXPECT_EQ(test::CutCaptions(window.Handle()), std::vector<std::string>()) << Dpi();
}

TEST(Captions, SpotEditorShowsEveryCaptionWhole) {
  ProjectModel model;
  NoList list;
  Quiet messages;
  NoPicker picker;
  SpotEditorController editor(
      model, list, messages, picker, [](const PlacementInputs&) { return std::optional<PlacementOutputs>(); },
      nullptr);
  editor.PresetNew();
  HWND dialog = nullptr;
  ExpectWholeInModal("Menu Spot Details", [&] { ShowSpotEditor(nullptr, editor, nullptr, &dialog); });
}

TEST(Captions, OptionsShowsEveryCaptionWhole) {
  MemorySettingsStore settings;
  Quiet messages;
  ExpectWholeInModal(kOptionsTitle, [&] { ShowOptionsWindow(nullptr, settings, messages); });
}

TEST(Captions, ConversionWindowShowsEveryCaptionWhole) {
  Win32FileSystem files;
  NoDialogs dialogs;
  Quiet messages;
  ExpectWholeInModal(frmconprj::kCaption, [&] { ShowConvertWindow(nullptr, files, dialogs, messages, ""); });
}

TEST(Captions, AboutAndUpdateWindowsShowEveryCaptionWhole) {
  NoShell shell;
  ExpectWholeInModal(kAboutCaption, [&] { ShowAboutWindow(nullptr, shell); });
  ExpectWholeInModal(kUpdateWindowCaption, [&] {
    UpdateWindowView(nullptr, shell).Show("Version 2.1.0 is available.\r\nFaster generation.");
  });
}

}  // namespace
}  // namespace orb
