// orbmenu-cli import: builds a project file from JSON in the form show prints.
#include <cstdio>
#include <nlohmann/json.hpp>

#include "cli/CliFiles.h"
#include "cli/ProjectJson.h"
#include "cli/Verbs.h"
#include "project/ProjectFile.h"

namespace orb::cli {

namespace {

const char kUsage[] =
    "usage: orbmenu-cli import FILE.json -o PROJECT.obm [--force]\n"
    "\n"
    "Builds a menu project file from JSON in the form orbmenu-cli show prints, so that menus can be\n"
    "written by hand or by scripts and kept in version control: importing what show printed gives the\n"
    "same project file back. Required are \"root_folder\" and \"spots\", each spot's \"name\" and "
    "\"action\"\n"
    "(1 to 10), and each further page's \"name\", \"background_image\" and \"spots\"; a text or number left\n"
    "out is empty or 0. Language versions (\"default_language\", \"languages\") need tags such as \"de\" or\n"
    "\"pt-BR\", each used once, and texts naming a page and spot the project has. Paths are full paths;\n"
    "the root folder's text is removed from them as the editor saves them. The first problem found is\n"
    "named with its JSON path (e.g. pages[1].spots[0].action), and then nothing is written.\n"
    "\n"
    "  -o, --output PROJECT.obm  the project file to write\n"
    "  --force                   replace PROJECT.obm if it exists (the old file stays whole until the new\n"
    "                            one is complete)\n"
    "\n"
    "Exit status: 0 when the project file was written; 1 otherwise (the reason on stderr); 2 on a usage\n"
    "error.\n";

ExitCode RunImport(const VerbCall& call) {
  const ParsedArgs& parsed = call.args;
  if (parsed.positional.size() != 1) return call.UsageError("name one JSON file");
  std::optional<std::string> output = parsed.Value("--output");
  if (!output) return call.UsageError("name the project file to write with -o PROJECT.obm");
  const std::string& input = parsed.positional[0];

  CliFiles files;
  std::string data, error;
  if (!files.ReadFile(input, data, error)) return Failure("import", input + ": cannot be read: " + error);
  nlohmann::json json;
  try {
    json = nlohmann::json::parse(data);
  } catch (const nlohmann::json::parse_error& e) {
    // The library's text says where: "parse error at line 3, column 5: ...".
    std::string what = e.what();
    size_t start = what.find("] ");
    return Failure("import",
                   input + ": not JSON: " + (start == std::string::npos ? what : what.substr(start + 2)));
  }
  ProjectData project;
  JsonProblem problem;
  if (!ProjectFromJson(json, project, problem))
    return Failure("import", input + ": " + problem.path + ": " + problem.message);

  if (files.Exists(*output) && !parsed.Flag("--force"))
    return Failure("import", *output + " exists already; give --force to replace it");
  if (!SaveProjectFile(files, *output, project, error)) return Failure("import", error);
  return ExitCode::kSuccess;
}

}  // namespace

Verb ImportVerb() {
  return {.name = "import",
          .summary = "build a menu project file from JSON in show's form",
          .usage = kUsage,
          .value_options = {"--output"},
          .flag_options = {"--force"},
          .aliases = {{"-o", "--output"}},
          .run = RunImport};
}

}  // namespace orb::cli
