// The player's readers of menu.cfg, autorun.des and the icon line of autorun.inf. They take the files'
// bytes, never crash on any input and report the first problem with its file name and line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cdformat/ActionKind.h"
#include "cdformat/LanguageVersion.h"
#include "common/TextLines.h"

namespace orb {

// One spot as the player keeps it (full paths already joined with PlayerFolder where the format says).
struct PlayerSpot {
  std::string ToolTip;  // the line as read
  int16_t Action = 0;   // an ActionKind code
  std::string Target;   // trimmed; PlayerFolder in front when TargetIsPath
  std::string RolloverImage;
  int16_t X = 0;
  int16_t Y = 0;
  std::string MoveSound;      // the line as read
  bool HasMoveSound = false;  // MoveSoundFlags entry: the line is not blank (kept for every spot)
  std::string ClickSound;     // empty for none
  std::string MousePointer;   // empty for none
  int16_t VideoX = 0;
  int16_t VideoY = 0;
  int16_t VideoWidth = 0;
  int16_t VideoHeight = 0;
};

// A page after the first, as pages.cfg gives it (UTF-8, as all the player's text).
struct PlayerPage {
  std::string Name;
  std::string Title;  // a "?" in it makes the page borderless and shaped
  std::string BackgroundPath;
  std::vector<PlayerSpot> Spots;
};

struct MenuConfig {
  bool MenuMode = false;
  std::string BackgroundPath;
  std::string CdTitle;
  std::string SplashPath;
  int16_t SpotCount = 0;
  std::vector<PlayerSpot> Spots;  // spot N is Spots[N - 1]
  // Page 1's name and the pages after it; a menu without pages.cfg has none.
  std::string PageName = "Home";
  std::vector<PlayerPage> Pages;
  // The language versions of pages.cfg's version 2 (paths joined with PlayerFolder); none without.
  std::string DefaultLanguage;
  std::vector<LanguageVersion> Languages;
  // autorun.des's texts when it holds only their fallbacks (pages.cfg's true texts): the start sound's and
  // a simple autorun's program's CD-relative paths, and its command line.
  std::string StartSound;
  std::string StartProgram;
  std::string CommandLine;
};

class FieldReader;

// One spot's fourteen lines (UTF-8), worded as the player's other files are. Shared with PagesReader.
bool ReadPlayerSpot(FieldReader& in, const std::string& player_folder, PlayerSpot& spot);
// A spot's text fields, set from their line as menu.cfg gives it (PlayerFolder in front of paths); pages.cfg's
// true texts replace menu.cfg's fallbacks through it. The target needs the spot's action read first.
enum class PlayerSpotText { Name, ToolTip, Target, Rollover, MoveSound, ClickSound, Pointer };
void SetPlayerSpotText(PlayerSpot& spot, const std::string& player_folder, PlayerSpotText field,
                       const std::string& line);
struct FieldMessages;
extern const FieldMessages kPlayerFileMessages;

// Reads menu.cfg's bytes (the code page's text, converted to UTF-8). file_name names the file in error messages. False with error filled on a file
// the player cannot use (ends early, a bad number, a spot count below 1 in the menu mode).
bool ReadMenuConfig(std::string_view data, const std::string& player_folder, const std::string& file_name,
                    MenuConfig& config, FormatError& error);

// Record 1 of autorun.des as the player reads it. The file cannot fail to read:
// - missing or empty (pass empty data): a record of zeros, all entries empty;
// - shorter than the record: the missing bytes of the length fields read as zeros, and the entry text
//   ends where the file ends (no NUL bytes are invented), so the entries come out shortened, never padded;
// - lengths that are negative count as 0, and every entry stops at the end of the entry text.
struct AutorunRecord {
  int16_t ReservedTextLength = 0;
  int16_t StartProgramLength = 0;
  int16_t CommandLineLength = 0;
  int32_t ReservedNumber = 0;
  int16_t AutorunSoundLength = 0;
  std::string EntryText;  // up to 300 bytes, as present in the file
  // Derived as the player does: lengths clamped to the entry text (the code page's bytes, as the lengths
  // count them), never out of bounds, then converted to UTF-8.
  std::string StartProgram;
  std::string AutorunSound;
  std::string CommandLine;  // everything after the first three entries, filler blanks included
};

AutorunRecord ReadAutorunDes(std::string_view data);

// The icon entry of autorun.inf (UTF-8): line 3 from its sixth character on. The file is UTF-16 LE when it
// starts with a byte-order mark, else the code page. False with error when it has fewer than three lines.
bool ReadAutorunInfIcon(std::string_view data, const std::string& file_name, std::string& icon,
                        FormatError& error);

// How reading a whole file went.
enum class FileRead { kRead, kMissing, kTooLarge };

// The largest file the player reads whole: a menu of the most spots (32,767) with ordinary paths is about
// 4 MB, so a larger file is no menu of the editor's, and reading it would only cost memory and time.
inline constexpr size_t kMaxPlayerFileBytes = size_t{64} << 20;

// The player's message for a menu.cfg or autorun.inf that could not be read (kMissing: missing or
// cannot be opened; kTooLarge: larger than kMaxPlayerFileBytes).
FormatError FileNotReadable(const std::string& file_name, FileRead why = FileRead::kMissing);

// Joins PlayerFolder (no trailing backslash; "D:" at a drive root) and a CD-relative path, trimmed.
std::string PlayerPath(const std::string& player_folder, std::string_view relative);

}  // namespace orb
