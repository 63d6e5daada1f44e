// The pages text: the pages after the first, in the project file after its last spot and in the CD
// root's pages.cfg. The layout is in docs/pages.md; this header holds what its writers and readers share.
#pragma once

#include <string>

namespace orb {

// The version line that opens the pages text. A reader refuses a text whose first word matches but
// whose version it does not know, so a newer file never loads as a one-page project silently.
inline constexpr const char* kPagesVersionLine = "Orbmenu pages 1";
// Version 2 is version 1 followed by the language versions; only a project that has them writes it, so
// that a project without them writes the bytes it always wrote.
inline constexpr const char* kPagesVersion2Line = "Orbmenu pages 2";
inline constexpr const char* kPagesVersionPrefix = "Orbmenu pages ";

// The CD root's file of the further pages, beside menu.cfg; written only for a menu of several pages.
inline constexpr const char* kPagesFileName = "pages.cfg";

// The key words of a language version's texts, indexed by LanguageField: "tooltip 1 2" is the tooltip of
// spot 2 of page 1, "title 3" the window title of page 3.
inline constexpr const char* kLanguageFieldKeywords[] = {"title", "background", "tooltip", "rollover", "target"};
inline constexpr int kLanguageFieldCount = 5;

// After version 2's language part: the true texts of page 1 and of the menu that the ANSI files (the project
// file's first part, menu.cfg, autorun.des) hold only as the code page's fallback. A text without this line
// after its language part has none; a reader of the older version 2 stops before it.
inline constexpr const char* kTrueTextsLine = "Texts outside the code page";
// Their keys: the menu's fields alone ("title"), a spot's with the spot's number ("tooltip 3"). The project
// file also carries "root" and "icon"; pages.cfg does not need the icon, which autorun.inf holds as UTF-16.
// A simple autorun's pages.cfg holds the texts of autorun.des: "program", "sound" and "commandline".
inline constexpr const char* kTrueTextMenuFields[] = {"root",   "title",  "icon",    "sound",
                                                      "background", "splash", "program", "commandline"};
inline constexpr const char* kTrueTextSpotFields[] = {"name",      "tooltip",    "target", "rollover",
                                                      "movesound", "clicksound", "pointer"};

// A text of page 1 or of the menu that the code page lacks: the ANSI file holds its fallback, the pages text
// this true value.
struct TrueText {
  std::string Field;  // a keyword of kTrueTextMenuFields or kTrueTextSpotFields
  int Spot = 0;       // the spot (from 1) for a spot's field, else 0
  std::string Value;  // the line as the ANSI file would hold it (its path form), in UTF-8
};


}  // namespace orb
