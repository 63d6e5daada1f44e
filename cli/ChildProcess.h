// Runs an outside tool as a child process with an argument vector (no shell, so no quoting to get wrong)
// and collects what it printed.
#pragma once

#include <string>
#include <vector>

#include "common/CommandRunner.h"

namespace orb::cli {

struct ChildResult {
  bool started = false;  // false: the program could not be run at all (error says why)
  int exit_code = -1;    // the exit status, or 128 + the signal that ended it
  std::string output;    // stdout and stderr together, in the order written
  std::string error;
};

// argv[0] is looked up in PATH. The child's stdin is /dev/null, so a tool that would prompt for a
// password fails instead of waiting. With a timeout (seconds, 0 none) the child runs in a process group
// of its own, which is killed whole once the time is up (timed_out then set).
ChildResult RunChild(const std::vector<std::string>& argv, int timeout_seconds = 0, bool* timed_out = nullptr);

// A user's command line (--sign-command) through /bin/sh, as a terminal would run it.
class ShellCommandRunner : public CommandRunner {
 public:
  CommandResult Run(const std::string& command_line, int timeout_seconds) override;
};

}  // namespace orb::cli
