// orbmenu-cli sign: signs a program (the player, usually) with an Authenticode code-signing certificate.
#include <cstdio>

#include "cli/CliFiles.h"
#include "cli/CliSupport.h"
#include "cli/CodeSigning.h"
#include "common/AnsiText.h"
#include "cli/Verbs.h"

namespace orb::cli {

namespace {

const char kUsageHead[] =
    "usage: orbmenu-cli sign FILE --pkcs12 CERT.pfx [--password-file F] [--timestamp URL]\n"
    "       orbmenu-cli sign FILE --sign-command CMD\n"
    "\n"
    "Signs a Windows program in place, so that Windows names its publisher instead of warning of an\n"
    "unknown one. An existing signature is replaced.\n"
    "\n";
const char kUsageTail[] =
    "\n"
    "Exit status: 0 when FILE is signed (the signer on stdout); 1 otherwise, FILE unchanged (the reason\n"
    "on stderr); 2 on a usage error.\n";

ExitCode RunSign(const VerbCall& call) {
  const ParsedArgs& parsed = call.args;
  if (parsed.positional.size() != 1) return call.UsageError("name one file to sign");
  if (!parsed.Value("--pkcs12") && !parsed.Value("--sign-command"))
    return call.UsageError("--pkcs12 CERT.pfx is required (or --sign-command CMD)");
  std::string error;
  std::optional<SigningOptions> signing;
  if (!SigningFromArgs(parsed, signing, error)) return Failure("sign", error);
  std::string subject;
  if (!SignFileInPlace(parsed.positional[0], *signing, subject, error)) return Failure("sign", error);
  std::printf("%s: signed by %s\n", ShownPath(parsed.positional[0]).c_str(), AnsiToUtf8(subject).c_str());
  return ExitCode::kSuccess;
}

}  // namespace

Verb SignVerb() {
  return {.name = "sign",
          .summary = "sign a program (the player) with a code-signing certificate",
          .usage = WithSigningUsage(kUsageHead, kUsageTail),
          .value_options = WithSigningOptions({}),
          .run = RunSign};
}

}  // namespace orb::cli
