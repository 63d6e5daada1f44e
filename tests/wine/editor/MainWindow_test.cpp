// Under Wine, the real frmmain in this process: controls and captions at their twips positions, the slide
// driven by the real timers, Generate and Make Cd writing a CD root through the real shell, and the
// Options window saving to the real registry. ORB_SIMPLE_CD_OUT / ORB_MENU_CD_OUT (Windows folders ending
// in a backslash) keep the generated roots for an end-to-end script to inspect.
#include <windows.h>
#include <shellapi.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <deque>
#include <string>
#include <vector>

#include "common/win/RegistrySettingsStore.h"
#include "common/win/Win32FileSystem.h"
#include "editor/windows/win/MainWindow.h"
#include "editor/windows/win/OptionsWindow.h"
#include "tests/support/PumpMessages.h"

namespace orb {
namespace {

struct Box {
  std::string text, title;
  MsgButtons buttons;
};

class RecordingMessages : public MessageBoxSeam {
 public:
  MsgResult Show(const std::string& text, const std::string& title, MsgIcon, MsgButtons buttons) override {
    boxes.push_back({text, title, buttons});
    return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Yes;
  }
  std::vector<Box> boxes;
};

class ScriptedDialogs : public FileDialogSeam {
 public:
  std::string Open(const FileDialogRequest&) override { return Next(); }
  std::string Save(const FileDialogRequest&) override { return Next(); }
  std::deque<std::string> answers;

 private:
  std::string Next() {
    if (answers.empty()) return std::string();
    std::string a = answers.front();
    answers.pop_front();
    return a;
  }
};

class ScriptedFolders : public FolderBrowserSeam {
 public:
  std::string BrowseRootFolder() override { return answer; }
  std::string answer;
};

class RecordingShell : public ShellSeam {
 public:
  void Execute(const std::string& operation, const std::string& target, const std::string&, const std::string&,
               int) override {
    calls.push_back(operation + " " + target);
  }
  std::vector<std::string> calls;
};

std::string TempFolder() {
  char base[MAX_PATH] = {};
  GetTempPathA(sizeof base, base);
  std::string folder = std::string(base) + "orbmw" + std::to_string(GetCurrentProcessId()) + "_" +
                       std::to_string(GetTickCount()) + "\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

void WriteText(const std::string& path, const std::string& text) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD n = 0;
  WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &n, nullptr);
  CloseHandle(f);
}

std::string ReadText(const std::string& path) {
  std::string data, error;
  Win32FileSystem().ReadFile(path, data, error);
  return data;
}

void RemoveTree(const std::string& folder) {
  std::string from = folder.substr(0, folder.size() - 1);
  from.append(2, '\0');
  SHFILEOPSTRUCTA op = {};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  SHFileOperationA(&op);
}

std::string Text(HWND hwnd) {
  char text[512] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

// The control's rectangle in its parent's client coordinates.
RECT RectInParent(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = TempFolder();
    window_.SetQuitOnDestroy(false);
    ASSERT_TRUE(window_.Create(GetModuleHandleA(nullptr), ""));
    // The editor's folder is a temporary one holding a stand-in player.
    WriteText(folder_ + "Orbstart.exe", "stand-in player");
    window_.Controller().Form_Load("", folder_ + "Orbmenu.exe", [](const std::string&) { return false; },
                                   [](const std::string& p) { return p; });
    ShowWindow(window_.Handle(), SW_SHOWNOACTIVATE);
    UpdateWindow(window_.Handle());
  }
  void TearDown() override {
    if (window_.Handle()) DestroyWindow(window_.Handle());
    RemoveTree(folder_);
  }
  HWND C(int id) { return window_.Control(id); }
  int Px(int twips) { return TwipsToPixels(twips, window_.Dpi()); }
  void Click(int id) { SendMessageA(C(id), BM_CLICK, 0, 0); }
  void Slide() {
    std::string want = window_.Controller().PanelMark() == "0" ? "1" : "0";
    Click(kId_cmdani);
    ASSERT_TRUE(PumpUntil([&] { return window_.Controller().PanelMark() == want; }, 20000));
  }
  // A CD root: the folder named by the environment variable, or one inside the test's folder.
  std::string CdRoot(const char* variable) {
    const char* chosen = std::getenv(variable);
    std::string root = chosen && *chosen ? chosen : folder_ + "cd\\";
    CreateDirectoryA(root.c_str(), nullptr);
    return root;
  }

  std::string folder_;
  RecordingMessages messages_;
  ScriptedDialogs dialogs_;
  ScriptedFolders folders_;
  RecordingShell shell_;
  Win32FileSystem files_;
  MemorySettingsStore settings_;
  MainWindow window_{{messages_, dialogs_, folders_, shell_, files_, settings_}};
};

TEST_F(MainWindowTest, ControlsShowTheirCaptionsAtTheirTwipsPositions) {
  EXPECT_EQ(Text(window_.Handle()), "Orbmenu v2.0");
  RECT client;
  GetClientRect(window_.Handle(), &client);
  EXPECT_EQ(client.right, Px(7440));
  EXPECT_EQ(client.bottom, Px(5520));
  struct Expect {
    int id;
    const char* text;
    TwipsRect twips;
  };
  const Expect expected[] = {
      {kId_lbltitle, "USER  APPLICATION  MODE", {0, 0, 7455, 375}},
      {kId_lbltitle2, "INTERACTIVE  MENU  MODE", {0, 5160, 7455, 375}},
      {kId_picback0, "", {0, 360, 7455, 4815}},
      {kId_cmdani, "", {20, 5160, 7440, 375}},
      {kId_lblroot, "Root Folder :", {960, 825, 1380, 240}},
      {kId_txtroot, "", {2400, 840, 3540, 285}},
      {kId_txtcmdline, "", {3480, 2640, 2460, 285}},
      {kId_cmdpreview, "&Preview", {2565, 3765, 1515, 375}},
      {kId_cmdgenerate, "&Generate", {4245, 3765, 1515, 375}},
      {kId_lblroll, "* Items Marked in Red are mandatory.", {120, 4560, 3015, 255}},
      {kId_lblback, "Background image :", {180, 720, 2160, 240}},
      {kId_lbllanguage, "Language :", {945, 2790, 1395, 240}},
      {kId_cmddefaultlanguage, "&Set Default...", {5550, 2775, 1260, 345}},
      {kId_lblpage, "Page :", {945, 3210, 1395, 240}},
      {kId_cmdaddpage, "&Add", {4065, 3195, 585, 345}},
      {kId_cmdpagedown, "Move page down", {6795, 3195, 345, 345}},
      {kId_cmdmenuspots, "&Create ", {4065, 3645, 765, 345}},
      {kId_cmdDelete, "&Delete", {5685, 3645, 765, 345}},
      {kId_cmdpreview2, "&Test", {2400, 4140, 1395, 375}},
      {kId_cmdgenerate2, "&Make Cd", {4560, 4140, 1395, 375}},
  };
  for (const Expect& e : expected) {
    HWND control = C(e.id);
    ASSERT_TRUE(control) << e.id;
    EXPECT_EQ(Text(control), e.text);
    RECT r = RectInParent(control);
    char cls[16] = {};
    GetClassNameA(control, cls, sizeof cls);
    if (std::string(cls) == "Static" && e.text[0]) {
      // A caption may take more room on its row than designed where the installed font is wider.
      EXPECT_LE(r.left, Px(e.twips.left)) << e.text;
      EXPECT_LE(r.top, Px(e.twips.top)) << e.text;
      EXPECT_GE(r.right, Px(e.twips.left + e.twips.width)) << e.text;
      EXPECT_GE(r.bottom, Px(e.twips.top + e.twips.height)) << e.text;
      continue;
    }
    EXPECT_EQ(r.left, Px(e.twips.left)) << e.text;
    EXPECT_EQ(r.top, Px(e.twips.top)) << e.text;
    EXPECT_EQ(r.right, Px(e.twips.left + e.twips.width)) << e.text;
    EXPECT_EQ(r.bottom, Px(e.twips.top + e.twips.height)) << e.text;
  }
  EXPECT_EQ(GetParent(C(kId_cmdgenerate2)), C(kId_picback1));
  EXPECT_TRUE(GetWindowLongA(C(kId_txtroot), GWL_STYLE) & ES_READONLY);
  EXPECT_FALSE(GetWindowLongA(C(kId_txtcmdline), GWL_STYLE) & ES_READONLY);
  char entry[64] = {};
  SendMessageA(C(kId_cmbmenu), CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(entry));
  EXPECT_STREQ(entry, " New Menu Spot");
  EXPECT_EQ(SendMessageA(C(kId_cmbmenu), CB_GETCURSEL, 0, 0), 0);
  SendMessageA(C(kId_cmbpage), CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(entry));
  EXPECT_STREQ(entry, "Home");
  EXPECT_EQ(SendMessageA(C(kId_cmbpage), CB_GETCURSEL, 0, 0), 0);
  EXPECT_FALSE(IsWindowEnabled(C(kId_cmdremovepage))) << "page 1 stays";
  HMENU menu = GetMenu(window_.Handle());
  char label[128] = {};
  GetMenuStringA(menu, kMenu_mnuconvert, label, sizeof label, MF_BYCOMMAND);
  EXPECT_STREQ(label, "&Convert 1.x OBM Projects to 2.x...\tCtrl+P");
  EXPECT_TRUE(GetMenuState(menu, kMenu_mnusaveprj, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_FALSE(GetMenuState(menu, kMenu_mnuopt, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(MainWindowTest, AMoveTo144DpiLaysEverythingOutAgainFromTwips) {
  RECT suggested;
  GetWindowRect(window_.Handle(), &suggested);
  SendMessageA(window_.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  ASSERT_EQ(window_.Dpi(), 144);
  RECT client;
  GetClientRect(window_.Handle(), &client);
  EXPECT_EQ(client.right, 744);  // 7440 twips at 10 twips a pixel
  RECT r = RectInParent(C(kId_cmdgenerate2));
  EXPECT_EQ(r.left, 456);
  EXPECT_EQ(r.top, 414);
  EXPECT_EQ(r.right - r.left, 140);
  r = RectInParent(C(kId_cmdani));
  EXPECT_EQ(r.top, 516);
  Slide();
  EXPECT_EQ(RectInParent(C(kId_cmdani)).top, 0);
}

TEST_F(MainWindowTest, TheBarSlidesToTheMenuPanelAndBack) {
  Slide();
  EXPECT_EQ(RectInParent(C(kId_cmdani)).top, 0);
  EXPECT_EQ(RectInParent(C(kId_picback0)).bottom, Px(360));
  EXPECT_EQ(Text(window_.Handle()), "Orbmenu v2.0 - (New project.obm)");
  EXPECT_FALSE(GetMenuState(GetMenu(window_.Handle()), kMenu_mnuldprj, MF_BYCOMMAND) & MF_GRAYED);
  // The bar lies over the simple panel's title band; the menu panel shows below it.
  POINT in_menu_panel = {Px(2400) + 4, Px(4140) + 4};
  EXPECT_EQ(ChildWindowFromPoint(C(kId_picback1), in_menu_panel), C(kId_cmdpreview2));
  Slide();
  EXPECT_EQ(RectInParent(C(kId_cmdani)).top, Px(5160));
  RECT panel = RectInParent(C(kId_picback0));
  EXPECT_EQ(panel.bottom - panel.top, Px(360 + 4935) - Px(360));
  EXPECT_TRUE(GetMenuState(GetMenu(window_.Handle()), kMenu_mnuldprj, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_EQ(Text(window_.Handle()), "Orbmenu v2.0");
}

// The title box's tooltip, as the tooltip control of this thread that knows the box holds it.
std::string TitleTip(HWND box) {
  for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, TOOLTIPS_CLASSA, nullptr));) {
    if (GetWindowThreadProcessId(w, nullptr) != GetCurrentThreadId()) continue;
    char text[1024] = {};
    TTTOOLINFOA info = {};
    info.cbSize = sizeof info;
    info.hwnd = GetParent(box);
    info.uId = reinterpret_cast<UINT_PTR>(box);
    info.lpszText = text;
    SendMessageA(w, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
    if (text[0]) return text;
  }
  return std::string();
}

TEST_F(MainWindowTest, TheTitleKeepsEveryCharacterAndItsTipSaysWhatAQuestionMarkDoes) {
  Slide();
  HWND box = C(kId_txtcdtitle);
  SetWindowTextA(box, "Holiday");
  EXPECT_EQ(TitleTip(box).find("wherever it stands"), std::string::npos) << TitleTip(box);
  SetWindowTextA(box, "What's new? Holiday");
  EXPECT_NE(TitleTip(box).find("wherever it stands"), std::string::npos) << TitleTip(box);
  SetWindowTextW(box, L"What's new? \x03A3\x03B5\x03BB\x03AF\x03B4\x03B1 \x65E5\x672C");
  EXPECT_TRUE(messages_.boxes.empty());
  EXPECT_EQ(window_.Controller().Model().Data().CdTitle,
            "What's new? \xCE\xA3\xCE\xB5\xCE\xBB\xCE\xAF\xCE\xB4\xCE\xB1 \xE6\x97\xA5\xE6\x9C\xAC");
}

TEST_F(MainWindowTest, AVersionShowsTheDefaultsBackgroundGreyedAndLocksTheRest) {
  Slide();
  SetWindowTextA(C(kId_txtcdtitle), "Holiday");
  window_.Controller().Model().SetField(ProjectField::BackgroundImage, "C:\\cd\\imgmusic\\back.jpg");
  window_.Controller().Model().AddLanguage("de");
  window_.Controller().cmblanguage_Click(1);
  // The title's hint is its cue banner (comctl32 6, which the editor's manifest gives, not this test).
  EXPECT_EQ(Text(C(kId_txtcdtitle)), "");
  EXPECT_EQ(SendMessageA(C(kId_cmblanguage), CB_GETCURSEL, 0, 0), 1);
  EXPECT_FALSE(IsWindowEnabled(C(kId_cmdindex2_3)) || IsWindowEnabled(C(kId_cmdmenuspots)));
  // The read-only background field shows the default's path greyed, its browse button free.
  EXPECT_EQ(Text(C(kId_txtindex2_2)), "C:\\cd\\imgmusic\\back.jpg");
  EXPECT_FALSE(IsWindowEnabled(C(kId_txtindex2_2)));
  EXPECT_TRUE(IsWindowEnabled(C(kId_cmdindex2_2)));
  window_.Controller().cmblanguage_Click(0);
  EXPECT_EQ(Text(C(kId_txtcdtitle)), "Holiday");
  EXPECT_TRUE(IsWindowEnabled(C(kId_cmdindex2_3)) && IsWindowEnabled(C(kId_txtindex2_2)));
}

TEST_F(MainWindowTest, GenerateInTheSimplePanelWritesACdRoot) {
  std::string root = CdRoot("ORB_SIMPLE_CD_OUT");
  std::string outside = folder_ + "setup.exe";
  WriteText(outside, "program");
  folders_.answer = root;
  Click(kId_cmdroot);
  EXPECT_EQ(Text(C(kId_txtroot)), root);
  dialogs_.answers = {outside};
  Click(kId_cmdindex1);
  EXPECT_EQ(Text(C(kId_txtindex1)), root + "setup.exe");
  EXPECT_EQ(ReadText(root + "setup.exe"), "program") << "copied by the shell";
  SendMessageA(C(kId_txtcmdline), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("/auto"));
  messages_.boxes.clear();
  Click(kId_cmdgenerate);
  ASSERT_EQ(messages_.boxes.size(), 1u);
  EXPECT_EQ(messages_.boxes[0].title, "Success");
  EXPECT_EQ(ReadText(root + "menu.cfg"), "false\r\n");
  EXPECT_EQ(ReadText(root + "Orbstart.exe"), "stand-in player");
  EXPECT_EQ(ReadText(root + "autorun.des").size(), 616u);
  EXPECT_NE(ReadText(root + "autorun.des").find("\\setup.exe"), std::string::npos);
  Click(kId_cmdpreview);
  ASSERT_EQ(shell_.calls.size(), 1u);
  EXPECT_EQ(shell_.calls[0], "Open " + root + "Orbstart.exe");
}

TEST_F(MainWindowTest, AFileInsideTheRootInAnotherSpellingIsUsedInPlaceAndKeepsItsBytes) {
  std::string root = folder_ + "Cd\\";
  CreateDirectoryA(root.c_str(), nullptr);
  std::string bytes(70000, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 13 % 253);
  WriteText(root + "Intro.WAV", bytes);
  folders_.answer = root;
  Click(kId_cmdroot);
  std::string other = root;
  for (char& c : other) c = c == '\\' ? '/' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  dialogs_.answers = {other + "intro.wav"};
  messages_.boxes.clear();
  Click(kId_cmdindex2);
  EXPECT_EQ(Text(C(kId_txtindex2)), root + "intro.wav");
  EXPECT_TRUE(messages_.boxes.empty()) << "no copy announced";
  EXPECT_EQ(ReadText(root + "Intro.WAV"), bytes);
}

TEST_F(MainWindowTest, MakeCdInTheMenuPanelWritesACdRoot) {
  std::string root = CdRoot("ORB_MENU_CD_OUT");
  Slide();
  folders_.answer = root;
  Click(kId_cmdroot2);
  DWORD attributes = GetFileAttributesA((root + "imgmusic").c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
  WriteText(folder_ + "back.bmp", "BM");
  dialogs_.answers = {folder_ + "back.bmp"};
  Click(kId_cmdindex2_2);
  EXPECT_EQ(Text(C(kId_txtindex2_2)), root + "imgmusic\\back.bmp");
  SendMessageA(C(kId_txtcdtitle), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("My CD"));
  EXPECT_EQ(window_.Controller().Model().Data().CdTitle, "My CD");
  EXPECT_TRUE(window_.Controller().Model().Dirty());
  messages_.boxes.clear();
  Click(kId_cmdgenerate2);
  ASSERT_EQ(messages_.boxes.size(), 1u);
  EXPECT_EQ(messages_.boxes[0].text, "Minimum one Menu spot is needed.Please Click Create.");
  MenuSpot spot;
  spot.Name = "Quit";
  spot.Action = 6;
  spot.RolloverImage = root + "imgmusic\\back.bmp";
  spot.X = 150;
  spot.Y = 300;
  window_.Controller().Model().AddSpot(spot);
  window_.Controller().Changed();
  char entry[64] = {};
  SendMessageA(C(kId_cmbmenu), CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(entry));
  EXPECT_STREQ(entry, "Quit");
  messages_.boxes.clear();
  Click(kId_cmdgenerate2);
  ASSERT_EQ(messages_.boxes.size(), 1u);
  EXPECT_EQ(messages_.boxes[0].title, "Success");
  EXPECT_EQ(ReadText(root + "menu.cfg").rfind("true\r\n\\imgmusic\\back.bmp\r\nMy CD\r\n", 0), 0u);
  EXPECT_NE(ReadText(root + "autorun.inf").find("OPEN=Orbstart.exe"), std::string::npos);
  Click(kId_cmdpreview2);
  EXPECT_EQ(messages_.boxes.size(), 1u) << "Test shows no success message";
  ASSERT_EQ(shell_.calls.size(), 1u);
  EXPECT_EQ(shell_.calls[0], "Open " + root + "Orbstart.exe");
}

TEST_F(MainWindowTest, DeleteRemovesTheSelectedSpotFromTheList) {
  Slide();
  for (const char* name : {"One", "Two", "Three"}) {
    MenuSpot spot;
    spot.Name = name;
    window_.Controller().Model().AddSpot(spot);
  }
  window_.Controller().Changed();
  SendMessageA(C(kId_cmbmenu), CB_SETCURSEL, 2, 0);
  SendMessageA(C(kId_picback1), WM_COMMAND, MAKEWPARAM(kId_cmbmenu, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(C(kId_cmbmenu)));
  Click(kId_cmdDelete);
  ASSERT_EQ(SendMessageA(C(kId_cmbmenu), CB_GETCOUNT, 0, 0), 3);
  char entry[64] = {};
  SendMessageA(C(kId_cmbmenu), CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(entry));
  EXPECT_STREQ(entry, "Three");
  EXPECT_EQ(SendMessageA(C(kId_cmbmenu), CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(messages_.boxes.back().text, "Menu Spot successsfully deleted.");
}

// --- the Options window and the registry ---

int g_options_step = 0;
int g_checked_on_reopen = -1;

void CALLBACK DriveOptions(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND options = FindWindowA(nullptr, kOptionsTitle);
  if (!options || !IsWindowVisible(options)) return;
  KillTimer(nullptr, timer);
  if (g_options_step == 0) {  // first opening: tick two boxes and save
    SendMessageA(GetDlgItem(options, kOpt_chklastprj), BM_CLICK, 0, 0);
    SendMessageA(GetDlgItem(options, kOpt_chkimm), BM_CLICK, 0, 0);
    SendMessageA(GetDlgItem(options, kOpt_cmdok), BM_CLICK, 0, 0);
  } else {  // second opening: read the boxes and leave with Esc
    g_checked_on_reopen = (IsDlgButtonChecked(options, kOpt_chklastprj) == BST_CHECKED ? 1 : 0) +
                          (IsDlgButtonChecked(options, kOpt_chkimm) == BST_CHECKED ? 2 : 0) +
                          (IsDlgButtonChecked(options, kOpt_chkRtxruntimes) == BST_CHECKED ? 4 : 0);
    HWND focus = GetDlgItem(options, kOpt_chklastprj);
    PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 0);
  }
}

TEST(OptionsWindowTest, SaveWritesTheRegistryAndTheValuesComeBack) {
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\OBM\\Options");
  RegistrySettingsStore settings;
  RecordingMessages messages;
  g_options_step = 0;
  SetTimer(nullptr, 0, 50, DriveOptions);
  ShowOptionsWindow(nullptr, settings, messages);
  EXPECT_EQ(settings.Read("OBM", "Options", "LastSaved"), "1");
  EXPECT_EQ(settings.Read("OBM", "Options", "IMM"), "1");
  EXPECT_EQ(settings.Read("OBM", "Options", "RtxRuntimes"), "0");
  ASSERT_EQ(messages.boxes.size(), 1u);
  EXPECT_EQ(messages.boxes[0].text, "Settings Saved Successfully.");

  settings.Write("OBM", "Options", "RtxRuntimes", "1");
  g_options_step = 1;
  SetTimer(nullptr, 0, 50, DriveOptions);
  ShowOptionsWindow(nullptr, settings, messages);
  EXPECT_EQ(g_checked_on_reopen, 7);
  EXPECT_EQ(messages.boxes.size(), 1u) << "Exit writes and says nothing";
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\OBM\\Options");
}

}  // namespace
}  // namespace orb
