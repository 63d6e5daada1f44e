// The project check's subjects and standard rules; see ProjectCheck.h.
#include "output/ProjectCheck.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "cdformat/CdFormats.h"
#include "cdformat/PagesFormat.h"
#include "cdformat/PagesText.h"
#include "common/AnsiText.h"
#include "common/DpiScale.h"
#include "common/LanguageTag.h"
#include "common/PathText.h"
#include "common/PictureSize.h"
#include "common/TextLines.h"
#include "disc/IsoImage.h"
#include "disc/IsoTree.h"
#include "output/Generator.h"
#include "project/LanguageVersions.h"

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

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
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
  auto page = [&](const std::string& name, const std::vector<MenuSpot>& spots, const char* file) {
    PageOutline& outline = subject.pages.emplace_back();
    outline.name = TrimBlanks(name);
    outline.label = PageLabel(name, subject.pages.size());
    outline.file = root + file;
    outline.spots = spots.size();
    // Page 1's spots are named as they always were; a further page's carry the page's label.
    std::string prefix = subject.pages.size() == 1 ? std::string() : outline.label + ", ";
    int number = 0;
    for (const MenuSpot& spot : spots) {
      std::string label = prefix + "spot " + std::to_string(++number) + " (" + TrimBlanks(spot.Name) + ")";
      std::string name = label + ": ";
      // A spot's document is opened by the player through the shell, which takes blanks.
      if (TargetIsPath(spot.Action)) Name(subject, name + "target", spot.Target);
      if (ActionOf(spot.Action) == ActionKind::PlayVideo) MarkVideo(subject, name + "target");
      if (ActionOf(spot.Action) == ActionKind::GoToPage)
        outline.links.emplace_back(label, TrimBlanks(spot.Target));
      if (ActionOf(spot.Action) == ActionKind::SwitchLanguage)
        outline.switches.emplace_back(label, TrimBlanks(spot.Target));
      Name(subject, name + "rollover image", spot.RolloverImage);
      Name(subject, name + "move sound", spot.MoveSound);
      Name(subject, name + "click sound", spot.ClickSound);
      Name(subject, name + "mouse pointer", spot.MousePointer);
    }
  };
  page(project.PageName, project.Spots, "menu.cfg");
  for (const MenuPage& further : project.Pages) {
    // Named before its spots, so that the page's own files come first in the findings.
    Name(subject, PageLabel(further.Name, subject.pages.size() + 1) + ": background image",
         further.BackgroundImage);
    page(further.Name, further.Spots, kPagesFileName);
  }
  for (const TrueText& text : TrueTexts(project, root, PagesPathForm::CdRoot)) {
    static const std::map<std::string, std::string> kLabels = {
        {"title", "CD title"},         {"background", "background image"},   {"splash", "splash image"},
        {"sound", "start sound"},      {"name", "name"},                     {"tooltip", "tooltip"},
        {"target", "target"},          {"rollover", "rollover image"},       {"movesound", "move sound"},
        {"clicksound", "click sound"}, {"pointer", "mouse pointer"}};
    auto label = kLabels.find(text.Field);
    std::string what = label == kLabels.end() ? text.Field : label->second;
    if (text.Spot >= 1 && text.Spot <= static_cast<int>(project.Spots.size()))
      what = "spot " + std::to_string(text.Spot) + " (" +
             TrimBlanks(project.Spots[static_cast<size_t>(text.Spot - 1)].Name) + "): " + what;
    subject.fallbacks.push_back({root + (text.Field == "sound" ? "autorun.des" : "menu.cfg"), what,
                                 AnsiToUtf8(Utf8ToAnsi(text.Value))});
  }
  if (HasLanguageVersions(project)) {
    subject.language_tags.push_back(project.DefaultLanguage);
    for (const LanguageVersion& version : project.Languages) {
      subject.language_tags.push_back(version.Tag);
      // A version's pictures and documents go on the disc as the default's do.
      for (const LanguageText& text : version.Texts) {
        if (!LanguageValueIsPath(project, text)) continue;
        std::string what = "language \"" + version.Tag + "\", page " + std::to_string(text.Page);
        if (IsSpotField(text.Field)) what += ", spot " + std::to_string(text.Spot);
        what += text.Field == LanguageField::Background ? ": background image"
                : text.Field == LanguageField::Rollover ? ": rollover image"
                                                        : ": target";
        Name(subject, what, text.Value);
      }
    }
    for (const MissingTexts& gaps : MissingLanguageTexts(project)) {
      LanguageGaps& named = subject.language_gaps.emplace_back();
      named.tag = gaps.tag;
      for (const LanguageText& text : gaps.missing) named.missing.push_back(LanguageTextLabel(text));
    }
  }
  return subject;
}

CheckSubject SubjectFromSimple(const SimpleAutorun& simple, const std::string& root, bool generated) {
  CheckSubject subject;
  subject.root = root;
  subject.generated = generated;
  if (generated) NamePlayer(subject);
  Name(subject, "start program", simple.StartProgram);  // the player opens it, not autorun.inf
  Name(subject, "CD icon (autorun.inf Icon)", simple.AutorunIcon, false, Severity::Warning);
  Name(subject, "start sound", simple.AutorunSound);
  // autorun.des holds the fallbacks; the player opens the true texts from the simple autorun's pages.cfg.
  const AutorunEntries entries = AutorunEntriesForSimple(simple, root);
  const std::pair<const char*, const std::string*> fields[] = {{"start program", &simple.StartProgram},
                                                               {"start sound", &simple.AutorunSound},
                                                               {"command line", &simple.CommandLine}};
  const std::string* ansi[] = {&entries.StartProgram, &entries.AutorunSound, &entries.CommandLine};
  for (size_t i = 0; i < 3; ++i) {
    if (!FitsAnsi(*fields[i].second))
      subject.fallbacks.push_back({root + "autorun.des", fields[i].first, AnsiToUtf8(*ansi[i])});
  }
  return subject;
}

namespace check_rules {

void NamedFilesExist(CheckContext& context) {
  // One finding a missing file, as grave as its gravest use (the player is also the default icon).
  std::map<std::string, const NamedFile*> missing;
  std::vector<std::string> order;
  for (const NamedFile& file : context.Subject().files) {
    if (context.Files().Exists(file.path)) continue;
    auto [it, added] = missing.emplace(file.path, &file);
    if (added)
      order.push_back(file.path);
    else if (file.if_missing < it->second->if_missing)
      it->second = &file;
  }
  for (const std::string& path : order) {
    const NamedFile& file = *missing[path];
    context.Add(file.if_missing, path, "the " + file.what + " does not exist");
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
  // The title reaches the disc in menu.cfg.
  context.Add(Severity::Warning, subject.root + "menu.cfg",
              "the CD title is " + std::to_string(label.size()) +
                  " characters long: a disc's volume label holds at most 32 (16 in Joliet), so the label "
                  "shows only its beginning");
}

void TitleShapesMenu(CheckContext& context) {
  const CheckSubject& subject = context.Subject();
  if (!subject.title || subject.title->find('?') == std::string::npos) return;
  // A warning rather than a note, so that the Make Disc Image box shows it too.
  context.Add(Severity::Warning, subject.root + "menu.cfg",
              "the title holds '?': the menu shows borderless and shaped");
}

namespace {

std::string Folded(const std::string& name) {
  std::string folded = name;
  for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return folded;
}

}  // namespace

void PagesLinkUp(CheckContext& context) {
  const std::vector<PageOutline>& pages = context.Subject().pages;
  // Page names as Go to Page targets find them: without regard to case.
  std::map<std::string, size_t> by_name;
  for (size_t i = 0; i < pages.size(); ++i) {
    const PageOutline& page = pages[i];
    if (page.spots == 0)
      context.Add(Severity::Error, page.file,
                  page.label + " has no spots: the menu would show it with nothing to click");
    if (page.name.empty()) {
      context.Add(Severity::Error, page.file, page.label + " has no name, so no spot can lead to it");
      continue;
    }
    auto [first, added] = by_name.emplace(Folded(page.name), i);
    if (!added)
      context.Add(Severity::Error, page.file,
                  "page " + std::to_string(i + 1) + " has the name \"" + page.name + "\" of page " +
                      std::to_string(first->second + 1) + " (page names are compared without case)");
  }
  std::vector<bool> reached(pages.size(), false);
  if (!reached.empty()) reached[0] = true;  // the menu starts there
  for (const PageOutline& page : pages) {
    for (const auto& [spot, target] : page.links) {
      auto found = by_name.find(Folded(target));
      if (found != by_name.end()) {
        reached[found->second] = true;
      } else if (target.empty()) {
        context.Add(Severity::Error, page.file, spot + ": Go to Page names no page");
      } else {
        context.Add(Severity::Error, page.file,
                    spot + ": Go to Page names the page \"" + target + "\", which does not exist");
      }
    }
  }
  for (size_t i = 1; i < pages.size(); ++i) {
    if (!reached[i])
      context.Add(Severity::Warning, pages[i].file,
                  "no spot leads to " + pages[i].label + ": the menu never shows it");
  }
}

void LanguagesFit(CheckContext& context) {
  const CheckSubject& subject = context.Subject();
  const std::string file = subject.root + kPagesFileName;
  const std::vector<std::string>& tags = subject.language_tags;
  for (size_t i = 0; i < tags.size(); ++i) {
    if (i == 0 && tags[i].empty()) continue;  // no default tag named: the versions still fall back to it
    const std::string which = i == 0 ? "the default language" : "language version " + std::to_string(i);
    if (!ValidLanguageTag(tags[i])) {
      context.Add(Severity::Error, file,
                  which + " has the tag \"" + tags[i] + "\", which is no language tag (such as \"de\" or \"pt-BR\")");
      continue;
    }
    for (size_t j = 0; j < i; ++j) {
      if (!SameLanguageTag(tags[i], tags[j])) continue;
      context.Add(Severity::Error, file,
                  which + " has the tag \"" + tags[i] + "\" of " +
                      (j == 0 ? std::string("the default language") : "language version " + std::to_string(j)) +
                      " (tags are compared without case)");
      break;
    }
  }
  for (const PageOutline& page : subject.pages) {
    for (const auto& [spot, target] : page.switches) {
      bool found = !target.empty() && std::any_of(tags.begin(), tags.end(), [&target = target](const std::string& tag) {
        return SameLanguageTag(tag, target);
      });
      if (found) continue;
      context.Add(Severity::Error, page.file,
                  target.empty() ? spot + ": Switch Language names no language"
                                 : spot + ": Switch Language names the language \"" + target +
                                       "\", which the menu has no version of");
    }
  }
  // A version need not translate everything; the author should know what shows in the default language.
  constexpr size_t kListed = 8;
  for (const LanguageGaps& gaps : subject.language_gaps) {
    if (gaps.missing.empty()) continue;
    std::string list;
    for (size_t i = 0; i < gaps.missing.size() && i < kListed; ++i) list += (i ? ", " : "") + gaps.missing[i];
    if (gaps.missing.size() > kListed) list += " and " + std::to_string(gaps.missing.size() - kListed) + " more";
    context.Add(Severity::Note, file,
                "the language version \"" + gaps.tag + "\" falls back to the default language for " + list);
  }
}

void PicturesHaveTwins(CheckContext& context) {
  // The pictures the player draws scaled on high-DPI screens: backgrounds and rollovers, each once.
  std::set<std::string> seen;
  auto size_of = [&](const std::string& path, int& w, int& h) {
    std::string data, ignored;
    return context.Files().ReadFile(path, data, ignored) && PictureSize(data, w, h);
  };
  for (const NamedFile& file : context.Subject().files) {
    if (!EndsWith(file.what, "background image") && !EndsWith(file.what, "rollover image")) continue;
    if (!seen.insert(file.path).second || !context.Files().Exists(file.path)) continue;
    int w = 0, h = 0;
    bool sized = size_of(file.path, w, h);
    for (const TwinScale& scale : kTwinScales) {
      std::string twin = TwinPath(file.path, scale.suffix);
      int tw = 0, th = 0;
      if (!context.Files().Exists(twin) || !sized || !size_of(twin, tw, th) ||
          TwinSizeFits(w, h, tw, th, scale.tenths))
        continue;
      std::string factor = scale.suffix + 1;  // "@1.5x" as "1.5"
      factor.pop_back();
      context.Add(Severity::Error, twin,
                  "the " + std::string(scale.suffix) + " twin of the " + file.what + " is " + std::to_string(tw) +
                      "x" + std::to_string(th) + ", not " + factor + " times the picture's " + std::to_string(w) +
                      "x" + std::to_string(h));
    }
    if (!context.Files().Exists(TwinPath(file.path, "@2x")))
      context.Add(Severity::Note, file.path,
                  "the " + file.what + " has no @2x twin: it will be scaled up on high-DPI screens");
  }
}

void ImageHoldsTree(CheckContext& context) {
  const CheckSubject& subject = context.Subject();
  IsoCheck iso = CheckIsoLimits(context.Files(), subject.root);
  for (const IsoProblem& problem : iso.problems)
    context.Add(problem.error ? Severity::Error : Severity::Warning, problem.path, problem.message);
  if (iso.HasErrors()) return;
  std::string text = "the disc image will hold " + std::to_string(iso.files) + " file" +
                     (iso.files == 1 ? "" : "s") + " in " + SizeText(iso.image_bytes) + ": " +
                     MediaFitText(iso.image_bytes);
  context.Add(FitsCd(iso.image_bytes) ? Severity::Note : Severity::Warning, std::string(), text);
}

void TextsFitCodePage(CheckContext& context) {
  for (const TextFallback& text : context.Subject().fallbacks) {
    const std::string file = LeafName(text.file);
    context.Add(Severity::Warning, text.file,
                "the " + text.what + " holds characters the code page lacks: " + file + " holds \"" +
                    text.fallback +
                    "\" in their place. The player shows the true text from pages.cfg; older readers show the fallback");
  }
}

namespace {

// A name with a character beyond ASCII: the image writer's mapping turns each into '_', so a name in
// another script reads as a row of underscores. ASCII punctuation ("@2x", "-") maps to '_' as readers
// expect, and is no finding.
void NamesOutsideDCharacters(const IsoNode& folder, const std::string& path, CheckContext& context) {
  for (const IsoNode& node : folder.children) {
    const std::string child = JoinModelPath(path, node.name);
    std::string primary = node.primary.substr(0, node.primary.find(';'));
    if (!primary.empty() && primary.back() == '.') primary.pop_back();
    if (std::any_of(node.joliet.begin(), node.joliet.end(), [](char16_t c) { return c >= 0x80; }))
      context.Add(Severity::Warning, child,
                  "the name \"" + node.name + "\" holds characters an ISO 9660 name cannot: the disc image " +
                      "keeps it in its Joliet names, and only readers without Joliet see \"" + primary + "\"");
    if (node.folder) NamesOutsideDCharacters(node, child, context);
  }
}

}  // namespace

void NamesFitIso9660(CheckContext& context) {
  const CheckSubject& subject = context.Subject();
  IsoTree tree = ScanIsoTree(context.Files(), subject.root);
  NamesOutsideDCharacters(tree.root, subject.root, context);
}

}  // namespace check_rules

namespace {

// Capacities of recordable media: 333,000 and 360,000 sectors of 2048 bytes for the 74 and 80 minute
// CD-R, 2,295,104 for a single-layer DVD±R.
constexpr std::uint64_t kCd650 = 333000ull * 2048;
constexpr std::uint64_t kCd700 = 360000ull * 2048;
constexpr std::uint64_t kDvd = 2295104ull * 2048;

}  // namespace

std::string SizeText(std::uint64_t bytes) {
  std::uint64_t tenths = (bytes * 10 + 524288) / 1048576;
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " MB";
}

bool FitsCd(std::uint64_t image_bytes) { return image_bytes <= kCd700; }

std::string MediaFitText(std::uint64_t image_bytes) {
  if (image_bytes <= kCd650) return "it fits a 650 MB CD";
  if (image_bytes <= kCd700) return "it fits a 700 MB CD, not a 650 MB one";
  if (image_bytes <= kDvd) return "it fits a 4.7 GB DVD, not a CD";
  return "it is too big even for a 4.7 GB DVD";
}

ProjectCheck::ProjectCheck(FileSystem& fs) : fs_(fs) {
  rules_ = {check_rules::NamedFilesExist,
            check_rules::NamedFilesInsideRoot,
            check_rules::StartedNamesWithoutBlanks,
            check_rules::RootHoldsAutorunInf,
            check_rules::TitleFitsLabel,
            check_rules::TitleShapesMenu,
            check_rules::PagesLinkUp,
            check_rules::LanguagesFit,
            check_rules::ImageHoldsTree,
            check_rules::PicturesHaveTwins,
            check_rules::TextsFitCodePage,
            check_rules::NamesFitIso9660};
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
