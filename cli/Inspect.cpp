// orbmenu-cli inspect: reads a CD root's menu.cfg, autorun.des and autorun.inf as the player does and
// prints what the player holds, as one JSON object.
#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "cdformat/CdReaders.h"
#include "cdformat/PagesFormat.h"
#include "cdformat/PagesReader.h"
#include "cli/CliFiles.h"
#include "cli/Verbs.h"

namespace orb::cli {

namespace {

const char kUsage[] =
    "usage: orbmenu-cli inspect DIR [--player-folder TEXT]\n"
    "\n"
    "Reads DIR's menu.cfg, pages.cfg (when present), autorun.des and autorun.inf exactly as the player\n"
    "does and prints one JSON object with the values the player holds; a menu of several pages adds\n"
    "\"pages\", the pages after the first, and a menu of language versions \"default_language\" and\n"
    "\"languages\" (each version's tag and its number of texts). Paths are joined with TEXT as the\n"
    "player's folder (default: DIR without a trailing separator), so --player-folder D: shows what a CD\n"
    "in drive D: gives. A missing autorun.des reads as empty entries; a missing autorun.inf gives\n"
    "\"icon\": null.\n"
    "menu.cfg and autorun.des are read in Windows-1252 (the system's code page on Windows), autorun.inf\n"
    "also as UTF-16 after a byte-order mark, pages.cfg as UTF-8; a text pages.cfg gives truly in place\n"
    "of another file's fallback is printed as the player shows it. Everything is printed as UTF-8.\n"
    "\n"
    "Exit status: 0 on success; 1 when a file cannot be read (the player's message on stderr); 2 on a\n"
    "usage error.\n";

enum class ReadResult { kRead, kMissing, kFailed };

ReadResult ReadWhole(const std::string& name, std::string& data) {
  const std::filesystem::path path = FsPath(name);
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return ReadResult::kMissing;
  // A folder, a device or a pipe in the file's place would never give a file's bytes.
  if (!std::filesystem::is_regular_file(path, ec)) return ReadResult::kFailed;
  return ReadWholeFile(name, data) ? ReadResult::kRead : ReadResult::kFailed;
}

ExitCode Fail(const FormatError& error) {
  std::fprintf(stderr, "%s\n", error.Text().c_str());
  return ExitCode::kFailure;
}

// The readers give UTF-8; pages.cfg's bytes are not checked, so invalid ones print as U+FFFD.
nlohmann::ordered_json SpotJson(const PlayerSpot& spot) {
  nlohmann::ordered_json json;
  json["tooltip"] = spot.ToolTip;
  json["action"] = spot.Action;
  json["target"] = spot.Target;
  json["rollover"] = spot.RolloverImage;
  json["x"] = spot.X;
  json["y"] = spot.Y;
  json["move_sound"] = spot.MoveSound;
  json["has_move_sound"] = spot.HasMoveSound;
  json["click_sound"] = spot.ClickSound;
  json["cursor"] = spot.MousePointer;
  json["video"] = {spot.VideoX, spot.VideoY, spot.VideoWidth, spot.VideoHeight};
  return json;
}

ExitCode RunInspect(const VerbCall& call) {
  if (call.args.positional.size() != 1) return call.UsageError("name one CD root folder");
  const std::string& dir = call.args.positional[0];
  std::string player_folder = call.args.Value("--player-folder").value_or(dir);
  if (!call.args.Value("--player-folder")) {
#ifdef _WIN32
    while (!player_folder.empty() && (player_folder.back() == '/' || player_folder.back() == '\\'))
#else
    while (!player_folder.empty() && player_folder.back() == '/')
#endif
      player_folder.pop_back();
  }
  const std::filesystem::path root = FsPath(dir);

  const std::string cfg_name = FsText(root / "menu.cfg");
  std::string data;
  if (ReadWhole(cfg_name, data) != ReadResult::kRead) return Fail(FileNotReadable(cfg_name));
  MenuConfig config;
  FormatError error;
  if (!ReadMenuConfig(data, player_folder, cfg_name, config, error)) return Fail(error);

  const std::string pages_name = FsText(root / kPagesFileName);
  data.clear();
  ReadResult pages = ReadWhole(pages_name, data);
  if (!config.MenuMode) {
    // A simple autorun's pages.cfg holds only the true texts of autorun.des, read as the player reads them.
    if (pages == ReadResult::kRead) ReadSimpleTrueTexts(data, player_folder, pages_name, config);
    pages = ReadResult::kMissing;
  }
  if (pages == ReadResult::kFailed) return Fail(FileNotReadable(pages_name));
  if (pages == ReadResult::kRead && !ReadPagesConfig(data, player_folder, pages_name, config, error)) {
    return Fail(error);
  }

  const std::string des_name = FsText(root / "autorun.des");
  data.clear();
  ReadResult des = ReadWhole(des_name, data);
  if (des == ReadResult::kFailed) return Fail(FileNotReadable(des_name));
  AutorunRecord record = ReadAutorunDes(des == ReadResult::kRead ? data : std::string());

  const std::string inf_name = FsText(root / "autorun.inf");
  data.clear();
  ReadResult inf = ReadWhole(inf_name, data);
  if (inf == ReadResult::kFailed) return Fail(FileNotReadable(inf_name));
  std::optional<std::string> icon;
  if (inf == ReadResult::kRead) {
    std::string entry;
    if (!ReadAutorunInfIcon(data, inf_name, entry, error)) return Fail(error);
    icon = entry;
  }

  nlohmann::ordered_json json;
  json["menu_mode"] = config.MenuMode;
  json["background"] = config.BackgroundPath;
  json["title"] = config.CdTitle;
  json["splash"] = config.SplashPath;
  json["spots"] = nlohmann::ordered_json::array();
  for (const PlayerSpot& spot : config.Spots) json["spots"].push_back(SpotJson(spot));
  if (pages == ReadResult::kRead) {
    json["pages"] = nlohmann::ordered_json::array();
    for (const PlayerPage& page : config.Pages) {
      nlohmann::ordered_json item;
      item["name"] = page.Name;
      item["title"] = page.Title;
      item["background"] = page.BackgroundPath;
      item["spots"] = nlohmann::ordered_json::array();
      for (const PlayerSpot& spot : page.Spots) item["spots"].push_back(SpotJson(spot));
      json["pages"].push_back(std::move(item));
    }
    // The language versions the player can switch to; their texts are the project's business.
    if (!config.Languages.empty() || !config.DefaultLanguage.empty()) {
      json["default_language"] = config.DefaultLanguage;
      json["languages"] = nlohmann::ordered_json::array();
      for (const LanguageVersion& version : config.Languages)
        json["languages"].push_back({{"tag", version.Tag}, {"texts", version.Texts.size()}});
    }
  }
  // The player takes pages.cfg's true texts of what autorun.des holds as fallbacks.
  json["start_program"] = config.StartProgram.empty() ? record.StartProgram : config.StartProgram;
  json["start_sound"] = config.StartSound.empty() ? record.AutorunSound : config.StartSound;
  json["command_line"] = config.CommandLine.empty() ? record.CommandLine : config.CommandLine;
  json["icon"] = icon ? nlohmann::ordered_json(*icon) : nlohmann::ordered_json(nullptr);
  std::printf("%s\n", json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace).c_str());
  return ExitCode::kSuccess;
}

}  // namespace

Verb InspectVerb() {
  return {.name = "inspect",
          .summary = "print what the player reads from a CD root, as JSON",
          .usage = kUsage,
          .value_options = {"--player-folder"},
          .run = RunInspect};
}

}  // namespace orb::cli
