// The verbs of orbmenu-cli: each is one function in its own file, listed in the table of main.cpp.
#pragma once

#include <string>
#include <vector>

namespace orb::cli {

// A verb gets the arguments after its name and returns the exit code (0 success, 1 failure, 2 usage).
// Every verb answers "--help" with its usage on stdout and exit code 0.
using VerbFunction = int (*)(const std::vector<std::string>& args);

struct Verb {
  const char* name;
  const char* summary;  // one line for the overall --help
  VerbFunction run;
};

int RunInspect(const std::vector<std::string>& args);
int RunShow(const std::vector<std::string>& args);
int RunMakeCd(const std::vector<std::string>& args);
int RunMakeSimple(const std::vector<std::string>& args);
int RunConvert(const std::vector<std::string>& args);
int RunMakeIso(const std::vector<std::string>& args);
int RunCheck(const std::vector<std::string>& args);
int RunSign(const std::vector<std::string>& args);

// True when args holds "--help" or "-h".
bool WantsHelp(const std::vector<std::string>& args);

}  // namespace orb::cli
