// The controls of frmmain: identifiers, captions, tooltips, fonts, colours and twips positions, and the
// code that creates and places them at the window's DPI.
#pragma once

#include <windows.h>

#include "editor/windows/MainWindowController.h"

namespace orb {

// Control identifiers. Controls of a panel are children of that panel (use MainWindow::Control).
enum MainControlId : int {
  kId_lbltitle = 100, kId_lbltitle2, kId_picback0, kId_picback1, kId_cmdani,
  // simple panel (picback entry 0)
  kId_lblroot = 110, kId_txtroot, kId_cmdroot, kId_lblicon, kId_txtindex0, kId_cmdindex0, kId_lblstart,
  kId_txtindex1, kId_cmdindex1, kId_lblcmdline, kId_txtcmdline, kId_lblsound, kId_txtindex2, kId_cmdindex2,
  kId_cmdpreview, kId_cmdgenerate, kId_lblroll,
  // menu panel (picback entry 1)
  kId_lblroot2 = 130, kId_txtroot2, kId_cmdroot2, kId_lblback, kId_txtindex2_2, kId_cmdindex2_2, kId_lblcdicon,
  kId_txtindex2_0, kId_cmdindex2_0, kId_lblcdtitle, kId_txtcdtitle, kId_lblsplash, kId_txtindex2_3,
  kId_cmdindex2_3, kId_lblsound2, kId_txtindex2_1, kId_cmdindex2_1, kId_lblspots, kId_cmbmenu, kId_cmdmenuspots,
  kId_cmdedit, kId_cmdDelete, kId_cmdpreview2, kId_cmdgenerate2, kId_lblroll2,
  kId_lblpage, kId_cmbpage, kId_cmdaddpage, kId_cmdrenamepage, kId_cmdremovepage, kId_cmdpageup, kId_cmdpagedown,
  kId_lbllanguage, kId_cmblanguage, kId_cmdaddlanguage, kId_cmdremovelanguage, kId_cmddefaultlanguage,
};

// Menu bar command identifiers.
enum MainMenuId : int {
  kMenu_mnunewprj = 200, kMenu_mnuldprj, kMenu_mnusaveprj, kMenu_mnuexit, kMenu_mnuconvert, kMenu_mnuopt,
  kMenu_mnutopics, kMenu_mnuwebsite, kMenu_mnusoft, kMenu_mnuupdate, kMenu_mnuabout,
  kMenu_mnudiscimage,
};

// Window class of the two panels (picback entries 0 and 1).
constexpr char kMainPanelClass[] = "OrbmenuPanel";
constexpr wchar_t kMainPanelWideClass[] = L"OrbmenuPanel";  // registered wide: a Unicode window

enum class FontKind { None, Title, Caption, Field, FieldSmall, Small };
enum class ColourKind { Normal, Title, Red };
enum class CursorKind { None, Hand, Point };

struct ControlSpec {
  int id;
  int panel;  // -1 the form, 0 the simple panel, 1 the menu panel
  const char* window_class;
  const char* text;
  DWORD style;
  DWORD ex_style;
  TwipsRect rect;
  FontKind font;
  ColourKind colour;
  const char* tooltip;
  CursorKind cursor;
  const char* icon;  // icon resource shown on an image button
};

// Every control of the window, from back to front within each parent.
const ControlSpec* MainControlSpecs(size_t& count);
const ControlSpec* FindControlSpec(int id);

// Twips to pixels at dpi (1440 twips to the inch).
inline int TwipsToPixels(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }

// The fonts of the window at one DPI.
struct MainFonts {
  HFONT title = nullptr, caption = nullptr, field = nullptr, field_small = nullptr, small = nullptr;
  void Create(int dpi);
  void Destroy();
  HFONT For(FontKind kind) const;
};

// The menu bar with its shortcuts, and the matching accelerator table.
HMENU CreateMainMenu();
HACCEL CreateMainAccelerators();
// Whether one of the menu bar's own entries has key (any case) as its mnemonic.
bool IsMenuBarMnemonic(HMENU bar, char key);
// Which controller command a menu identifier stands for; false for other identifiers.
bool MenuCommandFor(int id, MainMenuCommand& command);

}  // namespace orb
