// The verbs of orbmenu-cli: each declares its usage text and its options in one place, in its own file,
// and main runs the preamble for all of them alike (--help, parsing, usage errors, the exit status).
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "cli/CliSupport.h"

namespace orb::cli {

struct Verb;

// What a verb runs with: its arguments as parsed with its options.
struct VerbCall {
  const Verb& verb;
  ParsedArgs args;
  // A mistake in the arguments that the options alone do not show: the message and the verb's usage.
  ExitCode UsageError(const std::string& text) const;
};

struct Verb {
  const char* name;
  const char* summary;  // one line for the overall --help
  std::string usage;    // printed for --help on stdout, and after a usage error on stderr
  std::set<std::string> value_options = {};
  std::set<std::string> flag_options = {};
  // Short spellings replaced before parsing, wherever they stand: "-o" for "--output".
  std::map<std::string, std::string> aliases = {};
  ExitCode (*run)(const VerbCall& call) = nullptr;
};

// Runs a verb with the arguments after its name: --help (or -h) anywhere prints the usage, a mistake in
// the options is a usage error, else the verb runs.
ExitCode RunVerb(const Verb& verb, std::vector<std::string> args);

Verb InspectVerb();
Verb ShowVerb();
Verb ImportVerb();
Verb MakeCdVerb();
Verb MakeSimpleVerb();
Verb ConvertVerb();
Verb MakeIsoVerb();
Verb CheckVerb();
Verb SignVerb();

}  // namespace orb::cli
