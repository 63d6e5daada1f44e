// The writer of the pages text (layout in docs/pages.md), for both of its places: after the last spot of
// the project file and in the CD root's pages.cfg. The two differ only in how they write paths.
#pragma once

#include <string>
#include <vector>

#include "cdformat/PagesFormat.h"
#include "project/ProjectModel.h"

namespace orb {

enum class PagesPathForm {
  ProjectFile,  // every occurrence of the root folder's text removed, as the project file stores paths
  CdRoot,       // relative to the CD root and trimmed, as menu.cfg stores them
};

// Whether a project has language versions (or a default language named for them): it then writes version 2
// of the pages text, in the project file and as pages.cfg, whatever its number of pages.
bool HasLanguageVersions(const ProjectData& project);

// The texts of page 1 and the menu whose line in the place's ANSI file (the project file's first part, or
// menu.cfg and autorun.des) the code page lacks.
std::vector<TrueText> TrueTexts(const ProjectData& project, const std::string& root, PagesPathForm form);
// The key line of a true text: "title", "tooltip 3".
std::string TrueTextKey(const TrueText& text);

// Whether a project carries the pages text in its project file: more pages than one, page 1 renamed,
// language versions, or a text the code page lacks. A project of one page named "Home" and no versions whose
// texts fit the code page writes the bytes it always wrote.
bool HasPagesText(const ProjectData& project);
// Whether Make Cd writes pages.cfg: further pages, language versions, or a text of menu.cfg or autorun.des
// the code page lacks (then even for one page).
bool WritesPagesCfg(const ProjectData& project, const std::string& root);

// A simple autorun's pages.cfg: only when its start program, sound or command line lies outside the code
// page, their true texts (autorun.des holds the fallbacks) under a version 2 text without pages or versions;
// empty when all fit, and then no pages.cfg is written.
std::string SimplePagesText(const SimpleAutorun& simple, const std::string& root);

// Whether a version's text is a path (a background, a rollover, the target of a spot whose target is a file),
// written and read as the text's place stores paths.
bool LanguageValueIsPath(const ProjectData& project, const LanguageText& text);
// A version's text's key line: "tooltip 1 2" (spot 2 of page 1), "title 3" (page 3).
std::string LanguageKeyLine(const LanguageText& text);

// The pages text: the version line, page 1's name, then every further page with its spots, and with
// language versions the default tag and each version's texts, and after them the true texts of what the
// code page lacks (version 2 then, whatever else the project has). Text is UTF-8; a line break inside a
// value becomes a blank.
std::string PagesText(const ProjectData& project, const std::string& root, PagesPathForm form);

}  // namespace orb
