// The project check: every problem that would make a disc fail, as findings {severity, file, message}
// that the command line prints and the editor shows. Each rule is one function over one subject (a menu
// project, the simple mode's fields or an existing CD root), so adding a finding means adding a rule.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/FileSystem.h"
#include "project/ProjectModel.h"

namespace orb {

enum class Severity { Error, Warning, Note };

struct Finding {
  Severity severity = Severity::Error;
  std::string file;  // the file concerned (a model path); empty for the disc as a whole
  std::string message;
  bool operator==(const Finding&) const = default;
};

// A file that the CD names.
struct NamedFile {
  std::string what;      // "background image", "spot 2 (Help): target", "autorun.inf OPEN", ...
  std::string path;      // full model path
  bool started = false;  // what autorun.inf starts (OPEN=): older AutoPlay handlers read that name
  Severity if_missing = Severity::Error;  // a missing icon only costs the drive its picture
  bool video = false;                     // played in the menu (Play Video)
};

// A page of a menu as the page rules see it.
struct PageOutline {
  std::string name;   // trimmed
  std::string label;  // "page \"Extras\"" ("page 3" without a name), for messages
  std::string file;   // the CD file that holds the page: menu.cfg or pages.cfg
  size_t spots = 0;
  // The Go to Page spots: the spot as messages name it ("spot 2 (More)"), and its target trimmed.
  std::vector<std::pair<std::string, std::string>> links;
  // The Switch Language spots, in the same form: the spot and its target (a language tag) trimmed.
  std::vector<std::pair<std::string, std::string>> switches;
};

// What a language version leaves to the default language, as messages name it ("the title of page 1").
struct LanguageGaps {
  std::string tag;
  std::vector<std::string> missing;
};

// A text or path an ANSI file (menu.cfg, autorun.des) holds only as the code page's fallback.
struct TextFallback {
  std::string file;      // the ANSI file
  std::string what;      // "CD title", "spot 1 (Start): tooltip"
  std::string fallback;  // what that file holds: "??????"; the player reads the true text from pages.cfg
};

// What the check looks at, in one form for every kind of input.
struct CheckSubject {
  std::string root;                  // the CD root; ends with a backslash
  std::optional<std::string> title;  // the menu's CD title; none in the simple mode
  std::vector<NamedFile> files;
  // Whether the root already holds what generating writes (autorun.inf, the player): false for a project
  // checked before Make Cd, whose own files are then not looked for.
  bool generated = true;
  // A menu project's pages, page 1 first; empty for the other subjects.
  std::vector<PageOutline> pages;
  // The menu's language tags: the default's first (empty when it has none), then each version's; empty for
  // a menu without versions. The gaps are known for a project only.
  std::vector<std::string> language_tags;
  std::vector<LanguageGaps> language_gaps;
  // Texts and paths the code page lacks, which an ANSI file holds as a fallback.
  std::vector<TextFallback> fallbacks;
};

// The subject of a menu project or of the simple mode's fields, as Make Cd or Generate write it; with
// generated, the player that autorun.inf starts is one of the named files.
CheckSubject SubjectFromProject(const ProjectData& project, const std::string& root, bool generated = true);
CheckSubject SubjectFromSimple(const SimpleAutorun& simple, const std::string& root, bool generated = true);

class CheckContext {
 public:
  CheckContext(FileSystem& fs, const CheckSubject& subject) : fs_(fs), subject_(subject) {}
  FileSystem& Files() { return fs_; }
  const CheckSubject& Subject() const { return subject_; }
  void Add(Severity severity, std::string file, std::string message) {
    findings_.push_back({severity, std::move(file), std::move(message)});
  }
  std::vector<Finding>& Findings() { return findings_; }

 private:
  FileSystem& fs_;
  const CheckSubject& subject_;
  std::vector<Finding> findings_;
};

using CheckRule = std::function<void(CheckContext&)>;

class ProjectCheck {
 public:
  // With the standard rules.
  explicit ProjectCheck(FileSystem& fs);
  // A further rule runs after the standard ones.
  void AddRule(CheckRule rule) { rules_.push_back(std::move(rule)); }
  // Errors first, then warnings, then notes; within each, in the order the rules found them.
  std::vector<Finding> Run(const CheckSubject& subject);

 private:
  FileSystem& fs_;
  std::vector<CheckRule> rules_;
};

// The standard rules, each on its own.
namespace check_rules {
void NamedFilesExist(CheckContext& context);            // error: a named file is missing
void NamedFilesInsideRoot(CheckContext& context);       // error: a named file lies outside the root
void StartedNamesWithoutBlanks(CheckContext& context);  // warning: older AutoPlay splits on blanks
void RootHoldsAutorunInf(CheckContext& context);        // warning: the disc will not start by itself
void TitleFitsLabel(CheckContext& context);             // warning: the title is longer than a volume label
// warning (it never fails a check): the title holds "?", which makes the menu borderless and shaped
void TitleShapesMenu(CheckContext& context);
// errors: a page without spots, without a name or with another page's name (compared without case), a
// Go to Page spot whose page does not exist; warning: a page that no spot leads to
void PagesLinkUp(CheckContext& context);
// errors: a language tag of no BCP 47 shape or given twice, a Switch Language spot whose language the menu
// has no version of; note: each version's texts and pictures that fall back to the default language
void LanguagesFit(CheckContext& context);
// What a disc image cannot hold (errors), and a note or warning of the image's size against CDs and DVD.
void ImageHoldsTree(CheckContext& context);
void TextsFitCodePage(CheckContext& context);   // warning: an ANSI file holds a text's fallback
void NamesFitIso9660(CheckContext& context);    // warning: a name readers without Joliet see changed
// note: a menu picture without an @2x twin is scaled up on high-DPI screens; error: a twin of the wrong size
void PicturesHaveTwins(CheckContext& context);
}  // namespace check_rules

// "66.8 MB", sizes in the binary megabytes that CD capacities are quoted in.
std::string SizeText(std::uint64_t bytes);
// Which disc an image of that size fits: "it fits a 650 MB CD", "it fits a 700 MB CD, not a 650 MB
// one", "it fits a 4.7 GB DVD, not a CD", "it is too big even for a 4.7 GB DVD".
std::string MediaFitText(std::uint64_t image_bytes);
// True when the image fits a 700 MB CD.
bool FitsCd(std::uint64_t image_bytes);
// The name a file has on the disc, for messages: its path below the root (the path itself outside it).
std::string OnDisc(const std::string& path, const std::string& root);

bool HasErrors(const std::vector<Finding>& findings);
bool HasWarnings(const std::vector<Finding>& findings);
// "error", "warning", "note".
const char* SeverityName(Severity severity);
// One line a finding: "error: FILE: MESSAGE" (no "FILE: " when the finding names none).
std::string FindingLine(const Finding& finding);

}  // namespace orb
