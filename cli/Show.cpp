// orbmenu-cli show: loads a project file as the editor's Load does and prints the project as JSON.
#include <cstdio>
#include <nlohmann/json.hpp>

#include "cli/CliSupport.h"
#include "cli/ProjectJson.h"
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
    "Text is printed as UTF-8: the file's older part is Windows-1252 (the system's code page on Windows),\n"
    "and where that lacks a character the true text from the file's pages text is shown.\n"
    "A menu of several pages (or whose first page is\n"
    "renamed) adds \"page_name\", the first page's name, and \"pages\": the further pages in order, each\n"
    "{\"name\", \"cd_title\", \"background_image\", \"spots\"} with spots as above. orbmenu-cli import\n"
    "reads this form back.\n"
    "\n"
    "Exit status: 0 on success; 1 when the file cannot be read (the file, line and problem on stderr);\n"
    "2 on a usage error.\n";

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

  // The further pages' text is UTF-8 from the file; bytes that are not are shown as U+FFFD.
  std::string json =
      ProjectToJson(project).dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
  std::printf("%s\n", json.c_str());
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
