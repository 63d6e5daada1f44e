// Under Wine, the main window's root button with the real shell folder browser: the browser is modal over
// the main window (owned by it, the main window disabled meanwhile) and opens at the remembered root.
#include <windows.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <string>

#include "common/win/Win32FileSystem.h"
#include "editor/windows/win/MainWindow.h"
#include "editor/windows/win/Win32Seams.h"

namespace orb {
namespace {

// What the timer saw of the browser while it was open.
struct BrowserSeen {
  HWND main = nullptr;
  HWND browser = nullptr;
  HWND owner = nullptr;
  bool main_enabled = true;
  int ticks = 0;
};
BrowserSeen g_seen;

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM found) {
  char name[16] = {};
  GetClassNameA(hwnd, name, sizeof name);
  if (std::string(name) != "#32770" || !IsWindowVisible(hwnd)) return TRUE;
  *reinterpret_cast<HWND*>(found) = hwnd;
  return FALSE;
}

// Fires inside the browser's modal loop: notes its owner and presses OK at once, on what it opened at.
void CALLBACK AnswerBrowser(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND browser = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&browser));
  if (!browser) {
    if (++g_seen.ticks > 100) KillTimer(nullptr, timer);
    return;
  }
  g_seen.browser = browser;
  g_seen.owner = GetWindow(browser, GW_OWNER);
  g_seen.main_enabled = IsWindowEnabled(g_seen.main);
  KillTimer(nullptr, timer);
  SendMessageA(GetDlgItem(browser, IDOK), BM_CLICK, 0, 0);
}

class NoMessages : public MessageBoxSeam {
 public:
  MsgResult Show(const std::string&, const std::string&, MsgIcon, MsgButtons) override { return MsgResult::Ok; }
};
class NoDialogs : public FileDialogSeam {
 public:
  std::string Open(const FileDialogRequest&) override { return {}; }
  std::string Save(const FileDialogRequest&) override { return {}; }
};
class NoShell : public ShellSeam {
 public:
  void Execute(const std::string&, const std::string&, const std::string&, const std::string&, int) override {}
};

TEST(FolderBrowser, RootButtonOpensItOwnedByTheMainWindowAtTheRememberedRoot) {
  OleInitialize(nullptr);
  char base[MAX_PATH] = {};
  GetTempPathA(sizeof base, base);
  const std::string parent = std::string(base) + "orbbrowse" + std::to_string(GetCurrentProcessId()) + "\\";
  const std::string root = parent + "start\\";
  CreateDirectoryA(parent.c_str(), nullptr);
  CreateDirectoryA(root.c_str(), nullptr);
  // A folder on the way last read long ago: the browser's own walk to the root then changes its access
  // time, which a shell matching its tree by item data must cope with (Wine's does not on the first try).
  HANDLE dir = CreateFileA(parent.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  ASSERT_NE(dir, INVALID_HANDLE_VALUE);
  SYSTEMTIME long_ago = {2001, 1, 0, 1, 12, 0, 0, 0};
  FILETIME accessed;
  SystemTimeToFileTime(&long_ago, &accessed);
  EXPECT_TRUE(SetFileTime(dir, nullptr, &accessed, nullptr));
  CloseHandle(dir);

  NoMessages messages;
  NoDialogs dialogs;
  Win32FolderBrowser folders;
  NoShell shell;
  Win32FileSystem files;
  MemorySettingsStore settings;
  {
    MainWindow window({messages, dialogs, folders, shell, files, settings});
    window.SetQuitOnDestroy(false);
    ASSERT_TRUE(window.Create(GetModuleHandleA(nullptr), ""));
    folders.owner = window.Handle();
    ShowWindow(window.Handle(), SW_SHOW);
    g_seen = BrowserSeen();
    g_seen.main = window.Handle();

    window.Controller().Model().SetRememberedRoot(root);
    SetTimer(nullptr, 0, 200, AnswerBrowser);
    SendMessageA(window.Control(kId_cmdroot), BM_CLICK, 0, 0);

    ASSERT_NE(g_seen.browser, nullptr) << "no browser appeared";
    EXPECT_EQ(g_seen.owner, window.Handle());
    EXPECT_FALSE(g_seen.main_enabled) << "the main window takes no input while the browser is open";
    EXPECT_TRUE(IsWindowEnabled(window.Handle()));
    // OK at once gives the folder the browser opened at.
    std::string picked = window.Controller().FieldText(MainField::txtroot);
    EXPECT_EQ(lstrcmpiA(picked.c_str(), root.c_str()), 0) << picked;
  }
  RemoveDirectoryA(root.c_str());
  RemoveDirectoryA(parent.c_str());
  OleUninitialize();
}

}  // namespace
}  // namespace orb
