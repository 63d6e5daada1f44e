// orbmenu-cli: the editor's core on the command line, for building CD roots in scripts.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/Verbs.h"
#include "common/Version.h"

namespace orb::cli {
namespace {

// One entry per verb; add new verbs here and declare them in Verbs.h.
const Verb kVerbs[] = {
    {"inspect", "print what the player reads from a CD root, as JSON", RunInspect},
    {"show", "print a menu project file as JSON", RunShow},
    {"make-cd", "generate the CD root of a menu project", RunMakeCd},
    {"make-simple", "generate a CD root that opens one program or file", RunMakeSimple},
    {"convert", "convert a 1.x project file to 2.x", RunConvert},
    {"make-iso", "generate a CD root and write its disc image (.iso)", RunMakeIso},
    {"check", "list what would make a project's or a root's disc fail", RunCheck},
    {"sign", "sign a program (the player) with a code-signing certificate", RunSign},
};

void PrintUsage(std::FILE* to) {
  std::fprintf(to,
               "usage: orbmenu-cli COMMAND [ARGS]   (orbmenu-cli COMMAND --help for details)\n\ncommands:\n");
  for (const Verb& verb : kVerbs) std::fprintf(to, "  %-12s %s\n", verb.name, verb.summary);
  std::fprintf(to, "\n  --version    print the version\n");
}

}  // namespace

bool WantsHelp(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") return true;
  }
  return false;
}

}  // namespace orb::cli

int main(int argc, char** argv) {
  using namespace orb::cli;
  if (argc < 2) {
    PrintUsage(stderr);
    return 2;
  }
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    PrintUsage(stdout);
    return 0;
  }
  if (std::strcmp(argv[1], "--version") == 0) {
    std::printf("orbmenu-cli %s\n", ORB_VERSION_TEXT);
    return 0;
  }
  for (const Verb& verb : kVerbs) {
    if (std::strcmp(argv[1], verb.name) == 0)
      return verb.run(std::vector<std::string>(argv + 2, argv + argc));
  }
  std::fprintf(stderr, "orbmenu-cli: unknown command '%s'\n", argv[1]);
  PrintUsage(stderr);
  return 2;
}
