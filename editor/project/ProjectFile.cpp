// The project file's reader and writer; see ProjectFile.h.
#include "editor/project/ProjectFile.h"

#include "editor/project/PathText.h"

namespace orb {

namespace {

// A line break inside a value would shift every line after it; it becomes a blank.
std::string OneLine(std::string text) {
  for (size_t i = text.find_first_of("\r\n"); i != std::string::npos; i = text.find_first_of("\r\n", i)) text[i] = ' ';
  return text;
}

}  // namespace

std::string ProjectFileText(const ProjectData& project) {
  const std::string& root = project.RootFolder;
  auto relative = [&root](const std::string& path) { return OneLine(RemoveEvery(path, root)); };
  LineWriter out;
  out.Line(OneLine(project.RootFolder));
  out.Line(OneLine(project.CdTitle));
  out.Line(relative(project.CdIcon));
  out.Line(relative(project.SoundFile));
  out.Line(relative(project.BackgroundImage));
  out.Line(relative(project.SplashImage));
  out.Number(project.SpotCount());
  for (const MenuSpot& spot : project.Spots) {
    out.Line(OneLine(spot.Name));
    out.Line(OneLine(spot.ToolTip));
    out.Number(spot.Action);
    // Every action's Target passes through the root removal, typed texts included.
    out.Line(relative(spot.Target));
    out.Line(relative(spot.RolloverImage));
    out.Number(spot.X);
    out.Number(spot.Y);
    out.Line(relative(spot.MoveSound));
    out.Line(relative(spot.ClickSound));
    out.Line(relative(spot.MousePointer));
    out.Number(spot.VideoX);
    out.Number(spot.VideoY);
    out.Number(spot.VideoWidth);
    out.Number(spot.VideoHeight);
  }
  return out.Data();
}

std::string ProjectFileRoot(std::string_view data) {
  LineReader reader(data);
  std::string line;
  reader.Next(line);
  return TrimBlanks(line);
}

namespace {

// Reads the file line by line and turns each line into a field, remembering the first problem.
class ProjectParser {
 public:
  ProjectParser(std::string_view data, const std::string& file_name) : reader_(data), file_name_(file_name) {}

  // Names the field in messages: "CD title", or "the X of spot 3" once the spots are being read.
  std::string Field(const char* what) const {
    std::string field = std::string("the ") + what;
    if (spot_ > 0) field += " of spot " + std::to_string(spot_);
    return field;
  }

  void StartSpot(int spot) { spot_ = spot; }

  bool Line(std::string& line, const char* what) {
    if (reader_.Next(line)) return true;
    return Fail(reader_.LineNumber() + 1, "the file ends early: this line (" + Field(what) + ") is missing");
  }

  bool Number(int16_t& value, const char* what, bool blank_is_zero = false) {
    std::string line;
    if (!Line(line, what)) return false;
    if (blank_is_zero && TrimBlanks(line).empty()) {
      value = 0;
      return true;
    }
    std::optional<int16_t> number = ParseInt16(line);
    if (!number) return Fail(reader_.LineNumber(), Field(what) + " is not a number from -32768 to 32767: \"" + line + "\"");
    value = *number;
    return true;
  }

  bool Fail(int line, std::string message) {
    error_ = FormatError{file_name_, line, std::move(message)};
    return false;
  }

  int LineNumber() const { return reader_.LineNumber(); }
  const FormatError& Error() const { return error_; }

 private:
  LineReader reader_;
  const std::string& file_name_;
  FormatError error_;
  int spot_ = 0;
};

// Reading a path field: trimmed; a relative path gets the root folder in front of it; a path that is
// already complete is kept as it is (putting the root in front would corrupt it).
std::string FullPath(const std::string& root, const std::string& line) {
  std::string trimmed = TrimBlanks(line);
  if (trimmed.empty()) return trimmed;
  if (IsAbsolutePath(trimmed)) return trimmed;
  return root + trimmed;
}

// The root folder always goes in front, even of an empty line (Target of actions 1 and 5, RolloverImage).
std::string RootedPath(const std::string& root, const std::string& line) {
  std::string trimmed = TrimBlanks(line);
  if (IsAbsolutePath(trimmed)) return trimmed;
  return root + trimmed;
}

// Sounds and the cursor: a line of blanks only stays as read.
std::string OptionalPath(const std::string& root, const std::string& line) {
  if (TrimBlanks(line).empty()) return line;
  return FullPath(root, line);
}

}  // namespace

bool ParseProjectFile(std::string_view data, const std::string& file_name,
                      const std::optional<std::string>& replacement_root, ProjectData& project, FormatError& error) {
  ProjectParser in(data, file_name);
  ProjectData p;
  std::string line;
  auto fail = [&] {
    error = in.Error();
    return false;
  };
  if (!in.Line(line, "root folder")) return fail();
  p.RootFolder = replacement_root ? *replacement_root : TrimBlanks(line);
  const std::string& root = p.RootFolder;
  if (!in.Line(line, "CD title")) return fail();
  p.CdTitle = TrimBlanks(line);
  if (!in.Line(line, "CD icon")) return fail();
  p.CdIcon = FullPath(root, line);
  if (!in.Line(line, "sound file")) return fail();
  p.SoundFile = FullPath(root, line);
  if (!in.Line(line, "background image")) return fail();
  p.BackgroundImage = FullPath(root, line);
  if (!in.Line(line, "splash image")) return fail();
  p.SplashImage = FullPath(root, line);
  int16_t count = 0;
  if (!in.Number(count, "spot count")) return fail();
  if (count < 0) {
    in.Fail(in.LineNumber(), "the spot count is negative (" + std::to_string(count) + ")");
    return fail();
  }
  p.Spots.resize(static_cast<size_t>(count));
  int number = 0;
  for (MenuSpot& spot : p.Spots) {
    in.StartSpot(++number);
    if (!in.Line(spot.Name, "name")) return fail();
    if (!in.Line(line, "tooltip")) return fail();
    spot.ToolTip = TrimBlanks(line);
    if (!in.Number(spot.Action, "action")) return fail();
    if (!in.Line(line, "target")) return fail();
    spot.Target = TargetIsPath(spot.Action) ? RootedPath(root, line) : TrimBlanks(line);
    if (!in.Line(line, "rollover image")) return fail();
    spot.RolloverImage = RootedPath(root, line);
    if (!in.Number(spot.X, "X")) return fail();
    if (!in.Number(spot.Y, "Y")) return fail();
    if (!in.Line(line, "move sound")) return fail();
    spot.MoveSound = OptionalPath(root, line);
    if (!in.Line(line, "click sound")) return fail();
    spot.ClickSound = OptionalPath(root, line);
    if (!in.Line(line, "mouse pointer")) return fail();
    spot.MousePointer = OptionalPath(root, line);
    if (!in.Number(spot.VideoX, "video left", true)) return fail();
    if (!in.Number(spot.VideoY, "video top", true)) return fail();
    if (!in.Number(spot.VideoWidth, "video width", true)) return fail();
    if (!in.Number(spot.VideoHeight, "video height", true)) return fail();
  }
  project = std::move(p);
  return true;
}

bool LoadProjectFile(FileSystem& fs, const std::string& path, const std::optional<std::string>& replacement_root,
                     ProjectData& project, FormatError& error) {
  std::string data, message;
  if (!fs.ReadFile(path, data, message)) {
    error = FormatError{path, 0, "cannot be read: " + message};
    return false;
  }
  return ParseProjectFile(data, path, replacement_root, project, error);
}

bool SaveProjectFile(FileSystem& fs, const std::string& path, const ProjectData& project, std::string& error) {
  std::string message;
  if (fs.WriteFileAtomic(path, ProjectFileText(project), message)) return true;
  error = path + ": cannot be written: " + message;
  return false;
}

std::string SaveFileNameFor(FileSystem& fs, const std::string& chosen) {
  return fs.Exists(chosen) ? chosen : chosen + ".obm";
}

}  // namespace orb
