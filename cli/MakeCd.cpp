// orbmenu-cli make-cd: loads a menu project and generates its CD root as the editor's Make Cd does.
#include <cstdio>

#include "cli/CliSupport.h"
#include "cli/CodeSigning.h"
#include "cli/Verbs.h"
#include "common/PosixFileSystem.h"
#include "common/SettingsStore.h"
#include "editor/project/ProjectFile.h"

namespace orb::cli {

namespace {

const char kUsageHead[] =
    "usage: orbmenu-cli make-cd PROJECT.obm [--root DIR] [--player FILE] [--no-runtime] [--force]\n"
    "                           [--pkcs12 CERT.pfx [--password-file F] [--timestamp URL]]\n"
    "\n"
    "Loads a menu project file and writes the CD root: menu.cfg, autorun.inf and autorun.des, and a copy\n"
    "of the player Orbstart.exe. The checks and messages are the editor's Make Cd.\n"
    "\n"
    "  --root DIR     the CD root to use instead of the root folder written in the project (needed when\n"
    "                 that folder does not exist here, e.g. a Windows path on Linux)\n"
    "  --player FILE  the player to copy (default: the Orbstart.exe of this distribution, dist/windows)\n"
    "  --no-runtime   do not copy the runtime library rtxcore.dll (it is copied only when the folder\n"
    "                 named by ORBMENU_SYSTEM_DIR holds one)\n"
    "  --force        generate even when some of the project's files lie outside the root folder (their\n"
    "                 paths would not work on the CD); without it they are listed and nothing is written\n";
const char kUsageTail[] =
    "\n"
    "Exit status: 0 when every file was written and the player copied; 1 otherwise (the reason on\n"
    "stderr); 2 on a usage error.\n";

}  // namespace

int GenerateProjectRoot(const char* verb, const ParsedArgs& parsed, bool quiet, std::string& root,
                        std::string& title) {
  std::optional<SigningOptions> signing;
  std::string error;
  if (!SigningFromArgs(parsed, signing, error)) return Failure(verb, error);
  std::optional<std::string> relocated;
  if (auto dir = parsed.Value("--root")) relocated = PosixFileSystem::ModelFolder(*dir);

  PosixFileSystem files;
  ProjectData project;
  FormatError format;
  if (!LoadProjectFile(files, parsed.positional[0], relocated, project, format)) {
    return Failure(verb, format.Text());
  }
  root = project.RootFolder;
  title = project.CdTitle;
  if (relocated && !files.Exists(*relocated)) return Failure(verb, MissingRootText(*parsed.Value("--root")));
  if (!root.empty() && !files.Exists(root)) {
    return Failure(verb, "the project's root folder (" + root +
                             ") does not exist here; give the CD root with --root DIR");
  }

  MemorySettingsStore settings;
  if (parsed.Flag("--no-runtime")) settings.Write("OBM", "Options", "RtxRuntimes", "1");
  std::string player = parsed.Value("--player").value_or(DefaultPlayer());
  // While the player still has to be signed, the messages wait, so that no success precedes a failure.
  std::vector<GeneratorMessage> held;
  Generator generator(
      GeneratorEnvironment{files, settings, PosixFileSystem::ModelFile(player, ""), SystemFolder()},
      signing ? HoldingSink(held) : PrintingSink(verb));
  GenerateOptions options;
  options.quiet = quiet;
  if (parsed.Flag("--force")) {
    std::vector<OutsideRootField> outside = FieldsOutsideRoot(project, root);
    if (!outside.empty()) Warning(verb, OutsideRootText(outside, root));
    options.outside_root_confirmed = true;
  }
  GenerateResult result = generator.MakeCd(project, root, root, options);
  if (signing) {
    int code = SignGeneratedPlayer(verb, *signing, root, result.status == GenerateStatus::Done, held);
    if (result.status != GenerateStatus::NeedsConfirmation) return code;
  }
  if (result.status == GenerateStatus::NeedsConfirmation) {
    return Failure(verb,
                   OutsideRootText(result.outside_root, root) +
                       "\r\nNothing was written. Copy these files into the root folder, or use --force.");
  }
  return result.status == GenerateStatus::Done ? 0 : 1;
}

int RunMakeCd(const std::vector<std::string>& args) {
  const std::string usage = WithSigningUsage(kUsageHead, kUsageTail);
  const char* const kUsage = usage.c_str();
  if (WantsHelp(args)) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  ParsedArgs parsed;
  std::string error;
  if (!ParseArgs(args, WithSigningOptions({"--root", "--player"}), {"--no-runtime", "--force"}, parsed,
                 error)) {
    return UsageError("make-cd", error, kUsage);
  }
  if (parsed.positional.size() != 1) return UsageError("make-cd", "name one project file", kUsage);
  std::string root, title;
  return GenerateProjectRoot("make-cd", parsed, false, root, title);
}

}  // namespace orb::cli
