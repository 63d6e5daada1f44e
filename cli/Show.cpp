// orbmenu-cli show: loads a project file as the editor's Load does and prints the project as JSON.
#include <cstdio>
#include <nlohmann/json.hpp>

#include "cli/CliSupport.h"
#include "cli/Cp1252.h"
#include "cli/Verbs.h"
#include "cli/CliFiles.h"
#include "project/ProjectFile.h"

namespace orb::cli {

namespace {

const char kUsage[] =
    "usage: orbmenu-cli show PROJECT.obm [--root DIR]\n"
    "\n"
    "Loads a menu project file as the editor does and prints the project as one JSON object: the root\n"
    "folder, the CD's title, icon, sound, background and splash pictures, and every menu spot with its\n"
    "fourteen fields. Paths are full paths as the editor holds them. With --root, DIR stands for the\n"
    "root folder written in the file (as when the project's folder was moved); a Linux folder is shown\n"
    "as its path followed by a backslash, e.g. /tmp/cd\\imgmusic\\back.jpg.\n"
    "Text is read as Windows-1252 and printed as UTF-8.\n"
    "\n"
    "Exit status: 0 on success; 1 when the file cannot be read (the file, line and problem on stderr);\n"
    "2 on a usage error.\n";

std::string U(const std::string& text) { return Cp1252ToUtf8(text); }

ExitCode RunShow(const VerbCall& call) {
  const ParsedArgs& parsed = call.args;
  if (parsed.positional.size() != 1) return call.UsageError("name one project file");
  std::optional<std::string> root;
  if (auto dir = parsed.Value("--root")) root = CliFiles::ModelFolder(*dir);

  CliFiles files;
  ProjectData project;
  FormatError format;
  if (!LoadProjectFile(files, parsed.positional[0], root, project, format))
    return Failure("show", format.Text());

  nlohmann::ordered_json json;
  json["root_folder"] = U(project.RootFolder);
  json["cd_title"] = U(project.CdTitle);
  json["cd_icon"] = U(project.CdIcon);
  json["sound_file"] = U(project.SoundFile);
  json["background_image"] = U(project.BackgroundImage);
  json["splash_image"] = U(project.SplashImage);
  json["spots"] = nlohmann::ordered_json::array();
  for (const MenuSpot& s : project.Spots) {
    nlohmann::ordered_json spot;
    spot["name"] = U(s.Name);
    spot["tooltip"] = U(s.ToolTip);
    spot["action"] = s.Action;
    spot["target"] = U(s.Target);
    spot["rollover_image"] = U(s.RolloverImage);
    spot["x"] = s.X;
    spot["y"] = s.Y;
    spot["move_sound"] = U(s.MoveSound);
    spot["click_sound"] = U(s.ClickSound);
    spot["mouse_pointer"] = U(s.MousePointer);
    spot["video_x"] = s.VideoX;
    spot["video_y"] = s.VideoY;
    spot["video_width"] = s.VideoWidth;
    spot["video_height"] = s.VideoHeight;
    json["spots"].push_back(std::move(spot));
  }
  std::printf("%s\n", json.dump(2).c_str());
  return ExitCode::kSuccess;
}

}  // namespace

Verb ShowVerb() {
  return {.name = "show",
          .summary = "print a menu project file as JSON",
          .usage = kUsage,
          .value_options = {"--root"},
          .run = RunShow};
}

}  // namespace orb::cli
