// Helpers shared by the verbs that load projects and generate CD roots: option parsing, where the
// player and the system folder come from, and printing the generator's messages.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "editor/output/Generator.h"

namespace orb::cli {

// Options of one verb: "--name VALUE" (or "--name=VALUE") for value options, "--name" for flags, and
// the rest positional. On a mistake, error says what was wrong.
struct ParsedArgs {
  std::map<std::string, std::string> values;
  std::set<std::string> flags;
  std::vector<std::string> positional;
  std::optional<std::string> Value(const std::string& name) const;
  bool Flag(const std::string& name) const { return flags.count(name) > 0; }
};

bool ParseArgs(const std::vector<std::string>& args, const std::set<std::string>& value_options,
               const std::set<std::string>& flag_options, ParsedArgs& parsed, std::string& error);

// Prints "orbmenu-cli VERB: TEXT" and the verb's usage on stderr; returns the usage exit code 2.
int UsageError(const char* verb, const std::string& text, const char* usage);
// Prints "orbmenu-cli VERB: TEXT" on stderr (Windows-1252 text as UTF-8); returns 1.
int Failure(const char* verb, const std::string& text);
// Prints "orbmenu-cli VERB: warning: TEXT" on stderr.
void Warning(const char* verb, const std::string& text);

// The message for a folder given with --root that does not exist.
std::string MissingRootText(const std::string& given);

// The player to copy: the one given, else Orbstart.exe beside this program, in the distribution's
// windows folder (dist/windows next to dist/linux), or in the source tree's dist/windows.
std::string DefaultPlayer();

// The system folder where a runtime library would be looked for, in the model's form: the folder named
// by ORBMENU_SYSTEM_DIR, or none (Linux has no system folder holding one).
std::string SystemFolder();

// Loads the project named by parsed.positional[0] and generates its CD root as make-cd does (options
// --root, --player, --no-runtime, --force); quiet leaves out the success message. Sets root (the model's
// folder) and title (the CD title) once the project is loaded. Returns the exit code.
int GenerateProjectRoot(const char* verb, const ParsedArgs& parsed, bool quiet, std::string& root,
                        std::string& title);

// The generator's messages on stderr, line breaks as the terminal's.
MessageSink PrintingSink(const char* verb);

}  // namespace orb::cli
