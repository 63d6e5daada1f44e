// orbmenu-cli: the editor's core on the command line, for building CD roots in scripts.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/Verbs.h"
#include "common/Version.h"

namespace orb::cli {

ExitCode VerbCall::UsageError(const std::string& text) const {
  return cli::UsageError(verb.name, text, verb.usage);
}

ExitCode RunVerb(const Verb& verb, std::vector<std::string> args) {
  if (WantsHelp(args)) {
    std::fputs(verb.usage.c_str(), stdout);
    return ExitCode::kSuccess;
  }
  for (std::string& arg : args) {
    if (auto alias = verb.aliases.find(arg); alias != verb.aliases.end()) arg = alias->second;
  }
  VerbCall call{verb, {}};
  std::string error;
  if (!ParseArgs(args, verb.value_options, verb.flag_options, call.args, error))
    return call.UsageError(error);
  return verb.run(call);
}

namespace {

// One entry per verb; add new verbs here and declare them in Verbs.h.
std::vector<Verb> Verbs() {
  return {InspectVerb(), ShowVerb(),    ImportVerb(), MakeCdVerb(), MakeSimpleVerb(),
          ConvertVerb(), MakeIsoVerb(), CheckVerb(),  SignVerb()};
}

void PrintUsage(std::FILE* to, const std::vector<Verb>& verbs) {
  std::fprintf(to,
               "usage: orbmenu-cli COMMAND [ARGS]   (orbmenu-cli COMMAND --help for details)\n\ncommands:\n");
  for (const Verb& verb : verbs) std::fprintf(to, "  %-12s %s\n", verb.name, verb.summary);
  std::fprintf(to, "\n  --version    print the version\n");
}

int Status(ExitCode code) { return static_cast<int>(code); }

}  // namespace

}  // namespace orb::cli

int main(int argc, char** argv) {
  using namespace orb::cli;
  const std::vector<Verb> verbs = Verbs();
  if (argc < 2) {
    PrintUsage(stderr, verbs);
    return Status(ExitCode::kUsage);
  }
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    PrintUsage(stdout, verbs);
    return Status(ExitCode::kSuccess);
  }
  if (std::strcmp(argv[1], "--version") == 0) {
    std::printf("orbmenu-cli %s\n", ORB_VERSION_TEXT);
    return Status(ExitCode::kSuccess);
  }
  for (const Verb& verb : verbs) {
    if (std::strcmp(argv[1], verb.name) == 0)
      return Status(RunVerb(verb, std::vector<std::string>(argv + 2, argv + argc)));
  }
  std::fprintf(stderr, "orbmenu-cli: unknown command '%s'\n", argv[1]);
  PrintUsage(stderr, verbs);
  return Status(ExitCode::kUsage);
}
