// osslsigncode as a child process, and the atomic replacement of the signed file; see CodeSigning.h.
#include "cli/CodeSigning.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#ifndef _WIN32
#include <sstream>
#endif

#include "cli/ChildProcess.h"
#include "common/AnsiText.h"
#include "cli/CliFiles.h"
#include "cli/Generation.h"
#include "output/PeSignature.h"
#include "output/PlayerSigning.h"

namespace orb::cli {

const std::set<std::string> kSigningOptions = {"--pkcs12", "--password-file", "--timestamp", "--sign-command"};

#ifdef _WIN32
// No osslsigncode on Windows: the certificate options are kept only to say so.
const char kPkcs12OnWindows[] =
    "--pkcs12 signs through osslsigncode, which Windows does not have: give your signing command with\n"
    "--sign-command instead (for example signtool, with \"%1\" for the file)";
const char kSigningUsage[] =
    "  --sign-command CMD    sign the player with this command (run by cmd.exe; %1 is the file, quote it\n"
    "                        yourself: \"%1\"); it fails unless it exits with 0 and leaves a signature\n"
    "  --pkcs12, --password-file, --timestamp: Linux only (osslsigncode); use --sign-command here\n";
#else
const char kSigningUsage[] =
    "  --pkcs12 CERT.pfx     sign the player with this code-signing certificate (Authenticode, SHA-256,\n"
    "                        through osslsigncode); a failure leaves the player unsigned and exits with 1\n"
    "  --password-file F     the file holding the certificate's password (first line)\n"
    "  --timestamp URL       an RFC 3161 time-stamp server, so the signature outlives the certificate\n"
    "  --sign-command CMD    sign the player with this command instead (run by /bin/sh; %1 is the file, quote\n"
    "                        it yourself: '\"%1\"'); it fails unless it exits with 0 and leaves a signature\n";
#endif

std::set<std::string> WithSigningOptions(std::set<std::string> options) {
  options.insert(kSigningOptions.begin(), kSigningOptions.end());
  return options;
}

std::string WithSigningUsage(const char* head, const char* tail) {
  return std::string(head) + kSigningUsage + tail;
}

namespace {

#ifndef _WIN32
bool Readable(const std::string& path, const char* what, std::string& error) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec) || access(path.c_str(), R_OK) != 0) {
    error = std::string(what) + " " + path + " cannot be read";
    return false;
  }
  return true;
}

// The tool's words on a failure, without its bare "Failed" line and OpenSSL's internal error stack.
std::string ToolReason(const std::string& output) {
  std::istringstream lines(output);
  std::string line, reason;
  while (std::getline(lines, line)) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    if (line.empty() || line == "Failed" || line.find(":error:") != std::string::npos) continue;
    if (!reason.empty()) reason += "; ";
    reason += line;
  }
  return reason.empty() ? "no reason given" : reason;
}
#endif

std::string ReadWhole(const std::string& path) {
  std::string data;
  ReadWholeFile(path, data);
  return data;
}

// Removes the temporary folder beside the signed file, whatever became of its content.
struct TemporaryFolder {
  std::string path;
  ~TemporaryFolder() {
    std::error_code ec;
    if (!path.empty()) std::filesystem::remove_all(FsPath(path), ec);
  }
};

#ifdef _WIN32
using FileMode = int;  // Windows keeps no permission bits worth carrying over

bool ReplaceWithSigned(const std::string& file, const std::string& signed_copy, FileMode, std::string& error) {
  std::string reason;
  if (ReplaceByRename(signed_copy, file, reason)) return true;
  error = "could not replace " + file + " with its signed copy: " + reason;
  return false;
}
#else
using FileMode = mode_t;

bool MakeFolderBeside(const std::string& parent, std::string& path, std::string& error) {
  path = parent + "/.orbsign-XXXXXX";
  if (mkdtemp(path.data())) return true;
  error = std::strerror(errno);
  return false;
}

bool ReplaceWithSigned(const std::string& file, const std::string& signed_copy, FileMode mode, std::string& error) {
  int fd = open(signed_copy.c_str(), O_RDONLY);
  bool durable = fd >= 0 && fchmod(fd, mode & 07777) == 0 && fsync(fd) == 0;
  if (fd >= 0) close(fd);
  if (!durable || rename(signed_copy.c_str(), file.c_str()) != 0) {
    error = "could not replace " + file + " with its signed copy: " + std::strerror(errno);
    return false;
  }
  return true;
}
#endif

// The user's command signs a copy in the temporary folder; our own reader judges it, as in the editor.
bool SignWithUserCommand(const std::string& file, const std::string& copy, FileMode mode,
                         const SigningOptions& options, std::string& subject, std::string& error) {
  std::error_code ec;
  if (!std::filesystem::copy_file(FsPath(file), FsPath(copy), ec)) {
    error = "could not copy " + file + " to sign it: " + ec.message();
    return false;
  }
  ShellCommandRunner shell;
  std::string problem = SignWithCommand(shell, options.command, copy, [&](std::string& bytes) {
    bytes = ReadWhole(copy);
    return true;
  }, file);
  if (!problem.empty()) {
    error = problem;
    return false;
  }
  if (!ReplaceWithSigned(file, copy, mode, error)) return false;
  subject = ReadPeSignature(ReadWhole(file)).subject;
  return true;
}

}  // namespace

bool SigningFromArgs(const ParsedArgs& parsed, std::optional<SigningOptions>& signing, std::string& error) {
  signing.reset();
  auto pkcs12 = parsed.Value("--pkcs12");
  if (auto command = parsed.Value("--sign-command")) {
    if (pkcs12) {
      error = "--sign-command and --pkcs12 are two ways to sign: give one";
      return false;
    }
    if (command->find_first_not_of(" \t") == std::string::npos) {
      error = "--sign-command is empty";
      return false;
    }
    signing = SigningOptions{};
    signing->command = *command;
  }
#ifdef _WIN32
  for (const char* option : {"--pkcs12", "--password-file", "--timestamp"}) {
    if (parsed.Value(option)) {
      error = kPkcs12OnWindows;
      return false;
    }
  }
  return true;
#else
  if (!pkcs12) {
    for (const char* option : {"--password-file", "--timestamp"}) {
      if (parsed.Value(option)) {
        error = std::string(option) + " needs --pkcs12";
        return false;
      }
    }
    return true;
  }
  SigningOptions options;
  options.pkcs12 = *pkcs12;
  options.password_file = parsed.Value("--password-file").value_or("");
  options.timestamp_url = parsed.Value("--timestamp").value_or("");
  if (!Readable(options.pkcs12, "the certificate", error)) return false;
  if (!options.password_file.empty() && !Readable(options.password_file, "the password file", error))
    return false;
  signing = options;
  return true;
#endif
}

bool SignFileInPlace(const std::string& file, const SigningOptions& options, std::string& subject,
                     std::string& error) {
  namespace fs = std::filesystem;
  FileMode mode = 0;
#ifdef _WIN32
  std::error_code ec;
  bool regular = fs::is_regular_file(FsPath(file), ec);
  const char separator = '\\';
#else
  struct stat original;
  bool regular = stat(file.c_str(), &original) == 0 && S_ISREG(original.st_mode);
  mode = original.st_mode;
  const char separator = '/';
#endif
  if (!regular) {
    error = file + ": no such file";
    return false;
  }
  // Beside the file, so that the rename stays on one file system and is atomic.
  fs::path target = FsPath(file);
  std::string parent = FsText(target.parent_path().empty() ? fs::path(".") : target.parent_path());
  TemporaryFolder folder;
  std::string reason;
  if (!MakeFolderBeside(parent, folder.path, reason)) {
    folder.path.clear();
    error = "cannot make a temporary folder beside " + file + ": " + reason;
    return false;
  }
  std::string signed_copy = folder.path + separator + FsText(target.filename());
  if (!options.command.empty()) return SignWithUserCommand(file, signed_copy, mode, options, subject, error);
#ifdef _WIN32
  error = kPkcs12OnWindows;  // SigningFromArgs already refused it
  return false;
#else

  const char* tool = std::getenv("ORBMENU_OSSLSIGNCODE");
  std::vector<std::string> argv = {
      tool && *tool ? tool : "osslsigncode", "sign", "-h", "sha256", "-pkcs12", options.pkcs12};
  if (!options.password_file.empty()) argv.insert(argv.end(), {"-readpass", options.password_file});
  if (!options.timestamp_url.empty()) argv.insert(argv.end(), {"-ts", options.timestamp_url});
  argv.insert(argv.end(), {"-in", file, "-out", signed_copy});
  ChildResult run = RunChild(argv);
  if (!run.started) {
    error = run.error + " (signing needs osslsigncode)";
    return false;
  }
  if (run.exit_code != 0) {
    error = "could not sign " + file + ": " + ToolReason(run.output);
    return false;
  }
  // Trust no claimed success that left no signature behind.
  PeSignature signature = ReadPeSignature(ReadWhole(signed_copy));
  if (signature.state != SignatureState::Signed) {
    error = "could not sign " + file + ": the signed copy holds no signature";
    return false;
  }
  if (!ReplaceWithSigned(file, signed_copy, original.st_mode, error)) return false;
  subject = signature.subject;
  return true;
#endif
}

MessageSink HoldingSink(std::vector<GeneratorMessage>& held) {
  return [&held](const GeneratorMessage& message) { held.push_back(message); };
}

ExitCode SignGeneratedPlayer(const char* verb, const SigningOptions& options, const std::string& model_root,
                             bool generated, const std::vector<GeneratorMessage>& held) {
  MessageSink print = PrintingSink(verb);
  std::string subject, error;
  bool signed_ok = generated && SignFileInPlace(CliFiles::NativePath(model_root + "Orbstart.exe"),
                                                options, subject, error);
  for (const GeneratorMessage& message : held) {
    if (generated && !signed_ok && message.text == SuccessText(model_root)) continue;
    print(message);
  }
  if (!generated) return ExitCode::kFailure;
  // A signing command's report ends in its output: the verdict on the root goes on a line of its own.
  if (!signed_ok)
    return Failure(verb, error + (error.find('\n') == std::string::npos ? "; " : "\r\n") +
                             "the player in the root stays unsigned");
  std::fprintf(stderr, "Orbstart.exe signed by %s\n", AnsiToUtf8(subject).c_str());
  return ExitCode::kSuccess;
}

}  // namespace orb::cli
