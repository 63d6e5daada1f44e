// The check's subject of an existing CD root; see RootSubject.h.
#include "cli/RootSubject.h"

#include "cdformat/CdReaders.h"
#include "cdformat/PagesFormat.h"
#include "cdformat/PagesReader.h"
#include "common/TextLines.h"
#include "output/Generator.h"

namespace orb::cli {

namespace {

std::string Lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

// A path in autorun.inf is relative to the disc's root, with or without a leading backslash.
std::string InRoot(const std::string& root, std::string value) {
  value = TrimBlanks(value);
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
    value = value.substr(1, value.size() - 2);
  while (!value.empty() && value.front() == '\\') value.erase(0, 1);
  return value.empty() ? value : root + value;
}

// OPEN and ICON of the [autorun] section, keys without case as Windows reads them.
void NameFromInf(const std::string& data, const std::string& root, CheckSubject& subject) {
  LineReader lines(data);
  std::string line;
  bool in_section = false;
  while (lines.Next(line)) {
    std::string trimmed = TrimBlanks(line);
    if (!trimmed.empty() && trimmed.front() == '[') {
      in_section = Lower(trimmed) == "[autorun]";
      continue;
    }
    size_t eq = trimmed.find('=');
    if (!in_section || eq == std::string::npos) continue;
    std::string key = Lower(TrimBlanks(trimmed.substr(0, eq)));
    std::string value = trimmed.substr(eq + 1);
    if (key == "open") {
      subject.files.push_back({"program that autorun.inf opens (OPEN)", InRoot(root, value), true});
    } else if (key == "icon") {
      // "file.ico,0" picks an icon inside the file.
      size_t comma = value.rfind(',');
      if (comma != std::string::npos &&
          value.find_first_not_of("0123456789- ", comma + 1) == std::string::npos)
        value.erase(comma);
      subject.files.push_back(
          {"icon that autorun.inf names (ICON)", InRoot(root, value), false, Severity::Warning});
    }
  }
  std::erase_if(subject.files, [](const NamedFile& f) { return f.path.empty(); });
}

void Name(CheckSubject& subject, std::string what, const std::string& path, bool started = false) {
  std::string trimmed = TrimBlanks(path);
  if (!trimmed.empty()) subject.files.push_back({std::move(what), trimmed, started});
}

PageOutline& AddPage(CheckSubject& subject, const std::string& name, const std::string& file) {
  PageOutline& outline = subject.pages.emplace_back();
  outline.name = TrimBlanks(name);
  outline.label = PageLabel(name, subject.pages.size());
  outline.file = file;
  return outline;
}

// One page's spots; a further page's carry its label, as a project's do.
void NameSpots(const std::vector<PlayerSpot>& spots, const std::string& folder, CheckSubject& subject,
               PageOutline& outline) {
  const std::string prefix = subject.pages.size() == 1 ? std::string() : outline.label + ", ";
  outline.spots = spots.size();
  int number = 0;
  for (const PlayerSpot& spot : spots) {
    std::string label = prefix + "spot " + std::to_string(++number);
    std::string name = label + ": ";
    if (ActionOf(spot.Action) == ActionKind::GoToPage)
      outline.links.emplace_back(label, TrimBlanks(spot.Target));
    if (ActionOf(spot.Action) == ActionKind::SwitchLanguage)
      outline.switches.emplace_back(label, TrimBlanks(spot.Target));
    if (TargetIsPath(spot.Action))
      Name(subject, name + "target", spot.Target, ActionOf(spot.Action) == ActionKind::ExecuteFile);
    if (ActionOf(spot.Action) == ActionKind::PlayVideo && !subject.files.empty() &&
        subject.files.back().what == name + "target")
      subject.files.back().video = true;
    Name(subject, name + "rollover image", spot.RolloverImage);
    if (spot.HasMoveSound) Name(subject, name + "move sound", PlayerPath(folder, spot.MoveSound));
    Name(subject, name + "click sound", spot.ClickSound);
    Name(subject, name + "mouse pointer", spot.MousePointer);
  }
}

// menu.cfg's page, then pages.cfg's, as the player shows them; pages is false when pages.cfg could not
// be read (its problem is reported), so that page 1's links are not blamed for pages the file lost.
void NameFromMenuCfg(const MenuConfig& config, const std::string& root, bool pages, CheckSubject& subject) {
  const std::string folder = root.substr(0, root.size() - 1);
  subject.title = config.CdTitle;
  Name(subject, "background image", config.BackgroundPath);
  Name(subject, "splash image", config.SplashPath);
  NameSpots(config.Spots, folder, subject, AddPage(subject, config.PageName, root + "menu.cfg"));
  if (!pages) {
    subject.pages.clear();
    return;
  }
  for (const PlayerPage& further : config.Pages) {
    PageOutline& outline = AddPage(subject, further.Name, root + kPagesFileName);
    Name(subject, outline.label + ": background image", further.BackgroundPath);
    NameSpots(further.Spots, folder, subject, outline);
  }
  if (config.Languages.empty() && config.DefaultLanguage.empty()) return;
  subject.language_tags.push_back(config.DefaultLanguage);
  for (const LanguageVersion& version : config.Languages) subject.language_tags.push_back(version.Tag);
}

}  // namespace

CheckSubject SubjectFromRoot(FileSystem& fs, const std::string& root, std::vector<Finding>& problems) {
  CheckSubject subject;
  subject.root = root;
  subject.generated = true;
  const std::string folder = root.substr(0, root.size() - 1);  // PlayerFolder: no trailing backslash
  std::string data, error;

  if (fs.ReadFile(root + "autorun.inf", data, error)) NameFromInf(data, root, subject);

  data.clear();
  if (fs.Exists(root + "autorun.des")) {
    if (fs.ReadFile(root + "autorun.des", data, error)) {
      AutorunRecord record = ReadAutorunDes(data);
      // An empty entry is no file; the player's folder alone would look like one.
      if (!TrimBlanks(record.StartProgram).empty())
        Name(subject, "start program (autorun.des)", PlayerPath(folder, record.StartProgram));
      if (!TrimBlanks(record.AutorunSound).empty())
        Name(subject, "start sound (autorun.des)", PlayerPath(folder, record.AutorunSound));
    } else {
      problems.push_back({Severity::Error, root + "autorun.des", error});
    }
  }

  const std::string cfg = root + "menu.cfg";
  data.clear();
  if (!fs.ReadFile(cfg, data, error)) {
    problems.push_back({Severity::Error, cfg, "the player cannot read menu.cfg: " + error});
    return subject;
  }
  MenuConfig config;
  FormatError format;
  if (!ReadMenuConfig(data, folder, "menu.cfg", config, format)) {
    problems.push_back({Severity::Error, cfg, format.Text()});
  } else if (config.MenuMode) {
    // The further pages, read as the player reads them; a menu of one page has no pages.cfg.
    const std::string pages_cfg = root + kPagesFileName;
    bool pages = true;
    if (fs.Exists(pages_cfg)) {
      data.clear();
      if (!fs.ReadFile(pages_cfg, data, error)) {
        problems.push_back({Severity::Error, pages_cfg,
                            "the player cannot read " + std::string(kPagesFileName) + ": " + error});
        pages = false;
      } else if (!ReadPagesConfig(data, folder, kPagesFileName, config, format)) {
        problems.push_back({Severity::Error, pages_cfg, format.Text()});
        pages = false;
      }
    }
    NameFromMenuCfg(config, root, pages, subject);
  }
  return subject;
}

}  // namespace orb::cli
