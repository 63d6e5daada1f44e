// orbmenu-cli.exe's entry point: the UTF-16 arguments into UTF-8, the console set for UTF-8.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/Verbs.h"
#include "common/win/WideText.h"

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

// Windows hands over the arguments in UTF-16; the verbs hold UTF-8, as on Linux, and the file seam speaks
// to Windows in UTF-16, so a name in any script reaches its file.
int wmain(int argc, wchar_t** wargv) {
  Utf8Console console;
  std::vector<std::string> args;
  for (int i = 0; i < argc; ++i) args.push_back(orb::win::Narrow(wargv[i]));
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  return orb::cli::RunCommandLine(argc, argv.data());
}
