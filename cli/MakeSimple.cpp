// orbmenu-cli make-simple: the simple autorun mode, a CD that opens one program or file when inserted.
#include <cstdio>
#include <filesystem>

#include "cli/CodeSigning.h"
#include "cli/Generation.h"
#include "cli/Verbs.h"
#include "common/PathText.h"
#include "common/PosixFileSystem.h"

namespace orb::cli {

namespace {

const char kUsageHead[] =
    "usage: orbmenu-cli make-simple --root DIR [--start FILE] [--icon FILE] [--sound FILE] [--args TEXT]\n"
    "                               [--player FILE] [--no-runtime]\n"
    "                               [--pkcs12 CERT.pfx [--password-file F] [--timestamp URL]]\n"
    "\n"
    "Writes a CD root that opens one program or file when the CD is inserted: menu.cfg (\"false\"),\n"
    "autorun.inf, autorun.des and a copy of the player Orbstart.exe. The editor's simple mode.\n"
    "\n"
    "  --root DIR     the CD root (must exist)\n"
    "  --start FILE   the program or file the CD opens\n"
    "  --icon FILE    the icon the drive shows (default: the player's own)\n"
    "  --sound FILE   a sound played when the CD starts\n"
    "  --args TEXT    command-line parameters for the started program\n"
    "  --player FILE  the player to copy (default: the Orbstart.exe of this distribution, dist/windows)\n"
    "  --no-runtime   do not copy the runtime library rtxcore.dll\n";
const char kUsageTail[] =
    "A FILE outside DIR is first copied into DIR itself (an existing file of that name is replaced).\n"
    "\n"
    "Exit status: 0 when every file was written and the player copied; 1 otherwise (the reason on\n"
    "stderr); 2 on a usage error.\n";

// The model path of a chosen file, copying it into the root folder first when it lies outside.
bool AdoptFile(PosixFileSystem& files, const std::string& native, const std::string& root, std::string& model,
               std::string& error) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(native, ec)) {
    error = native + ": no such file";
    return false;
  }
  model = PosixFileSystem::ModelFile(native, root);
  if (IsInsideFolder(model, root)) return true;
  std::string name = std::filesystem::path(native).filename().string();
  std::string target = root + name;
  std::string reason;
  if (!files.CopyFile(model, target, reason)) {
    error = "could not copy " + native + " into the root folder (" + reason + ")";
    return false;
  }
  model = target;
  return true;
}

ExitCode RunMakeSimple(const VerbCall& call) {
  const ParsedArgs& parsed = call.args;
  if (!parsed.positional.empty())
    return call.UsageError("unexpected argument '" + parsed.positional[0] + "'");
  std::optional<std::string> dir = parsed.Value("--root");
  if (!dir) return call.UsageError("--root DIR is required");
  std::error_code ec;
  if (!std::filesystem::is_directory(*dir, ec)) return Failure("make-simple", *dir + ": no such folder");
  std::string error;
  std::optional<SigningOptions> signing;
  if (!SigningFromArgs(parsed, signing, error)) return Failure("make-simple", error);

  VerbGenerator generator("make-simple", parsed, signing.has_value());
  PosixFileSystem& files = generator.Files();
  SimpleAutorun simple;
  simple.RootFolder = PosixFileSystem::ModelFolder(*dir);
  const std::string& root = simple.RootFolder;
  struct Choice {
    const char* option;
    std::string* field;
  } choices[] = {
      {"--start", &simple.StartProgram}, {"--icon", &simple.AutorunIcon}, {"--sound", &simple.AutorunSound}};
  for (const Choice& choice : choices) {
    if (auto file = parsed.Value(choice.option)) {
      if (!AdoptFile(files, *file, root, *choice.field, error)) return Failure("make-simple", error);
    }
  }
  simple.CommandLine = parsed.Value("--args").value_or("");

  GenerateResult result =
      generator.Get().GenerateSimple(simple, root, root, {.quiet = false, .outside_root_confirmed = false});
  if (signing) {
    return SignGeneratedPlayer("make-simple", *signing, root, result.status == GenerateStatus::Done,
                               generator.Held());
  }
  return result.status == GenerateStatus::Done ? ExitCode::kSuccess : ExitCode::kFailure;
}

}  // namespace

Verb MakeSimpleVerb() {
  return {
      .name = "make-simple",
      .summary = "generate a CD root that opens one program or file",
      .usage = WithSigningUsage(kUsageHead, kUsageTail),
      .value_options = WithSigningOptions({"--root", "--start", "--icon", "--sound", "--args", "--player"}),
      .flag_options = {"--no-runtime"},
      .run = RunMakeSimple};
}

}  // namespace orb::cli
