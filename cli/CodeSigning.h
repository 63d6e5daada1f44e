// Authenticode signing of a program through osslsigncode (SHA-256), shared by the sign verb and the verbs
// that put the player into a CD root.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/CliSupport.h"
#include "output/Generator.h"

namespace orb::cli {

struct SigningOptions {
  std::string pkcs12;         // certificate, key and chain
  std::string password_file;  // empty: the PKCS #12 file has no password
  std::string timestamp_url;  // empty: no time stamp
  std::string command;        // --sign-command: the user's signing command (%1 the file) instead of osslsigncode
};

// The value options that ask for signing, and their lines for a verb's usage text.
extern const std::set<std::string> kSigningOptions;
extern const char kSigningUsage[];
// A verb's own value options joined with the signing ones; its usage with their lines between head and tail.
std::set<std::string> WithSigningOptions(std::set<std::string> options);
std::string WithSigningUsage(const char* head, const char* tail);

// The signing a verb was asked for: nullopt without --pkcs12 or --sign-command. False (error says why)
// when the other options come without --pkcs12, both ways are asked for, or a named file cannot be read,
// so that nothing is generated in vain.
bool SigningFromArgs(const ParsedArgs& parsed, std::optional<SigningOptions>& signing, std::string& error);

// Signs file where it lies: osslsigncode writes a signed copy into a temporary folder beside it (or the
// signing command signs a copy there), which replaces the file by a rename only when the copy is signed.
// On any failure the file stays as it was.
// The password reaches the tool as a file name, never on its command line. ORBMENU_OSSLSIGNCODE names
// another signing program. On success subject holds the signer.
bool SignFileInPlace(const std::string& file, const SigningOptions& options, std::string& subject,
                     std::string& error);

// Collects the generator's messages while the player still has to be signed.
MessageSink HoldingSink(std::vector<GeneratorMessage>& held);

// Signs the root's Orbstart.exe after a generation and then prints the held messages; when the
// generation failed or signing fails, the success message is left out and the result is a failure.
ExitCode SignGeneratedPlayer(const char* verb, const SigningOptions& options, const std::string& model_root,
                             bool generated, const std::vector<GeneratorMessage>& held);

}  // namespace orb::cli
