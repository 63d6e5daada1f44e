// The command seam on Windows: the command line goes to cmd.exe (so a .cmd or .bat works as signtool
// does), output through a pipe, the whole process tree in a job that is ended when the time is up.
#pragma once

#include "common/CommandRunner.h"

namespace orb {

class Win32CommandRunner : public CommandRunner {
 public:
  CommandResult Run(const std::string& command_line, int timeout_seconds) override;
};

}  // namespace orb
