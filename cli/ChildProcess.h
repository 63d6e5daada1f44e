// Runs an outside tool as a child process with an argument vector (no shell, so no quoting to get wrong)
// and collects what it printed.
#pragma once

#include <string>
#include <vector>

namespace orb::cli {

struct ChildResult {
  bool started = false;  // false: the program could not be run at all (error says why)
  int exit_code = -1;    // the exit status, or 128 + the signal that ended it
  std::string output;    // stdout and stderr together, in the order written
  std::string error;
};

// argv[0] is looked up in PATH. The child's stdin is /dev/null, so a tool that would prompt for a
// password fails instead of waiting.
ChildResult RunChild(const std::vector<std::string>& argv);

}  // namespace orb::cli
