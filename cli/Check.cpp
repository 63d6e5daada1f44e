// orbmenu-cli check: the project check of a menu project or of an existing CD root, one line a finding
// (or JSON), errors and warnings apart; exit 1 when there is an error.
#include <cstdio>
#include <nlohmann/json.hpp>

#include "cli/RootSubject.h"
#include "cli/Verbs.h"
#include "common/PathText.h"
#include "cli/CliFiles.h"
#include "output/DiscImageCheck.h"
#include "output/ProjectCheck.h"
#include "project/ProjectFile.h"

namespace orb::cli {

namespace {

const char kUsage[] =
    "usage: orbmenu-cli check PROJECT.obm [--root DIR] [--json]\n"
    "       orbmenu-cli check --from-root DIR [--json]\n"
    "\n"
    "Lists every problem that would make the disc fail, one line each with the file it concerns: a file\n"
    "that the project (or the root's menu.cfg, pages.cfg, autorun.des and autorun.inf) names but that\n"
    "does not exist, a file outside the root folder, a start program or spot target with blanks in its\n"
    "name, a root without autorun.inf, a title longer than a volume label, a page without spots or that\n"
    "no spot leads to, a Go to Page spot whose page does not exist; and for a root, whether its player\n"
    "is signed and by whom. A project is checked as make-cd would write it; a root as it stands.\n"
    "\n"
    "  --root DIR       the CD root to use instead of the root folder written in the project\n"
    "  --from-root DIR  check an existing CD root (made by make-cd, make-simple or the editor)\n"
    "  --json           one JSON object: {\"findings\": [{\"severity\", \"file\", \"message\"}], "
    "\"errors\",\n"
    "                   \"warnings\"}\n"
    "\n"
    "Exit status: 0 when there is no error (warnings allowed); 1 when there is one or the input cannot\n"
    "be read; 2 on a usage error.\n";

// The finding with its file, and the root its message names, spelled as Linux does: "/tmp/cd/", not
// the model's "/tmp/cd\".
Finding NativeFinding(Finding finding, const std::string& root) {
  finding.file = CliFiles::NativePath(finding.file);
  finding.message = ReplaceEvery(finding.message, root, CliFiles::NativePath(root));
  return finding;
}

void PrintText(const std::vector<Finding>& findings, const std::string& root) {
  size_t errors = 0, warnings = 0;
  for (const Finding& model : findings) {
    Finding finding = NativeFinding(model, root);
    std::printf("%s\n", FindingLine(finding).c_str());
    errors += finding.severity == Severity::Error;
    warnings += finding.severity == Severity::Warning;
  }
  std::printf("%zu error%s, %zu warning%s\n", errors, errors == 1 ? "" : "s", warnings,
              warnings == 1 ? "" : "s");
}

void PrintJson(const std::vector<Finding>& findings, const std::string& root) {
  nlohmann::ordered_json json;
  json["findings"] = nlohmann::ordered_json::array();
  int errors = 0, warnings = 0;
  for (const Finding& model : findings) {
    Finding finding = NativeFinding(model, root);
    nlohmann::ordered_json item;
    item["severity"] = SeverityName(finding.severity);
    item["file"] = finding.file;
    item["message"] = finding.message;
    json["findings"].push_back(item);
    errors += finding.severity == Severity::Error;
    warnings += finding.severity == Severity::Warning;
  }
  json["errors"] = errors;
  json["warnings"] = warnings;
  std::printf("%s\n", json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace).c_str());
}

ExitCode RunCheck(const VerbCall& call) {
  const ParsedArgs& parsed = call.args;
  std::optional<std::string> from_root = parsed.Value("--from-root");
  if (from_root ? !parsed.positional.empty() || parsed.Value("--root") : parsed.positional.size() != 1)
    return call.UsageError("name one project file, or one root with --from-root");

  CliFiles files;
  CheckSubject subject;
  std::vector<Finding> unreadable;
  if (from_root) {
    std::string root = CliFiles::ModelFolder(*from_root);
    if (!files.Exists(root)) return Failure("check", "the root folder " + *from_root + " does not exist");
    subject = SubjectFromRoot(files, root, unreadable);
  } else {
    std::optional<std::string> relocated;
    if (auto dir = parsed.Value("--root")) relocated = CliFiles::ModelFolder(*dir);
    ProjectData project;
    FormatError format;
    if (!LoadProjectFile(files, parsed.positional[0], relocated, project, format))
      return Failure("check", format.Text());
    if (relocated && !files.Exists(*relocated))
      return Failure("check", MissingRootText(*parsed.Value("--root")));
    if (project.RootFolder.empty() || !files.Exists(project.RootFolder)) {
      return Failure("check", "the project's root folder (" + project.RootFolder +
                                  ") does not exist here; give the CD root with --root DIR");
    }
    // Checked as make-cd will write it: the files generating writes need not be there yet.
    subject = SubjectFromProject(project, project.RootFolder, false);
  }
  // The same rules as the editor's Make Disc Image.
  std::vector<Finding> findings = DiscImageCheck(files).Run(subject);
  findings.insert(findings.begin(), unreadable.begin(), unreadable.end());
  if (parsed.Flag("--json"))
    PrintJson(findings, subject.root);
  else
    PrintText(findings, subject.root);
  return HasErrors(findings) ? ExitCode::kFailure : ExitCode::kSuccess;
}

}  // namespace

Verb CheckVerb() {
  return {.name = "check",
          .summary = "list what would make a project's or a root's disc fail",
          .usage = kUsage,
          .value_options = {"--root", "--from-root"},
          .flag_options = {"--json"},
          .run = RunCheck};
}

}  // namespace orb::cli
