// Helpers every verb shares; see CliSupport.h.
#include "cli/CliSupport.h"

#include <cstdio>

#include "cli/CliFiles.h"

namespace orb::cli {

std::optional<std::string> ParsedArgs::Value(const std::string& name) const {
  auto it = values.find(name);
  if (it == values.end()) return std::nullopt;
  return it->second;
}

bool ParseArgs(const std::vector<std::string>& args, const std::set<std::string>& value_options,
               const std::set<std::string>& flag_options, ParsedArgs& parsed, std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
      parsed.positional.push_back(arg);
      continue;
    }
    size_t eq = arg.find('=');
    std::string name = arg.substr(0, eq);
    if (value_options.count(name)) {
      if (eq != std::string::npos) {
        parsed.values[name] = arg.substr(eq + 1);
      } else if (i + 1 < args.size()) {
        parsed.values[name] = args[++i];
      } else {
        error = name + " needs a value";
        return false;
      }
    } else if (flag_options.count(name) && eq == std::string::npos) {
      parsed.flags.insert(name);
    } else {
      error = "unknown option '" + arg + "'";
      return false;
    }
  }
  return true;
}

bool WantsHelp(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") return true;
  }
  return false;
}

ExitCode UsageError(const char* verb, const std::string& text, const std::string& usage) {
  std::fprintf(stderr, "orbmenu-cli %s: %s\n\n%s", verb, text.c_str(), usage.c_str());
  return ExitCode::kUsage;
}

std::string MissingRootText(const std::string& given) {
  return "the root folder " + given + " given with --root does not exist";
}

bool ReadWholeFile(const std::string& name, std::string& data) {
#ifdef _WIN32
  std::FILE* file = _wfopen(FsPath(name).c_str(), L"rb");
#else
  std::FILE* file = std::fopen(name.c_str(), "rb");
#endif
  if (!file) return false;
  data.clear();
  char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) data.append(buffer, n);
  bool ok = !std::ferror(file);
  std::fclose(file);
  return ok;
}

std::string TerminalText(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

ExitCode Failure(const char* verb, const std::string& text) {
  std::fprintf(stderr, "orbmenu-cli %s: %s\n", verb, TerminalText(text).c_str());
  return ExitCode::kFailure;
}

void Warning(const char* verb, const std::string& text) {
  std::fprintf(stderr, "orbmenu-cli %s: warning: %s\n", verb, TerminalText(text).c_str());
}

}  // namespace orb::cli
