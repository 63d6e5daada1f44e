// orbmenu-cli.exe's entry point: the UTF-16 arguments into the program's text, the console set for UTF-8.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/Verbs.h"

namespace {

// The messages are UTF-8, as on Linux; a console shows them so while the program runs, and gets its own
// code page back afterwards.
struct Utf8Console {
  UINT before = GetConsoleOutputCP();
  Utf8Console() { SetConsoleOutputCP(CP_UTF8); }
  ~Utf8Console() {
    if (before != 0) SetConsoleOutputCP(before);
  }
};

}  // namespace

// Windows hands over the arguments in UTF-16; the verbs and the file seam work in the ANSI code page, as
// the editor does. An argument that code page cannot hold would name another file, so it stops here.
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
  return orb::cli::RunCommandLine(argc, argv.data());
}
