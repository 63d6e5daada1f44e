// The 1.x to 2.x project conversion; see LegacyConverter.h.
#include "project/LegacyConverter.h"

#include "common/AnsiText.h"
#include "common/PathText.h"
#include "project/ProjectFile.h"

namespace orb {

std::string LegacyConvertedName(const std::string& old_path) {
  std::string name = ReplaceEvery(old_path, ".obm", "_2.xprj.obm");
  if (name == old_path) name += "_2.xprj.obm";
  return name;
}

namespace {

// The 1.x list lacked "Select an Action" and "Play Video File": codes 4 and 5 move up by two, the rest
// by one.
long RenumberedAction(long code) { return (code == 4 || code == 5) ? code + 2 : code + 1; }

}  // namespace

bool ConvertLegacyText(std::string_view old_data, const std::string& file_name, std::string& new_data,
                       FormatError& error) {
  // Both files are in the code page, so the lines go across as bytes; only messages convert.
  FieldReader in(old_data, file_name, kProjectFileMessages, error);
  LineWriter out;
  std::string line;
  auto read = [&](const char* what) { return in.Line(line, what); };

  if (!read("the root folder")) return false;
  const std::string root = TrimBlanks(line);
  out.Line(root);
  if (!read("the CD title")) return false;
  out.Line(line);
  for (const char* what : {"the CD icon", "the sound file", "the background image"}) {
    if (!read(what)) return false;
    out.Line(RemoveEvery(line, root));
  }
  out.Line("");  // 1.x had no splash picture
  int16_t count = 0;
  if (!in.Number(count, "the spot count")) {
    // A 2.x file has its splash picture where 1.x had the spot count: say what the file is instead.
    ProjectData project;
    FormatError as_new;
    if (ParseProjectFile(old_data, file_name, std::nullopt, project, as_new))
      error = FormatError{file_name, 0,
                          "this project is already in the 2.x format and needs no conversion: open it "
                          "with Load Project in the File menu"};
    return false;
  }
  if (count < 0)
    return in.Fail(in.LineNumber(), "the spot count is negative (" + std::to_string(count) + ")");
  out.Line(in.NumberLine());
  for (int spot = 1; spot <= count; ++spot) {
    in.EnterSpot(spot);
    for (const char* what : {"the name", "the tooltip"}) {
      if (!read(what)) return false;
      out.Line(RemoveEvery(line, root));
    }
    int16_t action = 0;
    if (!in.Number(action, "the action")) return false;
    long code = RenumberedAction(action);
    if (code > 32767) {
      return in.Fail(in.LineNumber(),
                     in.Field("the action") + " is not a 1.x action code: " + in.NumberLine());
    }
    out.Line(std::to_string(code));
    for (const char* what :
         {"the target", "the rollover image", "the X", "the Y", "the move sound", "the click sound"}) {
      if (!read(what)) return false;
      // X and Y must be numbers, and stay numbers once the root's text is removed, or the new file
      // would not load.
      bool coordinate = std::string_view(what) == "the X" || std::string_view(what) == "the Y";
      if (coordinate && !ParseInt16(line)) {
        return in.Fail(in.LineNumber(), kProjectFileMessages.not_a_number(in.Field(what), line, false));
      }
      if (coordinate && !ParseInt16(RemoveEvery(line, root))) {
        return in.Fail(in.LineNumber(), in.Field(what) + " (\"" + AnsiToUtf8(line) +
                                            "\") would lose its digits to the root folder's text \"" +
                                            AnsiToUtf8(root) + "\"");
      }
      out.Line(RemoveEvery(line, root));
    }
    for (int i = 0; i < 5; ++i) out.Line("");  // cursor and video frame, new in 2.x
  }
  new_data = out.Data();
  return true;
}

bool ConvertLegacyProject(FileSystem& fs, const std::string& old_path, std::string& new_path,
                          FormatError& error) {
  std::string old_data, message;
  if (!fs.ReadFile(old_path, old_data, message)) {
    error = FormatError{old_path, 0, "cannot be read: " + message};
    return false;
  }
  std::string new_data;
  if (!ConvertLegacyText(old_data, old_path, new_data, error)) return false;
  std::string name = LegacyConvertedName(old_path);
  if (!fs.WriteFileAtomic(name, new_data, message)) {
    error = FormatError{name, 0, "cannot be written: " + message};
    return false;
  }
  new_path = name;
  return true;
}

std::string LegacyConvertedMessage(const std::string& old_path, const std::string& new_path) {
  return "Project (" + old_path + ") converted successfully to (" + new_path + ").";
}

}  // namespace orb
