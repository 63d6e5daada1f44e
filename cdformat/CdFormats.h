// Writers of the three files that cross from the editor to the player: menu.cfg, autorun.inf and
// autorun.des. They build the files' bytes; writing them to disk is the generator's job.
#pragma once

#include <string>

#include "project/ProjectModel.h"

namespace orb {

// The CD-side relative path of a file inside the root folder: the full path without its first L - 1
// characters (L the root's length; the root ends with a backslash), trimmed of blanks. Empty stays empty.
std::string CdRelativePath(const std::string& full_path, const std::string& root);
// The same without trimming: the simple mode's autorun.inf icon entry keeps its blanks.
std::string CdRelativePathUntrimmed(const std::string& full_path, const std::string& root);

// The model's text is UTF-8; these files are in the ANSI code page (common/AnsiText.h), so a character
// the code page lacks is written as its fallback ("?"), and the true text goes into the pages text. A CR or
// LF inside a value becomes a blank: the files are positional, and a line break would shift every value.

// menu.cfg of the interactive menu mode: "true", background, title, splash, spot count, 14 lines a spot.
std::string MenuCfgForMenu(const ProjectData& project, const std::string& root);
// menu.cfg of the simple autorun mode: the one line "false".
std::string MenuCfgForSimple();

// autorun.inf: "[AutoRun]", "OPEN=Orbstart.exe", "Icon=" + icon_entry ("Orbstart.exe" when empty); in the
// code page when it fits, else the whole file as UTF-16 LE with a byte-order mark. A label the code page
// lacks (a menu's title) adds "label=" + label, so that file is UTF-16 too; one that fits adds nothing.
std::string AutorunInf(const std::string& icon_entry, const std::string& label = std::string());
// autorun.inf of each mode: the menu mode's icon entry is CdIcon trimmed, the simple mode's AutorunIcon
// untrimmed.
std::string AutorunInfForMenu(const ProjectData& project, const std::string& root);
std::string AutorunInfForSimple(const SimpleAutorun& simple, const std::string& root);

// The entries of autorun.des, already in their CD-side form (relative paths, trimmed command line) and in
// the code page, whose bytes the record's lengths count.
struct AutorunEntries {
  std::string StartProgram;
  std::string AutorunSound;
  std::string CommandLine;
};

// The menu mode stores only the start sound; the simple mode all three (command line trimmed).
AutorunEntries AutorunEntriesForMenu(const ProjectData& project, const std::string& root);
AutorunEntries AutorunEntriesForSimple(const SimpleAutorun& simple, const std::string& root);

constexpr size_t kAutorunSlotSize = 616;
constexpr size_t kAutorunRecordSize = 312;
constexpr size_t kAutorunEntryTextSize = 300;

// autorun.des: one 616-byte slot whose first 312 bytes hold the record (little-endian lengths at offsets
// 0, 2, 4, 6 (32-bit), 10, then 300 bytes of entry text filled with blanks); the filler is zeros.
// Entries longer than 300 bytes together are cut; the lengths keep the full sizes (at most 32767).
std::string AutorunDes(const AutorunEntries& entries);

}  // namespace orb
