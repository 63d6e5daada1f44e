// orbmenu-cli convert: turns a 1.x project file into a 2.x one beside it and prints the new file's path.
#include <cstdio>

#include "cli/CliSupport.h"
#include "cli/Verbs.h"
#include "cli/CliFiles.h"
#include "project/LegacyConverter.h"

namespace orb::cli {

namespace {

const char kUsage[] =
    "usage: orbmenu-cli convert OLD.obm\n"
    "\n"
    "Converts a project file of the 1.x editor into the 2.x layout. The new file lies beside the old\n"
    "one, named with every \".obm\" replaced by \"_2.xprj.obm\" (proj.obm gives proj_2.xprj.obm; a name\n"
    "without \".obm\" gets \"_2.xprj.obm\" appended); an existing file of that name is replaced. The old\n"
    "file is never changed. Prints the new file's path.\n"
    "\n"
    "Exit status: 0 on success; 1 when the old file cannot be read or converted (the file, line and\n"
    "problem on stderr) or the new one cannot be written; 2 on a usage error.\n";

ExitCode RunConvert(const VerbCall& call) {
  const ParsedArgs& parsed = call.args;
  if (parsed.positional.size() != 1) return call.UsageError("name one 1.x project file");
  CliFiles files;
  std::string new_path;
  FormatError format;
  if (!ConvertLegacyProject(files, parsed.positional[0], new_path, format))
    return Failure("convert", format.Text());
  std::printf("%s\n", ShownPath(new_path).c_str());
  return ExitCode::kSuccess;
}

}  // namespace

Verb ConvertVerb() {
  return {
      .name = "convert", .summary = "convert a 1.x project file to 2.x", .usage = kUsage, .run = RunConvert};
}

}  // namespace orb::cli
