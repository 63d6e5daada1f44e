// The project file's reader and writer; see ProjectFile.h.
#include "project/ProjectFile.h"

#include <algorithm>
#include <iterator>

#include "cdformat/FieldReader.h"
#include "cdformat/PagesFormat.h"
#include "cdformat/PagesReader.h"
#include "cdformat/PagesText.h"
#include "common/MessagePath.h"
#include "common/AnsiText.h"
#include "common/PathText.h"

namespace orb {

namespace {

// The first part is in the ANSI code page: what it lacks gets the fallback here and its true text in the
// pages text. A line break inside a value would shift every line after it; it becomes a blank.
void AppendLine(std::string& out, std::string_view text) {
  size_t start = out.size();
  out.append(Utf8ToAnsi(text));
  for (size_t i = start; i < out.size(); ++i) {
    if (out[i] == '\r' || out[i] == '\n') out[i] = ' ';
  }
  out.append("\r\n");
}

void AppendNumber(std::string& out, long value) { AppendLine(out, FormatNumber(value)); }

// Every occurrence of the root folder's text removed (none when the root is empty).
void AppendRelative(std::string& out, const std::string& path, const std::string& root) {
  if (root.empty() || path.find(root) == std::string::npos) {
    AppendLine(out, path);
  } else {
    AppendLine(out, RemoveEvery(path, root));
  }
}

}  // namespace

std::string ProjectFileText(const ProjectData& project) {
  const std::string& root = project.RootFolder;
  // Reserving the whole size once keeps a 32767-spot project from being copied as the text grows.
  size_t estimate = 7 * 8 + root.size() + project.CdTitle.size() + project.CdIcon.size() +
                    project.SoundFile.size() + project.BackgroundImage.size() + project.SplashImage.size();
  for (const MenuSpot& spot : project.Spots) {
    estimate += 14 * 8 + spot.Name.size() + spot.ToolTip.size() + spot.Target.size() +
                spot.RolloverImage.size() + spot.MoveSound.size() + spot.ClickSound.size() +
                spot.MousePointer.size();
  }
  std::string out;
  out.reserve(estimate);
  AppendLine(out, root);
  AppendLine(out, project.CdTitle);
  AppendRelative(out, project.CdIcon, root);
  AppendRelative(out, project.SoundFile, root);
  AppendRelative(out, project.BackgroundImage, root);
  AppendRelative(out, project.SplashImage, root);
  AppendNumber(out, project.SpotCount());
  for (const MenuSpot& spot : project.Spots) {
    AppendLine(out, spot.Name);
    AppendLine(out, spot.ToolTip);
    AppendNumber(out, spot.Action);
    // Every action's Target passes through the root removal, typed texts included.
    AppendRelative(out, spot.Target, root);
    AppendRelative(out, spot.RolloverImage, root);
    AppendNumber(out, spot.X);
    AppendNumber(out, spot.Y);
    AppendRelative(out, spot.MoveSound, root);
    AppendRelative(out, spot.ClickSound, root);
    AppendRelative(out, spot.MousePointer, root);
    AppendNumber(out, spot.VideoX);
    AppendNumber(out, spot.VideoY);
    AppendNumber(out, spot.VideoWidth);
    AppendNumber(out, spot.VideoHeight);
  }
  // After the last spot, where a reader of the one-page layout stops reading.
  if (HasPagesText(project)) out += PagesText(project, root, PagesPathForm::ProjectFile);
  return out;
}

std::string ProjectFileRoot(std::string_view data) {
  LineReader reader(data);
  std::string line;
  reader.Next(line);
  return TrimBlanks(AnsiToUtf8(line));
}

namespace {

std::string EndsEarly(const std::string& field) {
  return "the file ends early: this line (" + field + ") is missing";
}

std::string NotANumber(const std::string& field, std::string_view line, bool) {
  return field + " is not a number from -32768 to 32767: \"" + AnsiToUtf8(line) + "\"";
}

std::string_view TrimView(std::string_view text) {
  size_t begin = text.find_first_not_of(' ');
  if (begin == std::string_view::npos) return {};
  return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

std::string Join(const std::string& root, std::string_view rest) {
  std::string path;
  path.reserve(root.size() + rest.size());
  path.append(root).append(rest);
  return path;
}

// Reading a path field: trimmed; a relative path gets the root folder in front of it; a path that is
// already complete is kept as it is (putting the root in front would corrupt it).
std::string FullPath(const std::string& root, const std::string& line) {
  std::string_view trimmed = TrimView(line);
  if (trimmed.empty() || IsAbsolutePath(trimmed)) return std::string(trimmed);
  return Join(root, trimmed);
}

// The root folder always goes in front, even of an empty line (Target of actions 1 and 5, RolloverImage).
std::string RootedPath(const std::string& root, const std::string& line) {
  std::string_view trimmed = TrimView(line);
  if (IsAbsolutePath(trimmed)) return std::string(trimmed);
  return Join(root, trimmed);
}

// Sounds and the cursor: a line of blanks only stays as read.
std::string OptionalPath(const std::string& root, const std::string& line) {
  if (TrimView(line).empty()) return line;
  return FullPath(root, line);
}

enum class SpotText { Name, ToolTip, Target, Rollover, MoveSound, ClickSound, Pointer };

// A spot's text field from its line as the file stores it; the target needs the action read first.
void SetSpotText(MenuSpot& spot, SpotText field, const std::string& root, const std::string& line) {
  switch (field) {
    case SpotText::Name:
      spot.Name = line;
      break;
    case SpotText::ToolTip:
      spot.ToolTip = TrimBlanks(line);
      break;
    case SpotText::Target:
      spot.Target = TargetIsPath(spot.Action) ? RootedPath(root, line) : TrimBlanks(line);
      break;
    case SpotText::Rollover:
      spot.RolloverImage = RootedPath(root, line);
      break;
    case SpotText::MoveSound:
      spot.MoveSound = OptionalPath(root, line);
      break;
    case SpotText::ClickSound:
      spot.ClickSound = OptionalPath(root, line);
      break;
    case SpotText::Pointer:
      spot.MousePointer = OptionalPath(root, line);
      break;
  }
}

// A spot's 14 lines: in the first part the code page's text, in the pages text UTF-8. One line buffer
// serves every spot (a file may hold 32767 of them).
bool ReadSpot(FieldReader& in, const std::string& root, bool ansi, MenuSpot& spot, std::string& line) {
  auto next = [&](SpotText field, const char* what) {
    if (!in.Line(line, what)) return false;
    SetSpotText(spot, field, root, ansi ? AnsiToUtf8(line) : line);
    return true;
  };
  if (!next(SpotText::Name, "the name")) return false;
  if (!next(SpotText::ToolTip, "the tooltip")) return false;
  if (!in.Number(spot.Action, "the action")) return false;
  if (!next(SpotText::Target, "the target")) return false;
  if (!next(SpotText::Rollover, "the rollover image")) return false;
  if (!in.Number(spot.X, "the X")) return false;
  if (!in.Number(spot.Y, "the Y")) return false;
  if (!next(SpotText::MoveSound, "the move sound")) return false;
  if (!next(SpotText::ClickSound, "the click sound")) return false;
  if (!next(SpotText::Pointer, "the mouse pointer")) return false;
  if (!in.Number(spot.VideoX, "the video left", true)) return false;
  if (!in.Number(spot.VideoY, "the video top", true)) return false;
  if (!in.Number(spot.VideoWidth, "the video width", true)) return false;
  if (!in.Number(spot.VideoHeight, "the video height", true)) return false;
  return true;
}

// A true text from the pages text in place of the first part's fallback ("root" is read before: every
// path hangs on it).
void ApplyTrueText(ProjectData& p, const std::string& root, const TrueText& text) {
  if (text.Spot == 0) {
    if (text.Field == "title") p.CdTitle = TrimBlanks(text.Value);
    if (text.Field == "icon") p.CdIcon = FullPath(root, text.Value);
    if (text.Field == "sound") p.SoundFile = FullPath(root, text.Value);
    if (text.Field == "background") p.BackgroundImage = FullPath(root, text.Value);
    if (text.Field == "splash") p.SplashImage = FullPath(root, text.Value);
    return;
  }
  if (text.Spot < 1 || text.Spot > static_cast<int>(p.Spots.size())) return;
  for (size_t i = 0; i < std::size(kTrueTextSpotFields); ++i) {
    if (text.Field == kTrueTextSpotFields[i])
      SetSpotText(p.Spots[static_cast<size_t>(text.Spot - 1)], static_cast<SpotText>(i), root, text.Value);
  }
}

bool ReadCount(FieldReader& in, int16_t& count, const char* what) {
  if (!in.Number(count, what)) return false;
  if (count >= 0) return true;
  return in.Fail(in.LineNumber(), in.Field(what) + " is negative (" + std::to_string(count) + ")");
}

// The pages text after the last spot. No line there, or a line that is not its version line, leaves a
// one-page project: older files and files with trailing text load as they always did.
bool ReadPages(FieldReader& in, size_t size, const std::string& root, ProjectData& p,
               std::vector<TrueText>& true_texts) {
  std::string line;
  in.EnterSpot(0);
  if (in.AtEnd() || !in.Line(line, "the pages text")) return true;
  line = TrimBlanks(line);
  const bool languages = line == kPagesVersion2Line;
  if (line != kPagesVersionLine && !languages) {
    if (line.rfind(kPagesVersionPrefix, 0) != 0) return true;
    // A newer file must not load as a one-page project without a word.
    return in.Fail(in.LineNumber(), "the pages text has a version this program cannot read: \"" + line +
                                        "\" (it reads \"" + kPagesVersionLine + "\" and \"" +
                                        kPagesVersion2Line + "\")");
  }
  if (!in.Line(line, "the name of page 1")) return false;
  p.PageName = TrimBlanks(line);
  int16_t pages = 0;
  if (!ReadCount(in, pages, "the page count")) return false;
  p.Pages.reserve(std::min(static_cast<size_t>(pages), size / 4 + 1));
  for (int number = 2; number <= pages + 1; ++number) {
    in.EnterPage(number);
    MenuPage& page = p.Pages.emplace_back();
    if (!in.Line(line, "the name")) return false;
    page.Name = TrimBlanks(line);
    if (!in.Line(line, "the title")) return false;
    page.CdTitle = TrimBlanks(line);
    if (!in.Line(line, "the background image")) return false;
    page.BackgroundImage = FullPath(root, line);
    int16_t count = 0;
    if (!ReadCount(in, count, "the spot count")) return false;
    page.Spots.reserve(std::min(static_cast<size_t>(count), size / kProjectSpotLines + 1));
    for (int spot = 1; spot <= count; ++spot) {
      in.EnterSpot(spot);
      if (!ReadSpot(in, root, false, page.Spots.emplace_back(), line)) return false;
    }
  }
  if (!languages) return true;
  auto action_of = [&p](int page, int spot) -> int16_t {
    const std::vector<MenuSpot>* spots = page == 1 ? &p.Spots
                                         : page >= 2 && page - 2 < static_cast<int>(p.Pages.size())
                                             ? &p.Pages[static_cast<size_t>(page - 2)].Spots
                                             : nullptr;
    if (!spots || spot < 1 || spot > static_cast<int>(spots->size())) return 0;
    return (*spots)[static_cast<size_t>(spot - 1)].Action;
  };
  auto value = [&root](const std::string& line, bool is_path) {
    return is_path ? FullPath(root, line) : TrimBlanks(line);
  };
  return ReadLanguageVersions(in, action_of, value, p.DefaultLanguage, p.Languages) &&
         ReadTrueTexts(in, true_texts);
}

}  // namespace

const FieldMessages kProjectFileMessages = {EndsEarly, NotANumber};

namespace {

bool Parse(std::string_view data, const std::string& file_name, const std::optional<std::string>& replacement_root,
           ProjectData& project, FormatError& error, std::vector<TrueText>& true_texts) {
  FieldReader in(data, file_name, kProjectFileMessages, error);
  ProjectData p;
  std::string line;
  if (!in.Line(line, "the root folder")) return false;
  p.RootFolder = replacement_root ? *replacement_root : TrimBlanks(AnsiToUtf8(line));
  const std::string& root = p.RootFolder;
  if (!in.Line(line, "the CD title")) return false;
  p.CdTitle = TrimBlanks(AnsiToUtf8(line));
  if (!in.Line(line, "the CD icon")) return false;
  p.CdIcon = FullPath(root, AnsiToUtf8(line));
  if (!in.Line(line, "the sound file")) return false;
  p.SoundFile = FullPath(root, AnsiToUtf8(line));
  if (!in.Line(line, "the background image")) return false;
  p.BackgroundImage = FullPath(root, AnsiToUtf8(line));
  if (!in.Line(line, "the splash image")) return false;
  p.SplashImage = FullPath(root, AnsiToUtf8(line));
  int16_t count = 0;
  if (!in.Number(count, "the spot count")) return false;
  if (count < 0) {
    return in.Fail(in.LineNumber(), "the spot count is negative (" + std::to_string(count) + ")");
  }
  // A spot takes at least 14 line ends, so a short file claiming many spots allocates little.
  p.Spots.reserve(std::min(static_cast<size_t>(count), data.size() / kProjectSpotLines + 1));
  for (int number = 1; number <= count; ++number) {
    in.EnterSpot(number);
    if (!ReadSpot(in, root, true, p.Spots.emplace_back(), line)) return false;
  }
  true_texts.clear();
  if (!ReadPages(in, data.size(), root, p, true_texts)) return false;
  project = std::move(p);
  return true;
}

}  // namespace

bool ParseProjectFile(std::string_view data, const std::string& file_name,
                      const std::optional<std::string>& replacement_root, ProjectData& project,
                      FormatError& error) {
  ProjectData p;
  std::vector<TrueText> true_texts;
  if (!Parse(data, file_name, replacement_root, p, error, true_texts)) return false;
  // Every path was joined to the root's fallback: read again on the true root.
  auto root = std::find_if(true_texts.begin(), true_texts.end(),
                           [](const TrueText& text) { return text.Spot == 0 && text.Field == "root"; });
  if (!replacement_root && root != true_texts.end()) {
    const std::string true_root = TrimBlanks(root->Value);
    if (!Parse(data, file_name, true_root, p, error, true_texts)) return false;
  }
  for (const TrueText& text : true_texts) ApplyTrueText(p, p.RootFolder, text);
  project = std::move(p);
  return true;
}

bool LoadProjectFile(FileSystem& fs, const std::string& path,
                     const std::optional<std::string>& replacement_root, ProjectData& project,
                     FormatError& error) {
  std::string data, message;
  if (!fs.ReadFile(path, data, message)) {
    error = FormatError{path, 0, "cannot be read: " + message};
    return false;
  }
  return ParseProjectFile(data, path, replacement_root, project, error);
}

bool SaveProjectFile(FileSystem& fs, const std::string& path, const ProjectData& project,
                     std::string& error) {
  std::string message;
  if (fs.WriteFileAtomic(path, ProjectFileText(project), message)) return true;
  error = MessagePath(path) + ": cannot be written: " + message;
  return false;
}

std::string SaveFileNameFor(FileSystem& fs, const std::string& chosen) {
  return fs.Exists(chosen) ? chosen : chosen + ".obm";
}

}  // namespace orb
