// The project check's subjects and standard rules; see ProjectCheck.h.
#include "editor/output/ProjectCheck.h"

#include <algorithm>

#include "common/TextLines.h"
#include "editor/output/CdFormats.h"
#include "editor/output/Generator.h"
#include "editor/project/PathText.h"

namespace orb {

namespace {

void Name(CheckSubject& subject, std::string what, const std::string& path, bool started = false,
          Severity if_missing = Severity::Error) {
  std::string trimmed = TrimBlanks(path);
  if (trimmed.empty()) return;
  subject.files.push_back({std::move(what), trimmed, started, if_missing});
}

// The file just named as what is the one a Play Video spot shows.
void MarkVideo(CheckSubject& subject, const std::string& what) {
  if (!subject.files.empty() && subject.files.back().what == what) subject.files.back().video = true;
}

void NamePlayer(CheckSubject& subject) {
  Name(subject, "player (autorun.inf OPEN)", subject.root + kPlayerFileName, true);
}

}  // namespace

std::string OnDisc(const std::string& path, const std::string& root) {
  return IsInsideFolder(path, root) ? CdRelativePath(path, root) : path;
}

CheckSubject SubjectFromProject(const ProjectData& project, const std::string& root, bool generated) {
  CheckSubject subject;
  subject.root = root;
  subject.title = project.CdTitle;
  subject.generated = generated;
  if (generated) NamePlayer(subject);
  Name(subject, "CD icon (autorun.inf Icon)", project.CdIcon, false, Severity::Warning);
  Name(subject, "start sound", project.SoundFile);
  Name(subject, "background image", project.BackgroundImage);
  Name(subject, "splash image", project.SplashImage);
  int number = 0;
  for (const MenuSpot& spot : project.Spots) {
    std::string name = "spot " + std::to_string(++number) + " (" + TrimBlanks(spot.Name) + "): ";
    if (TargetIsPath(spot.Action)) Name(subject, name + "target", spot.Target, spot.Action == 1);
    if (spot.Action == 5) MarkVideo(subject, name + "target");
    Name(subject, name + "rollover image", spot.RolloverImage);
    Name(subject, name + "move sound", spot.MoveSound);
    Name(subject, name + "click sound", spot.ClickSound);
    Name(subject, name + "mouse pointer", spot.MousePointer);
  }
  return subject;
}

CheckSubject SubjectFromSimple(const SimpleAutorun& simple, const std::string& root, bool generated) {
  CheckSubject subject;
  subject.root = root;
  subject.generated = generated;
  if (generated) NamePlayer(subject);
  Name(subject, "start program", simple.StartProgram, true);
  Name(subject, "CD icon (autorun.inf Icon)", simple.AutorunIcon, false, Severity::Warning);
  Name(subject, "start sound", simple.AutorunSound);
  return subject;
}

namespace check_rules {

void NamedFilesExist(CheckContext& context) {
  const CheckSubject& subject = context.Subject();
  for (const NamedFile& file : subject.files) {
    if (!context.Files().Exists(file.path))
      context.Add(file.if_missing, file.path, "the " + file.what + " does not exist");
  }
}

void NamedFilesInsideRoot(CheckContext& context) {
  const CheckSubject& subject = context.Subject();
  for (const NamedFile& file : subject.files) {
    // A missing file has its own finding already.
    if (IsInsideFolder(file.path, subject.root) || !context.Files().Exists(file.path)) continue;
    context.Add(Severity::Error, file.path,
                "the " + file.what + " lies outside the root folder (" + subject.root +
                    "), so the disc would not hold it");
  }
}

void StartedNamesWithoutBlanks(CheckContext& context) {
  const CheckSubject& subject = context.Subject();
  for (const NamedFile& file : subject.files) {
    if (!file.started) continue;
    std::string name = OnDisc(file.path, subject.root);
    if (name.find(' ') == std::string::npos) continue;
    context.Add(Severity::Warning, file.path,
                "the " + file.what + " (" + name +
                    ") has blanks in its name: it works, but older AutoPlay handlers cut the name at the "
                    "first blank");
  }
}

void RootHoldsAutorunInf(CheckContext& context) {
  const CheckSubject& subject = context.Subject();
  if (!subject.generated) return;
  std::string inf = subject.root + "autorun.inf";
  if (!context.Files().Exists(inf))
    context.Add(Severity::Warning, inf,
                "the root folder holds no autorun.inf: the disc will not start by itself");
}

void TitleFitsLabel(CheckContext& context) {
  const CheckSubject& subject = context.Subject();
  if (!subject.title) return;
  // The question mark only asks for a shaped menu; it is not part of the disc's label.
  std::string label = RemoveEvery(*subject.title, "?");
  if (label.size() <= 32) return;
  context.Add(Severity::Warning, std::string(),
              "the CD title is " + std::to_string(label.size()) +
                  " characters long: a disc's volume label holds at most 32 (16 in Joliet), so the label "
                  "shows only its beginning");
}

}  // namespace check_rules

ProjectCheck::ProjectCheck(FileSystem& fs) : fs_(fs) {
  rules_ = {check_rules::NamedFilesExist, check_rules::NamedFilesInsideRoot,
            check_rules::StartedNamesWithoutBlanks, check_rules::RootHoldsAutorunInf,
            check_rules::TitleFitsLabel};
}

std::vector<Finding> ProjectCheck::Run(const CheckSubject& subject) {
  CheckContext context(fs_, subject);
  for (const CheckRule& rule : rules_) rule(context);
  std::vector<Finding> findings = std::move(context.Findings());
  std::stable_sort(findings.begin(), findings.end(),
                   [](const Finding& a, const Finding& b) { return a.severity < b.severity; });
  return findings;
}

bool HasErrors(const std::vector<Finding>& findings) {
  return std::any_of(findings.begin(), findings.end(),
                     [](const Finding& f) { return f.severity == Severity::Error; });
}

bool HasWarnings(const std::vector<Finding>& findings) {
  return std::any_of(findings.begin(), findings.end(),
                     [](const Finding& f) { return f.severity == Severity::Warning; });
}

const char* SeverityName(Severity severity) {
  switch (severity) {
    case Severity::Error:
      return "error";
    case Severity::Warning:
      return "warning";
    case Severity::Note:
      return "note";
  }
  return "error";
}

std::string FindingLine(const Finding& finding) {
  std::string line = SeverityName(finding.severity);
  line += ": ";
  if (!finding.file.empty()) line += finding.file + ": ";
  return line + finding.message;
}

}  // namespace orb
