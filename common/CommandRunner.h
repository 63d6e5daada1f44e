// The seam for running a command line the user configured (the player's signing command): the system's
// command interpreter runs it, its output and exit code come back. Windows starts it with CreateProcessW
// through cmd.exe; the command line on Linux through /bin/sh.
#pragma once

#include <string>

namespace orb {

struct CommandResult {
  bool started = false;    // false: it could not be run at all (error says why)
  bool timed_out = false;  // it ran past its time and was ended
  int exit_code = -1;
  std::string output;  // what it wrote to its standard output and error, in order
  std::string error;
};

class CommandRunner {
 public:
  virtual ~CommandRunner() = default;
  // Runs command_line, waits at most timeout_seconds, ends it after that. Its standard input is empty,
  // so a command that would ask for something fails instead of waiting.
  virtual CommandResult Run(const std::string& command_line, int timeout_seconds) = 0;
};

}  // namespace orb
