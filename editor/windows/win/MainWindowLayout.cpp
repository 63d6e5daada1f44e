// frmmain's control table, fonts and menu bar; see MainWindowLayout.h.
#include "editor/windows/win/MainWindowLayout.h"

#include <cctype>
#include <cstring>

namespace orb {

namespace {

constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | SS_NOPREFIX;
// Row captions end where their fields begin.
constexpr DWORD kCaptionLabel = kLabel | SS_RIGHT;
constexpr DWORD kTitleLabel = WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE | WS_CLIPSIBLINGS;
constexpr DWORD kReadOnly = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY;
constexpr DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kImageButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_ICON;
constexpr DWORD kPanel = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD kBorder = WS_EX_CLIENTEDGE;
// Tab and mnemonics reach into the panels.
constexpr DWORD kControlParent = WS_EX_CONTROLPARENT;

const char* const kTipRoot = "All the files to be burnt to Cd will be kept here.";
const char* const kTipLocateRoot = "Click here to locate your desired folder.";
const char* const kTipIcon = "This will be the icon of your  Cd  in place of the default cd drive icon.";
const char* const kTipLocateIcon = "Click here to locate your cd icon.";
const char* const kTipSound =
    "This file will be automatically played when you insert your Cd.It can be mp3,wav,mid file.";
const char* const kTipPreview =
    "Click to see a preview of how your Cd will function after you insert it in Cd drive.";
const char* const kTipGenerate = "Click to generate all the files needed to make your desired Autorun Cd.";
const char* const kRoll = "* Items Marked in Red are mandatory.";

using F = FontKind;
using C = ColourKind;
using K = CursorKind;

// clang-format off
const ControlSpec kSpecs[] = {
  // The form, from back to front.
  {kId_lbltitle, -1, "STATIC", "USER  APPLICATION  MODE", kTitleLabel, 0, {0, 0, 7455, 375}, F::Title, C::Title, nullptr, K::None, nullptr},
  {kId_lbltitle2, -1, "STATIC", "INTERACTIVE  MENU  MODE", kTitleLabel, 0, {0, 5160, 7455, 375}, F::Title, C::Title, nullptr, K::None, nullptr},
  {kId_picback1, -1, kMainPanelClass, "", kPanel, kControlParent, {0, 360, 7455, 4815}, F::None, C::Normal, nullptr, K::None, nullptr},
  {kId_picback0, -1, kMainPanelClass, "", kPanel, kControlParent, {0, 360, 7455, 4815}, F::None, C::Normal, nullptr, K::None, nullptr},
  {kId_cmdani, -1, "BUTTON", "", kImageButton | WS_CLIPSIBLINGS, 0, {20, 5160, 7440, 375}, F::None, C::Normal,
   "Click here to switch between two modes of this application.", K::Point, "ARROW_UP"},

  // The simple autorun panel.
  {kId_lblroot, 0, "STATIC", "Root Folder :", kCaptionLabel, 0, {960, 825, 1380, 240}, F::Caption, C::Red, nullptr, K::None, nullptr},
  {kId_txtroot, 0, "EDIT", "", kReadOnly, kBorder, {2400, 840, 3540, 285}, F::Field, C::Normal, kTipRoot, K::None, nullptr},
  {kId_cmdroot, 0, "BUTTON", "", kImageButton, 0, {6120, 690, 480, 480}, F::None, C::Normal, kTipLocateRoot, K::Hand, "FOLDER"},
  {kId_lblicon, 0, "STATIC", "CD-Icon :", kCaptionLabel, 0, {1320, 1425, 1020, 240}, F::Caption, C::Normal, nullptr, K::None, nullptr},
  {kId_txtindex0, 0, "EDIT", "", kReadOnly, kBorder, {2400, 1440, 3540, 285}, F::Field, C::Normal, kTipIcon, K::None, nullptr},
  {kId_cmdindex0, 0, "BUTTON", "", kImageButton, 0, {6120, 1420, 360, 360}, F::None, C::Normal, kTipLocateIcon, K::Hand, "BROWSE"},
  {kId_lblstart, 0, "STATIC", "Start Program :", kCaptionLabel, 0, {675, 2025, 1665, 240}, F::Caption, C::Normal, nullptr, K::None, nullptr},
  {kId_txtindex1, 0, "EDIT", "", kReadOnly, kBorder, {2400, 2040, 3555, 285}, F::Field, C::Normal,
   "This program will be automatically when you insert the Cd.It can be any file(bmp,mp3,exe).", K::None, nullptr},
  {kId_cmdindex1, 0, "BUTTON", "", kImageButton, 0, {6120, 2017, 360, 330}, F::None, C::Normal,
   "Click here to locate a program or file.", K::Hand, "BROWSE"},
  {kId_lblcmdline, 0, "STATIC", "Command Line Parameters :", kCaptionLabel, 0, {945, 2640, 2475, 195}, F::Caption, C::Normal, nullptr, K::None, nullptr},
  {kId_txtcmdline, 0, "EDIT", "", kEdit, kBorder, {3480, 2640, 2460, 285}, F::Field, C::Normal,
   "For advanced users only.The above selected program's command line parameters can be specified here.", K::None, nullptr},
  {kId_lblsound, 0, "STATIC", "Sound File :", kCaptionLabel, 0, {1080, 3225, 1260, 240}, F::Caption, C::Normal, nullptr, K::None, nullptr},
  {kId_txtindex2, 0, "EDIT", "", kReadOnly, kBorder, {2400, 3240, 3540, 285}, F::Field, C::Normal, kTipSound, K::None, nullptr},
  {kId_cmdindex2, 0, "BUTTON", "", kImageButton, 0, {6120, 3170, 360, 360}, F::None, C::Normal,
   "Click to locate your sound file.", K::Hand, "BROWSE"},
  {kId_cmdpreview, 0, "BUTTON", "&Preview", kButton, 0, {2565, 3765, 1515, 375}, F::Caption, C::Normal, kTipPreview, K::Point, nullptr},
  {kId_cmdgenerate, 0, "BUTTON", "&Generate", kButton, 0, {4245, 3765, 1515, 375}, F::Caption, C::Normal, kTipGenerate, K::Point, nullptr},
  {kId_lblroll, 0, "STATIC", kRoll, kLabel, 0, {120, 4560, 3015, 255}, F::Field, C::Red, nullptr, K::None, nullptr},

  // The interactive menu panel.
  {kId_lblroot2, 1, "STATIC", "Root Folder :", kCaptionLabel, 0, {960, 300, 1380, 240}, F::Caption, C::Red, nullptr, K::None, nullptr},
  {kId_txtroot2, 1, "EDIT", "", kReadOnly, kBorder, {2400, 330, 3540, 240}, F::FieldSmall, C::Normal, kTipRoot, K::None, nullptr},
  {kId_cmdroot2, 1, "BUTTON", "", kImageButton, 0, {6120, 225, 360, 405}, F::None, C::Normal, kTipLocateRoot, K::Hand, "FOLDER"},
  {kId_lblback, 1, "STATIC", "Background image :", kCaptionLabel, 0, {180, 720, 2160, 240}, F::Caption, C::Red, nullptr, K::None, nullptr},
  {kId_txtindex2_2, 1, "EDIT", "", kReadOnly, kBorder, {2400, 750, 3540, 240}, F::FieldSmall, C::Normal,
   "This image will be displayed automatically when you insert your Cd in the Cd drive.", K::None, nullptr},
  {kId_cmdindex2_2, 1, "BUTTON", "", kImageButton, 0, {6120, 750, 300, 300}, F::None, C::Normal,
   "Click to locate the image.", K::Hand, "BROWSE"},
  {kId_lblcdicon, 1, "STATIC", "CD Icon :", kCaptionLabel, 0, {1365, 1125, 975, 240}, F::Caption, C::Normal, nullptr, K::None, nullptr},
  {kId_txtindex2_0, 1, "EDIT", "", kReadOnly, kBorder, {2400, 1140, 3540, 240}, F::FieldSmall, C::Normal, kTipIcon, K::None, nullptr},
  {kId_cmdindex2_0, 1, "BUTTON", "", kImageButton, 0, {6105, 1125, 360, 360}, F::None, C::Normal, kTipLocateIcon, K::Hand, "BROWSE"},
  {kId_lblcdtitle, 1, "STATIC", "CD Title :", kCaptionLabel, 0, {1380, 1530, 960, 240}, F::Caption, C::Normal, nullptr, K::None, nullptr},
  {kId_txtcdtitle, 1, "EDIT", "", kEdit, kBorder, {2400, 1545, 3540, 240}, F::FieldSmall, C::Normal,
   "This will be the Text displayed on the Window bar.Place a ? mark before the title to make the menu appear as a "
   "splash screen.Read help for more info.", K::None, nullptr},
  {kId_lblsplash, 1, "STATIC", "Splash Screen :", kCaptionLabel, 0, {675, 1935, 1665, 240}, F::Caption, C::Normal, nullptr, K::None, nullptr},
  {kId_txtindex2_3, 1, "EDIT", "", kReadOnly, kBorder, {2400, 1950, 3540, 240}, F::FieldSmall, C::Normal,
   "This image will appear as splash screen when the Cd is inserted into drive.", K::None, nullptr},
  {kId_cmdindex2_3, 1, "BUTTON", "", kImageButton, 0, {6075, 1935, 360, 360}, F::None, C::Normal,
   "Click here to locate your splash screen image.", K::Hand, "BROWSE"},
  {kId_lblsound2, 1, "STATIC", "Sound File :", kCaptionLabel, 0, {1080, 2340, 1260, 240}, F::Caption, C::Normal, nullptr, K::None, nullptr},
  {kId_txtindex2_1, 1, "EDIT", "", kReadOnly, kBorder, {2400, 2355, 3540, 240}, F::FieldSmall, C::Normal, kTipSound, K::None, nullptr},
  {kId_cmdindex2_1, 1, "BUTTON", "", kImageButton, 0, {6105, 2310, 360, 360}, F::None, C::Normal,
   "Click to locate your sound file.", K::Hand, "BROWSE"},
  // The language row: the title, background and spot texts are the chosen language's; a version's own
  // fields show what it gives, the rest stays the default's.
  {kId_lbllanguage, 1, "STATIC", "Language :", kCaptionLabel, 0, {945, 2790, 1395, 240}, F::Caption, C::Normal, nullptr, K::None, nullptr},
  {kId_cmblanguage, 1, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0,
   {2400, 2790, 1575, 300}, F::FieldSmall, C::Normal,
   "The language being edited: the menu's own (default) or one of its language versions, whose titles, "
   "tooltips, pictures and targets replace the default's where given.", K::None, nullptr},
  {kId_cmdaddlanguage, 1, "BUTTON", "Add", kButton, 0, {4065, 2775, 585, 345}, F::Field, C::Normal,
   "Add a language version of the menu and translate it.", K::Hand, nullptr},
  {kId_cmdremovelanguage, 1, "BUTTON", "&Remove", kButton, 0, {4695, 2775, 810, 345}, F::Field, C::Normal,
   "Delete this language version and all its texts.", K::Hand, nullptr},
  {kId_cmddefaultlanguage, 1, "BUTTON", "&Set Default...", kButton, 0, {5550, 2775, 1260, 345}, F::Field, C::Normal,
   "Set the language tag of the menu's own texts (such as en), the language shown when no version fits.",
   K::Hand, nullptr},
  // The page row: the title, background and spots above and below it are the chosen page's.
  {kId_lblpage, 1, "STATIC", "Page :", kCaptionLabel, 0, {945, 3210, 1395, 240}, F::Caption, C::Normal, nullptr, K::None, nullptr},
  {kId_cmbpage, 1, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0,
   {2400, 3210, 1575, 300}, F::FieldSmall, C::Normal,
   "The page of the menu being edited: its CD title, background image and menu spots. The first page is "
   "where the menu starts.", K::None, nullptr},
  {kId_cmdaddpage, 1, "BUTTON", "&Add", kButton, 0, {4065, 3195, 585, 345}, F::Field, C::Normal,
   "Add a page to the menu and edit it.", K::Hand, nullptr},
  {kId_cmdrenamepage, 1, "BUTTON", "Re&name", kButton, 0, {4695, 3195, 810, 345}, F::Field, C::Normal,
   "Rename this page; the menu spots that lead to it follow.", K::Hand, nullptr},
  {kId_cmdremovepage, 1, "BUTTON", "Remo&ve", kButton, 0, {5550, 3195, 810, 345}, F::Field, C::Normal,
   "Delete this page and its menu spots.", K::Hand, nullptr},
  // Arrow buttons carry their text for screen readers; they show only the icon.
  {kId_cmdpageup, 1, "BUTTON", "Move page up", kImageButton, 0, {6405, 3195, 345, 345}, F::None, C::Normal,
   "Move this page up.", K::Hand, "ARROW_UP"},
  {kId_cmdpagedown, 1, "BUTTON", "Move page down", kImageButton, 0, {6795, 3195, 345, 345}, F::None, C::Normal,
   "Move this page down.", K::Hand, "ARROW_DOWN"},
  {kId_lblspots, 1, "STATIC", "Menu Spots :", kCaptionLabel, 0, {945, 3660, 1395, 240}, F::Caption, C::Red, nullptr, K::None, nullptr},
  {kId_cmbmenu, 1, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0,
   {2400, 3660, 1575, 300}, F::FieldSmall, C::Normal,
   "Select a Menu Spot on the desired location in the selected background image.", K::None, nullptr},
  {kId_cmdmenuspots, 1, "BUTTON", "&Create ", kButton, 0, {4065, 3645, 765, 345}, F::Field, C::Normal,
   "Create a New Menu Spot.", K::Hand, nullptr},
  {kId_cmdedit, 1, "BUTTON", "&Edit", kButton, 0, {4875, 3645, 765, 345}, F::Field, C::Normal,
   "Edit a created menu spot.First select a menu spot created & then click this button.", K::Hand, nullptr},
  {kId_cmdDelete, 1, "BUTTON", "&Delete", kButton, 0, {5685, 3645, 765, 345}, F::Field, C::Normal, nullptr, K::Hand, nullptr},
  {kId_cmdpreview2, 1, "BUTTON", "&Test", kButton, 0, {2400, 4140, 1395, 375}, F::Caption, C::Normal, kTipPreview, K::Point, nullptr},
  {kId_cmdgenerate2, 1, "BUTTON", "&Make Cd", kButton, 0, {4560, 4140, 1395, 375}, F::Caption, C::Normal, kTipGenerate, K::Point, nullptr},
  {kId_lblroll2, 1, "STATIC", kRoll, kLabel, 0, {120, 4560, 3015, 255}, F::Field, C::Red, nullptr, K::None, nullptr},
};
// clang-format on

HFONT MakeFont(const char* face, int hundredths_of_points, bool bold, int dpi) {
  int height = -MulDiv(hundredths_of_points, dpi, 7200);
  return CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
}

}  // namespace

const ControlSpec* MainControlSpecs(size_t& count) {
  count = sizeof kSpecs / sizeof kSpecs[0];
  return kSpecs;
}

const ControlSpec* FindControlSpec(int id) {
  for (const ControlSpec& spec : kSpecs)
    if (spec.id == id) return &spec;
  return nullptr;
}

void MainFonts::Create(int dpi) {
  Destroy();
  title = MakeFont("Arial", 1425, true, dpi);
  caption = MakeFont("Verdana", 975, true, dpi);
  field = MakeFont("Verdana", 825, false, dpi);
  field_small = MakeFont("Verdana", 675, false, dpi);
  small = MakeFont("Verdana", 825, false, dpi);
}

void MainFonts::Destroy() {
  for (HFONT* font : {&title, &caption, &field, &field_small, &small}) {
    if (*font) DeleteObject(*font);
    *font = nullptr;
  }
}

HFONT MainFonts::For(FontKind kind) const {
  switch (kind) {
    case FontKind::Title: return title;
    case FontKind::Caption: return caption;
    case FontKind::Field: return field;
    case FontKind::FieldSmall: return field_small;
    case FontKind::Small: return small;
    case FontKind::None: break;
  }
  return nullptr;
}

HMENU CreateMainMenu() {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, kMenu_mnunewprj, L"&New Project\tCtrl+N");
  AppendMenuW(file, MF_STRING, kMenu_mnuldprj, L"&Load Project\tCtrl+L");
  AppendMenuW(file, MF_STRING, kMenu_mnusaveprj, L"&Save Project\tCtrl+S");
  AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(file, MF_STRING, kMenu_mnudiscimage, L"Make Disc &Image...\tCtrl+I");
  AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(file, MF_STRING, kMenu_mnuexit, L"E&xit");
  HMENU tools = CreatePopupMenu();
  AppendMenuW(tools, MF_STRING, kMenu_mnuconvert, L"&Convert 1.x OBM Projects to 2.x...\tCtrl+P");
  AppendMenuW(tools, MF_STRING, kMenu_mnuopt, L"&Options...\tCtrl+O");
  HMENU help = CreatePopupMenu();
  AppendMenuW(help, MF_STRING, kMenu_mnutopics, L"&Contents\tF1");
  AppendMenuW(help, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(help, MF_STRING, kMenu_mnuwebsite, L"&Visit Website");
  AppendMenuW(help, MF_STRING, kMenu_mnusoft, L"&Get more software");
  AppendMenuW(help, MF_STRING, kMenu_mnuupdate, L"C&heck for Update...");
  AppendMenuW(help, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(help, MF_STRING, kMenu_mnuabout, L"&About...");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(tools), L"&Tools");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"&Help");
  return bar;
}

HACCEL CreateMainAccelerators() {
  ACCEL keys[] = {
      {FVIRTKEY | FCONTROL, 'N', kMenu_mnunewprj}, {FVIRTKEY | FCONTROL, 'L', kMenu_mnuldprj},
      {FVIRTKEY | FCONTROL, 'S', kMenu_mnusaveprj}, {FVIRTKEY | FCONTROL, 'P', kMenu_mnuconvert},
      {FVIRTKEY | FCONTROL, 'O', kMenu_mnuopt},     {FVIRTKEY, VK_F1, kMenu_mnutopics},
      {FVIRTKEY | FCONTROL, 'I', kMenu_mnudiscimage},
  };
  return CreateAcceleratorTableW(keys, sizeof keys / sizeof keys[0]);
}

bool IsMenuBarMnemonic(HMENU bar, char key) {
  for (int i = 0, n = GetMenuItemCount(bar); i < n; ++i) {
    wchar_t text[64] = {};
    GetMenuStringW(bar, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
    const wchar_t* amp = wcschr(text, L'&');
    if (amp && amp[1] && amp[1] < 0x80 &&
        std::toupper(static_cast<unsigned char>(amp[1])) == std::toupper(static_cast<unsigned char>(key)))
      return true;
  }
  return false;
}

bool MenuCommandFor(int id, MainMenuCommand& command) {
  switch (id) {
    case kMenu_mnunewprj: command = MainMenuCommand::NewProject; return true;
    case kMenu_mnuldprj: command = MainMenuCommand::LoadProject; return true;
    case kMenu_mnusaveprj: command = MainMenuCommand::SaveProject; return true;
    case kMenu_mnudiscimage: command = MainMenuCommand::MakeDiscImage; return true;
    case kMenu_mnuexit: command = MainMenuCommand::Exit; return true;
    case kMenu_mnuconvert: command = MainMenuCommand::Convert; return true;
    case kMenu_mnuopt: command = MainMenuCommand::Options; return true;
    case kMenu_mnutopics: command = MainMenuCommand::Contents; return true;
    case kMenu_mnuwebsite: command = MainMenuCommand::Website; return true;
    case kMenu_mnusoft: command = MainMenuCommand::MoreSoftware; return true;
    case kMenu_mnuupdate: command = MainMenuCommand::Update; return true;
    case kMenu_mnuabout: command = MainMenuCommand::About; return true;
    default: return false;
  }
}

}  // namespace orb
