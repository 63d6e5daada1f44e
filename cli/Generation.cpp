// The verbs' generator set-up and the generation of a project's CD root; see Generation.h.
#include "cli/Generation.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "cli/CodeSigning.h"
#include "project/ProjectFile.h"

namespace orb::cli {

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

VerbGenerator::VerbGenerator(const char* verb, const ParsedArgs& parsed, bool hold)
    : generator_(GeneratorEnvironment{files_,
                                      PosixFileSystem::ModelFile(
                                          parsed.Value("--player").value_or(DefaultPlayer()), ""),
                                      SystemFolder(), !parsed.Flag("--no-runtime"), nullptr},
                 hold ? HoldingSink(held_) : PrintingSink(verb)) {}

ExitCode GenerateProjectRoot(const char* verb, const ParsedArgs& parsed, bool quiet, std::string& root,
                             std::string& title) {
  std::optional<SigningOptions> signing;
  std::string error;
  if (!SigningFromArgs(parsed, signing, error)) return Failure(verb, error);
  std::optional<std::string> relocated;
  if (auto dir = parsed.Value("--root")) relocated = PosixFileSystem::ModelFolder(*dir);

  VerbGenerator generator(verb, parsed, signing.has_value());
  PosixFileSystem& files = generator.Files();
  ProjectData project;
  FormatError format;
  if (!LoadProjectFile(files, parsed.positional[0], relocated, project, format)) {
    return Failure(verb, format.Text());
  }
  root = project.RootFolder;
  title = project.CdTitle;
  if (relocated && !files.Exists(*relocated)) return Failure(verb, MissingRootText(*parsed.Value("--root")));
  if (!root.empty() && !files.Exists(root)) {
    return Failure(verb, "the project's root folder (" + root +
                             ") does not exist here; give the CD root with --root DIR");
  }

  // While the player still has to be signed, the messages wait, so that no success precedes a failure.
  GenerateOptions options;
  options.quiet = quiet;
  if (parsed.Flag("--force")) {
    std::vector<OutsideRootField> outside = FieldsOutsideRoot(project, root);
    if (!outside.empty()) Warning(verb, OutsideRootText(outside, root));
    options.outside_root_confirmed = true;
  }
  GenerateResult result = generator.Get().MakeCd(project, root, root, options);
  if (signing) {
    ExitCode code =
        SignGeneratedPlayer(verb, *signing, root, result.status == GenerateStatus::Done, generator.Held());
    if (result.status != GenerateStatus::NeedsConfirmation) return code;
  }
  if (result.status == GenerateStatus::NeedsConfirmation) {
    return Failure(verb,
                   OutsideRootText(result.outside_root, root) +
                       "\r\nNothing was written. Copy these files into the root folder, or use --force.");
  }
  return result.status == GenerateStatus::Done ? ExitCode::kSuccess : ExitCode::kFailure;
}

}  // namespace orb::cli
