// Under Wine, the main window's root button with the real shell folder browser: the browser is modal over
// the main window (owned by it, the main window disabled meanwhile) and opens at the remembered root.
#include <windows.h>
#include <commctrl.h>
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
  std::string folder_name;  // the last part of the start folder
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

BOOL CALLBACK FindTree(HWND hwnd, LPARAM found) {
  char name[32] = {};
  GetClassNameA(hwnd, name, sizeof name);
  if (std::string(name) != WC_TREEVIEWA) return TRUE;
  *reinterpret_cast<HWND*>(found) = hwnd;
  return FALSE;
}

// The text of the browser's selected tree item.
std::string SelectedFolderName(HWND browser) {
  HWND tree = nullptr;
  EnumChildWindows(browser, FindTree, reinterpret_cast<LPARAM>(&tree));
  if (!tree) return {};
  HTREEITEM item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  char text[MAX_PATH] = {};
  TVITEMA tv = {};
  tv.mask = TVIF_TEXT;
  tv.hItem = item;
  tv.pszText = text;
  tv.cchTextMax = sizeof text;
  if (!item || !SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv))) return {};
  return text;
}

// Fires inside the browser's modal loop: notes its owner and presses OK on what it selected at start.
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
  // A busy shell may fill its tree late: wait (a while) for the start folder to be selected.
  if (SelectedFolderName(browser) != g_seen.folder_name && ++g_seen.ticks < 50) return;
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
  const std::string root = std::string(base) + "orbbrowse" + std::to_string(GetCurrentProcessId()) + "\\";
  CreateDirectoryA(root.c_str(), nullptr);

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
    g_seen.folder_name = root.substr(root.find_last_of('\\', root.size() - 2) + 1);
    g_seen.folder_name.pop_back();

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
  OleUninitialize();
}

}  // namespace
}  // namespace orb
