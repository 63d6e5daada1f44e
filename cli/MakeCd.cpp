// orbmenu-cli make-cd: loads a menu project and generates its CD root as the editor's Make Cd does.
#include <cstdio>

#include "cli/CodeSigning.h"
#include "cli/Generation.h"
#include "cli/Verbs.h"

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

ExitCode RunMakeCd(const VerbCall& call) {
  if (call.args.positional.size() != 1) return call.UsageError("name one project file");
  std::string root, title;
  return GenerateProjectRoot("make-cd", call.args, false, root, title);
}

}  // namespace

Verb MakeCdVerb() {
  return {.name = "make-cd",
          .summary = "generate the CD root of a menu project",
          .usage = WithSigningUsage(kUsageHead, kUsageTail),
          .value_options = WithSigningOptions({"--root", "--player"}),
          .flag_options = {"--no-runtime", "--force"},
          .run = RunMakeCd};
}

}  // namespace orb::cli
