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
#include "cli/Cp1252.h"
#include "cli/Verbs.h"
#include "common/NativeText.h"

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
    "Text is read as Windows-1252 (pages.cfg as UTF-8) and printed as UTF-8.\n"
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

// pages.cfg's messages quote its text in the program's own encoding, the older files' in Windows-1252.
ExitCode Fail(const FormatError& error, bool pages = false) {
  std::fprintf(stderr, "%s\n", (pages ? NativeToUtf8(error.Text()) : Cp1252ToUtf8(error.Text())).c_str());
  return ExitCode::kFailure;
}

std::string Utf8(const std::string& text) { return Cp1252ToUtf8(text); }
std::string PagesUtf8(const std::string& text) { return NativeToUtf8(text); }

// text turns a file's text into UTF-8: Windows-1252 for menu.cfg, the program's own for pages.cfg.
nlohmann::ordered_json SpotJson(const PlayerSpot& spot, std::string (*text)(const std::string&) = Utf8) {
  nlohmann::ordered_json json;
  json["tooltip"] = text(spot.ToolTip);
  json["action"] = spot.Action;
  json["target"] = text(spot.Target);
  json["rollover"] = text(spot.RolloverImage);
  json["x"] = spot.X;
  json["y"] = spot.Y;
  json["move_sound"] = text(spot.MoveSound);
  json["has_move_sound"] = spot.HasMoveSound;
  json["click_sound"] = text(spot.ClickSound);
  json["cursor"] = text(spot.MousePointer);
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
  ReadResult pages = config.MenuMode ? ReadWhole(pages_name, data) : ReadResult::kMissing;
  if (pages == ReadResult::kFailed) return Fail(FileNotReadable(pages_name));
  if (pages == ReadResult::kRead && !ReadPagesConfig(data, player_folder, pages_name, config, error)) {
    return Fail(error, true);
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
  json["background"] = Utf8(config.BackgroundPath);
  json["title"] = Utf8(config.CdTitle);
  json["splash"] = Utf8(config.SplashPath);
  json["spots"] = nlohmann::ordered_json::array();
  for (const PlayerSpot& spot : config.Spots) json["spots"].push_back(SpotJson(spot));
  if (pages == ReadResult::kRead) {
    json["pages"] = nlohmann::ordered_json::array();
    for (const PlayerPage& page : config.Pages) {
      nlohmann::ordered_json item;
      item["name"] = PagesUtf8(page.Name);
      item["title"] = PagesUtf8(page.Title);
      item["background"] = PagesUtf8(page.BackgroundPath);
      item["spots"] = nlohmann::ordered_json::array();
      for (const PlayerSpot& spot : page.Spots) item["spots"].push_back(SpotJson(spot, PagesUtf8));
      json["pages"].push_back(std::move(item));
    }
    // The language versions the player can switch to; their texts are the project's business.
    if (!config.Languages.empty() || !config.DefaultLanguage.empty()) {
      json["default_language"] = PagesUtf8(config.DefaultLanguage);
      json["languages"] = nlohmann::ordered_json::array();
      for (const LanguageVersion& version : config.Languages)
        json["languages"].push_back({{"tag", PagesUtf8(version.Tag)}, {"texts", version.Texts.size()}});
    }
  }
  json["start_program"] = Utf8(record.StartProgram);
  json["start_sound"] = Utf8(record.AutorunSound);
  json["command_line"] = Utf8(record.CommandLine);
  json["icon"] = icon ? nlohmann::ordered_json(Utf8(*icon)) : nlohmann::ordered_json(nullptr);
  std::printf("%s\n", json.dump(2).c_str());
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
