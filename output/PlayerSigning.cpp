// The signing command's line and its verdict; see PlayerSigning.h.
#include "output/PlayerSigning.h"

#include "common/MessagePath.h"
#include "output/PeSignature.h"

namespace orb {

namespace {

// Enough of a tool's words for a message box; the end holds the reason, so that is what is kept.
constexpr size_t kMaxOutput = 2000;

std::string OutputText(std::string output) {
  while (!output.empty() && (output.back() == '\r' || output.back() == '\n' || output.back() == ' '))
    output.pop_back();
  if (output.empty()) return "(none)";
  if (output.size() > kMaxOutput) output = "..." + output.substr(output.size() - kMaxOutput);
  return output;
}

}  // namespace

std::string SignCommandLine(const std::string& command_template, const std::string& file) {
  std::string line;
  bool named = false;
  for (size_t i = 0; i < command_template.size(); ++i) {
    if (command_template[i] == '%' && i + 1 < command_template.size() && command_template[i + 1] == '1') {
      line += file;
      named = true;
      ++i;
    } else {
      line += command_template[i];
    }
  }
  if (!named) line += " \"" + file + "\"";
  return line;
}

std::string SignWithCommand(CommandRunner& runner, const std::string& command_template, const std::string& file,
                            const std::function<bool(std::string& bytes)>& read_after,
                            const std::string& shown_as) {
  const std::string command = SignCommandLine(command_template, file);
  CommandResult run = runner.Run(command, kSignTimeoutSeconds);
  std::string what;
  if (!run.started) {
    what = "the signing command could not be run (" + run.error + ").";
  } else if (run.timed_out) {
    what = "the signing command did not finish within " + std::to_string(kSignTimeoutSeconds) +
           " seconds and was ended.";
  } else if (run.exit_code != 0) {
    what = "the signing command ended with exit code " + std::to_string(run.exit_code) + ".";
  } else {
    std::string bytes;
    PeSignature signature;
    if (read_after(bytes)) signature = ReadPeSignature(bytes);
    if (signature.state == SignatureState::Signed) return "";
    what = bytes.empty() ? "the signing command ended without an error, but the file cannot be read afterwards."
           : signature.state == SignatureState::Damaged
               ? "the signing command ended without an error, but the signature it left is damaged (" +
                     signature.problem + ")."
               : "the signing command ended without an error, but the file holds no signature.";
  }
  return MessagePath(shown_as.empty() ? file : shown_as) + " was not signed: " + what + "\r\n\r\nCommand: " + command +
         "\r\n\r\nIts output:\r\n" + OutputText(run.output);
}

}  // namespace orb
