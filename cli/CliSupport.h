// Helpers every verb shares: the exit codes, option parsing and the forms of messages on stderr.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace orb::cli {

// The process status of orbmenu-cli.
enum class ExitCode {
  kSuccess = 0,
  kFailure = 1,  // the reason on stderr
  kUsage = 2,    // a mistake in the arguments; the verb's usage on stderr
};

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

// True when args holds "--help" or "-h".
bool WantsHelp(const std::vector<std::string>& args);

// Prints "orbmenu-cli VERB: TEXT" and the verb's usage on stderr.
ExitCode UsageError(const char* verb, const std::string& text, const std::string& usage);
// Prints "orbmenu-cli VERB: TEXT" on stderr.
ExitCode Failure(const char* verb, const std::string& text);
// Prints "orbmenu-cli VERB: warning: TEXT" on stderr.
void Warning(const char* verb, const std::string& text);
// Text for the terminal: CR LF as LF.
std::string TerminalText(const std::string& text);

// A whole file's bytes through the C library (UTF-8 names, wide on Windows; no iostreams, which would
// triple the size of the Windows program). False when it cannot be opened or read.
bool ReadWholeFile(const std::string& name, std::string& data);

// The message for a folder given with --root that does not exist.
std::string MissingRootText(const std::string& given);

}  // namespace orb::cli
