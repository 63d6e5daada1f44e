// The player's readers of menu.cfg, autorun.des and autorun.inf; see CdReaders.h.
#include "cdformat/CdReaders.h"

#include <algorithm>

#include "cdformat/FieldReader.h"
#include "common/AnsiText.h"
#include "common/MessagePath.h"
#include "common/Utf16.h"

namespace orb {

namespace {

// A short, printable excerpt of a line for an error message: a 10 MB line or control bytes must not
// turn the message into noise. Characters outside ASCII stay whole.
std::string Excerpt(std::string_view line) {
  std::string_view shown = FirstCharacters(line, 40);
  std::string text;
  for (char c : shown) {
    auto u = static_cast<unsigned char>(c);
    text += (u < 0x20 || u == 0x7F) ? '?' : c;
  }
  if (shown.size() < line.size()) text += "...";
  return "\"" + text + "\"";
}

bool IsBlank(std::string_view line) { return line.find_first_not_of(' ') == std::string_view::npos; }

// The player's wording of menu.cfg's problems.
std::string EndsBefore(const std::string& field) {
  return "expected " + field + ", but the file ends before it";
}

std::string NotANumber(const std::string& field, std::string_view line, bool blank_is_zero) {
  return "expected " + field + " (a whole number from -32768 to 32767" +
         std::string(blank_is_zero ? " or a blank line" : "") + "), found " + Excerpt(line);
}

// Empty for a blank line, otherwise PlayerFolder followed by the line, trimmed.
std::string OptionalPath(const std::string& folder, const std::string& line) {
  return IsBlank(line) ? std::string() : TrimBlanks(folder + line);
}

int16_t GetInt16(std::string_view bytes, size_t offset) {
  // Bytes past the end of a short file read as zeros.
  auto byte = [&](size_t i) -> unsigned {
    return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0u;
  };
  return static_cast<int16_t>(static_cast<uint16_t>(byte(offset) | (byte(offset + 1) << 8)));
}

int32_t GetInt32(std::string_view bytes, size_t offset) {
  auto low = static_cast<uint16_t>(GetInt16(bytes, offset));
  auto high = static_cast<uint16_t>(GetInt16(bytes, offset + 2));
  return static_cast<int32_t>(static_cast<uint32_t>(low) | (static_cast<uint32_t>(high) << 16));
}

size_t NotNegative(long value) { return value < 0 ? 0 : static_cast<size_t>(value); }

}  // namespace

const FieldMessages kPlayerFileMessages = {EndsBefore, NotANumber};

void SetPlayerSpotText(PlayerSpot& spot, const std::string& folder, PlayerSpotText field, const std::string& line) {
  switch (field) {
    case PlayerSpotText::Name:
      break;  // the player never shows it
    case PlayerSpotText::ToolTip:
      spot.ToolTip = line;
      break;
    case PlayerSpotText::Target:
      spot.Target = TrimBlanks(line);
      if (TargetIsPath(spot.Action)) spot.Target = folder + spot.Target;
      break;
    case PlayerSpotText::Rollover:
      spot.RolloverImage = TrimBlanks(folder + line);
      break;
    case PlayerSpotText::MoveSound:
      spot.MoveSound = line;
      spot.HasMoveSound = !IsBlank(line);
      break;
    case PlayerSpotText::ClickSound:
      spot.ClickSound = OptionalPath(folder, line);
      break;
    case PlayerSpotText::Pointer:
      spot.MousePointer = OptionalPath(folder, line);
      break;
  }
}

bool ReadPlayerSpot(FieldReader& in, const std::string& folder, PlayerSpot& spot) {
  std::string line;
  auto text = [&](PlayerSpotText field, const char* what) {
    if (!in.Line(line, what)) return false;
    SetPlayerSpotText(spot, folder, field, line);
    return true;
  };
  if (!text(PlayerSpotText::Name, "the name")) return false;
  if (!text(PlayerSpotText::ToolTip, "the tooltip")) return false;
  if (!in.Number(spot.Action, "the action code")) return false;
  if (!text(PlayerSpotText::Target, "the target")) return false;
  if (!text(PlayerSpotText::Rollover, "the rollover picture")) return false;
  if (!in.Number(spot.X, "the left edge")) return false;
  if (!in.Number(spot.Y, "the top edge")) return false;
  if (!text(PlayerSpotText::MoveSound, "the move sound")) return false;
  if (!text(PlayerSpotText::ClickSound, "the click sound")) return false;
  if (!text(PlayerSpotText::Pointer, "the mouse pointer")) return false;
  return in.Number(spot.VideoX, "the video frame's left edge", true) &&
         in.Number(spot.VideoY, "the video frame's top edge", true) &&
         in.Number(spot.VideoWidth, "the video frame's width", true) &&
         in.Number(spot.VideoHeight, "the video frame's height", true);
}

std::string PlayerPath(const std::string& player_folder, std::string_view relative) {
  return player_folder + TrimBlanks(relative);
}

FormatError FileNotReadable(const std::string& file_name, FileRead why) {
  if (why == FileRead::kTooLarge) {
    return FormatError{file_name, 0,
                       "the file is too large: the player reads files of at most " +
                           std::to_string(kMaxPlayerFileBytes >> 20) + " MB"};
  }
  return FormatError{file_name, 0, "the file is missing or cannot be read"};
}

bool ReadMenuConfig(std::string_view data, const std::string& player_folder, const std::string& file_name,
                    MenuConfig& config, FormatError& error) {
  config = MenuConfig();
  // Line ends are ASCII in every code page, so the whole file converts at once.
  const std::string text = AnsiToUtf8(data);
  FieldReader in(text, file_name, kPlayerFileMessages, error);
  std::string line;
  if (!in.Line(line, "the mode flag \"true\" or \"false\"")) return false;
  config.MenuMode = line == "true";
  if (!config.MenuMode) return true;

  if (!in.Line(line, "the background picture")) return false;
  config.BackgroundPath = PlayerPath(player_folder, line);
  if (!in.Line(config.CdTitle, "the menu title")) return false;
  if (!in.Line(line, "the splash picture or a blank line")) return false;
  config.SplashPath = IsBlank(line) ? std::string() : PlayerPath(player_folder, line);
  if (!in.Number(config.SpotCount, "the number of menu spots")) return false;
  if (config.SpotCount < 1) {
    return in.Fail(in.LineNumber(), "expected the number of menu spots (1 to 32767), found " +
                                        std::to_string(config.SpotCount));
  }
  // Grown spot by spot, so a large count over a short file costs nothing before it fails.
  for (int i = 1; i <= config.SpotCount; ++i) {
    PlayerSpot spot;
    in.EnterSpot(i);
    if (!ReadPlayerSpot(in, player_folder, spot)) {
      config.Spots.clear();
      return false;
    }
    config.Spots.push_back(std::move(spot));
  }
  return true;
}

AutorunRecord ReadAutorunDes(std::string_view data) {
  AutorunRecord record;
  if (data.empty()) return record;
  record.ReservedTextLength = GetInt16(data, 0);
  record.StartProgramLength = GetInt16(data, 2);
  record.CommandLineLength = GetInt16(data, 4);
  record.ReservedNumber = GetInt32(data, 6);
  record.AutorunSoundLength = GetInt16(data, 10);
  if (data.size() > 12) record.EntryText = std::string(data.substr(12, 300));

  // Lengths come from the file: a negative one counts as 0 and every slice stops at the end of the text.
  const std::string& text = record.EntryText;
  size_t program = std::min(NotNegative(record.StartProgramLength), text.size());
  size_t sound = std::min(NotNegative(record.AutorunSoundLength), text.size() - program);
  record.StartProgram = text.substr(0, program);
  record.AutorunSound = text.substr(program, sound);
  long skip =
      static_cast<long>(record.ReservedTextLength) + record.StartProgramLength + record.AutorunSoundLength;
  size_t command = std::min(NotNegative(skip), text.size());
  record.CommandLine = text.substr(command);
  // The lengths count the code page's bytes: the entries are converted once sliced.
  for (std::string* entry : {&record.StartProgram, &record.AutorunSound, &record.CommandLine})
    *entry = AnsiToUtf8(*entry);
  return record;
}

bool ReadAutorunInfIcon(std::string_view data, const std::string& file_name, std::string& icon,
                        FormatError& error) {
  // A byte-order mark says UTF-16 LE, as Windows reads the file; else the code page.
  const std::string text = data.substr(0, 2) == "\xFF\xFE" ? Utf16LeToUtf8(data.substr(2)) : AnsiToUtf8(data);
  LineReader reader(text);
  std::string line;
  for (int i = 1; i <= 3; ++i) {
    if (!reader.Next(line)) {
      static const char* const kExpected[] = {"\"[AutoRun]\"", "\"OPEN=Orbstart.exe\"",
                                              "the icon line \"Icon=...\""};
      error = FormatError{file_name, i,
                          std::string("expected ") + kExpected[i - 1] + ", but the file ends before it"};
      return false;
    }
  }
  icon = line.size() > 5 ? line.substr(5) : std::string();
  return true;
}

}  // namespace orb
