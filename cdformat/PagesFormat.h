// The pages text: the pages after the first, in the project file after its last spot and in the CD
// root's pages.cfg. The layout is in docs/pages.md; this header holds what its writers and readers share.
#pragma once

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

}  // namespace orb
