// The player's reader of pages.cfg, the menu's pages after the first (layout in docs/pages.md). Like the
// other readers it takes the file's bytes, never crashes on any input and reports the first problem with
// the file's name and line.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cdformat/CdReaders.h"
#include "cdformat/LanguageVersion.h"
#include "cdformat/PagesFormat.h"

namespace orb {

// Reads pages.cfg's bytes (UTF-8) into config's PageName and Pages (menu.cfg has been read into it already),
// and puts its true texts in place of menu.cfg's fallbacks (the start sound's into StartSound). Paths are
// joined with PlayerFolder as in menu.cfg, a Go to Page target stays the page's name. False with error
// filled, and no pages kept, for a file the player cannot use: another version, no pages, a page without
// spots, a bad number, too short.
bool ReadPagesConfig(std::string_view data, const std::string& player_folder, const std::string& file_name,
                     MenuConfig& config, FormatError& error);

// The true texts after version 2's language part: none when the text ends there or goes on with another
// line. A key of no known field is kept (a newer writer's); false with the reader's error on a bad count or
// a file that ends early.
bool ReadTrueTexts(FieldReader& in, std::vector<TrueText>& texts);
// A simple autorun's pages.cfg: takes its true texts of autorun.des's program, sound and command line into
// config, and nothing else; a file it cannot read changes nothing, as the program must start all the same.
void ReadSimpleTrueTexts(std::string_view data, const std::string& player_folder, const std::string& path,
                         MenuConfig& config);

// Version 2's language versions, after the last further page: the default tag, the number of versions and
// each version's tag and texts. value turns a value line into the model's text (is_path: a picture or a
// file target, whose place the reader's file decides); action_of gives the action code of a page's spot (0
// for none), so that a target is a path just where the spot's is. False with the reader's error on a count
// below 0, a key line of no field, page or spot, or a file that ends early.
bool ReadLanguageVersions(FieldReader& in, const std::function<int16_t(int page, int spot)>& action_of,
                          const std::function<std::string(const std::string& line, bool is_path)>& value,
                          std::string& default_tag, std::vector<LanguageVersion>& versions);

// Whether two page names are the same name: compared without regard to the case of ASCII letters.
bool SamePageName(std::string_view a, std::string_view b);

}  // namespace orb
