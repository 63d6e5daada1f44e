// orbmenu-cli: the editor's core on the command line, for building CD roots in scripts.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

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
  return {InspectVerb(), ShowVerb(),    MakeCdVerb(), MakeSimpleVerb(),
          ConvertVerb(), MakeIsoVerb(), CheckVerb(),  SignVerb()};
}

void PrintUsage(std::FILE* to, const std::vector<Verb>& verbs) {
  std::fprintf(to,
               "usage: orbmenu-cli COMMAND [ARGS]   (orbmenu-cli COMMAND --help for details)\n\ncommands:\n");
  for (const Verb& verb : verbs) std::fprintf(to, "  %-12s %s\n", verb.name, verb.summary);
  std::fprintf(to, "\n  --version    print the version\n");
}

int Status(ExitCode code) { return static_cast<int>(code); }

int Run(int argc, char** argv) {
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

}  // namespace

}  // namespace orb::cli

#ifdef _WIN32
// Windows hands over the arguments in UTF-16; the verbs and the file seam work in the ANSI code page, as
// the editor does. An argument that code page cannot hold would name another file, so it stops here.
// The messages are UTF-8, as on Linux; a console shows them so while the program runs, and gets its own
// code page back afterwards.
struct Utf8Console {
  UINT before = GetConsoleOutputCP();
  Utf8Console() { SetConsoleOutputCP(CP_UTF8); }
  ~Utf8Console() {
    if (before != 0) SetConsoleOutputCP(before);
  }
};

int wmain(int argc, wchar_t** wargv) {
  Utf8Console console;
  std::vector<std::string> args;
  for (int i = 0; i < argc; ++i) {
    BOOL lossy = FALSE;
    int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wargv[i], -1, nullptr, 0, nullptr, &lossy);
    std::string arg(n > 0 ? n - 1 : 0, '\0');
    if (n > 1) WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wargv[i], -1, arg.data(), n, nullptr, &lossy);
    if (lossy) {
      std::fprintf(stderr,
                   "orbmenu-cli: argument %d holds characters that this system's code page (%u) cannot "
                   "hold; rename the file or folder, or change the system's language for programs\n",
                   i, GetACP());
      return static_cast<int>(orb::cli::ExitCode::kFailure);
    }
    args.push_back(std::move(arg));
  }
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  return orb::cli::Run(argc, argv.data());
}
#else
int main(int argc, char** argv) { return orb::cli::Run(argc, argv); }
#endif
