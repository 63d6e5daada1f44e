// Shared helpers of the project verbs; see CliSupport.h.
#include "cli/CliSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "cli/Cp1252.h"
#include "common/PosixFileSystem.h"

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

int UsageError(const char* verb, const std::string& text, const char* usage) {
  std::fprintf(stderr, "orbmenu-cli %s: %s\n\n%s", verb, text.c_str(), usage);
  return 2;
}

std::string MissingRootText(const std::string& given) {
  return "the root folder " + given + " given with --root does not exist";
}

static std::string TerminalText(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return Cp1252ToUtf8(out);
}

int Failure(const char* verb, const std::string& text) {
  std::fprintf(stderr, "orbmenu-cli %s: %s\n", verb, TerminalText(text).c_str());
  return 1;
}

void Warning(const char* verb, const std::string& text) {
  std::fprintf(stderr, "orbmenu-cli %s: warning: %s\n", verb, TerminalText(text).c_str());
}

std::string DefaultPlayer() {
  namespace fs = std::filesystem;
  std::vector<fs::path> candidates;
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    candidates.push_back(self.parent_path() / "Orbstart.exe");
    candidates.push_back(self.parent_path().parent_path() / "windows" / "Orbstart.exe");
  }
#ifdef ORB_SOURCE_DIR
  candidates.push_back(fs::path(ORB_SOURCE_DIR) / "dist" / "windows" / "Orbstart.exe");
#endif
  for (const fs::path& candidate : candidates) {
    if (fs::is_regular_file(candidate, ec)) return candidate.string();
  }
  // None there: the generator then reports the missing player in its own words.
  return candidates.empty() ? std::string("Orbstart.exe") : candidates.front().string();
}

std::string SystemFolder() {
  const char* dir = std::getenv("ORBMENU_SYSTEM_DIR");
  if (!dir || !*dir) return std::string();
  std::string folder = PosixFileSystem::ModelFolder(dir);
  folder.pop_back();  // the generator adds the backslash itself
  return folder;
}

MessageSink PrintingSink(const char* verb) {
  return [verb](const GeneratorMessage& message) {
    if (message.icon == MessageIcon::Error) {
      std::fprintf(stderr, "orbmenu-cli %s: error: %s\n", verb, TerminalText(message.text).c_str());
    } else {
      std::fprintf(stderr, "%s\n", TerminalText(message.text).c_str());
    }
  };
}

}  // namespace orb::cli
