// The player's reader of pages.cfg, the menu's pages after the first (layout in docs/pages.md). Like the
// other readers it takes the file's bytes, never crashes on any input and reports the first problem with
// the file's name and line.
#pragma once

#include <string>
#include <string_view>

#include "cdformat/CdReaders.h"
#include "common/NativeText.h"

namespace orb {

// Reads pages.cfg's bytes into config's PageName and Pages (menu.cfg has been read into it already). The
// text is UTF-8; every line passes through `text` into the caller's own text (the program's native text by
// default; null keeps the UTF-8, as the player holds it). Paths are joined with PlayerFolder as in
// menu.cfg, a Go to Page target stays the page's name. False with error filled, and no pages kept, for a
// file the player cannot use: another version, no pages, a page without spots, a bad number, too short.
bool ReadPagesConfig(std::string_view data, const std::string& player_folder, const std::string& file_name,
                     MenuConfig& config, FormatError& error,
                     std::string (*text)(std::string_view) = Utf8ToNative);

// Whether two page names are the same name: compared without regard to the case of ASCII letters.
bool SamePageName(std::string_view a, std::string_view b);

}  // namespace orb
