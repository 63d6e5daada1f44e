// The check's subject of an existing CD root; see RootSubject.h.
#include "cli/RootSubject.h"

#include "cdformat/CdReaders.h"
#include "common/TextLines.h"

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

void NameFromMenuCfg(const MenuConfig& config, const std::string& folder, CheckSubject& subject) {
  subject.title = config.CdTitle;
  Name(subject, "background image", config.BackgroundPath);
  Name(subject, "splash image", config.SplashPath);
  int number = 0;
  for (const PlayerSpot& spot : config.Spots) {
    std::string name = "spot " + std::to_string(++number) + ": ";
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
    NameFromMenuCfg(config, folder, subject);
  }
  return subject;
}

}  // namespace orb::cli
