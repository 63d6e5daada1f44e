// Signing the player through a command the user configured ("Sign the player with:" in Options,
// --sign-command on the command line): the command runs on the file, and only our own signature reader
// decides whether it worked, since a tool may claim success and sign nothing.
#pragma once

#include <functional>
#include <string>

#include "common/CommandRunner.h"

namespace orb {

// Long enough for a time-stamp server or a cloud signing service, short enough that a command waiting
// for something that never comes gives the editor back.
inline constexpr int kSignTimeoutSeconds = 300;

// The command line for one file: each %1 becomes the file as it is, so the user's own quotes ("%1")
// stay around it; a command without %1 gets the file quoted at its end.
std::string SignCommandLine(const std::string& command_template, const std::string& file);

// Runs the command on file and reads the file afterwards (read_after gives its bytes, false when it
// cannot). Empty when the file is signed; else the message: the file (named as shown_as when the command
// signs a copy of it), what went wrong, the command and its output.
std::string SignWithCommand(CommandRunner& runner, const std::string& command_template, const std::string& file,
                            const std::function<bool(std::string& bytes)>& read_after,
                            const std::string& shown_as = std::string());

}  // namespace orb
