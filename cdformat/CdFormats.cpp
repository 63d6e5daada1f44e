// Writers of menu.cfg, autorun.inf and autorun.des; see CdFormats.h.
#include "cdformat/CdFormats.h"

#include <algorithm>

#include "common/AnsiText.h"
#include "common/TextLines.h"
#include "common/Utf16.h"

namespace orb {

namespace {

// The files are positional, so a line break inside a value would shift every later value and the
// player would misread the whole file. The editor's fields are single-line, but a value can still
// arrive with one (a hand-edited project file); it becomes a blank instead.
std::string OneLine(std::string_view text) {
  std::string line(text);
  std::replace(line.begin(), line.end(), '\r', ' ');
  std::replace(line.begin(), line.end(), '\n', ' ');
  return line;
}

// menu.cfg's text in the ANSI code page; what the code page lacks is carried truly by pages.cfg.
std::string AnsiLine(std::string_view text) { return Utf8ToAnsi(OneLine(text)); }

std::string RelativeUntrimmed(const std::string& full_path, const std::string& root) {
  size_t cut = root.empty() ? 0 : root.size() - 1;
  if (cut >= full_path.size()) return std::string();
  return full_path.substr(cut);
}

int16_t LengthField(size_t length) { return static_cast<int16_t>(std::min<size_t>(length, 32767)); }

void PutInt16(std::string& bytes, size_t offset, int16_t value) {
  auto raw = static_cast<uint16_t>(value);
  bytes[offset] = static_cast<char>(raw & 0xFF);
  bytes[offset + 1] = static_cast<char>(raw >> 8);
}

}  // namespace

std::string CdRelativePath(const std::string& full_path, const std::string& root) {
  return TrimBlanks(RelativeUntrimmed(full_path, root));
}

std::string CdRelativePathUntrimmed(const std::string& full_path, const std::string& root) {
  return RelativeUntrimmed(full_path, root);
}

std::string MenuCfgForMenu(const ProjectData& project, const std::string& root) {
  auto path = [&root](const std::string& full) { return AnsiLine(CdRelativePath(full, root)); };
  LineWriter out;
  out.Line("true");
  out.Line(path(project.BackgroundImage));
  out.Line(AnsiLine(project.CdTitle));
  out.Line(path(project.SplashImage));
  out.Number(static_cast<long>(project.Spots.size()));
  for (const MenuSpot& spot : project.Spots) {
    out.Line(AnsiLine(spot.Name));
    out.Line(AnsiLine(spot.ToolTip));
    out.Number(spot.Action);
    out.Line(TargetIsPath(spot.Action) ? path(spot.Target) : AnsiLine(spot.Target));
    out.Line(path(spot.RolloverImage));
    out.Number(spot.X);
    out.Number(spot.Y);
    out.Line(path(spot.MoveSound));
    out.Line(path(spot.ClickSound));
    out.Line(path(spot.MousePointer));
    out.Number(spot.VideoX);
    out.Number(spot.VideoY);
    out.Number(spot.VideoWidth);
    out.Number(spot.VideoHeight);
  }
  return out.Data();
}

std::string MenuCfgForSimple() {
  LineWriter out;
  out.Line("false");
  return out.Data();
}

std::string AutorunInf(const std::string& icon_entry, const std::string& label) {
  LineWriter out;
  out.Line("[AutoRun]");
  out.Line("OPEN=Orbstart.exe");
  out.Line("Icon=" + (icon_entry.empty() ? std::string("Orbstart.exe") : OneLine(icon_entry)));
  // Windows reads autorun.inf as UTF-16 when it opens with a byte-order mark: an icon the code page
  // lacks still shows, while a file the code page holds keeps its bytes. A title the code page lacks
  // names the drive through label=, which only that form can carry whole.
  std::string label_line = label.empty() || FitsAnsi(label) ? std::string() : OneLine(label);
  if (!label_line.empty()) out.Line("label=" + label_line);
  if (FitsAnsi(out.Data())) return Utf8ToAnsi(out.Data());
  return "\xFF\xFE" + Utf8ToUtf16Le(out.Data());
}

std::string AutorunInfForMenu(const ProjectData& project, const std::string& root) {
  return AutorunInf(CdRelativePath(project.CdIcon, root), TrimBlanks(project.CdTitle));
}

std::string AutorunInfForSimple(const SimpleAutorun& simple, const std::string& root) {
  return AutorunInf(CdRelativePathUntrimmed(simple.AutorunIcon, root));
}

AutorunEntries AutorunEntriesForMenu(const ProjectData& project, const std::string& root) {
  AutorunEntries entries;
  entries.AutorunSound = Utf8ToAnsi(CdRelativePath(project.SoundFile, root));
  return entries;
}

AutorunEntries AutorunEntriesForSimple(const SimpleAutorun& simple, const std::string& root) {
  AutorunEntries entries;
  entries.StartProgram = Utf8ToAnsi(CdRelativePath(simple.StartProgram, root));
  entries.AutorunSound = Utf8ToAnsi(CdRelativePath(simple.AutorunSound, root));
  entries.CommandLine = Utf8ToAnsi(TrimBlanks(simple.CommandLine));
  return entries;
}

std::string AutorunDes(const AutorunEntries& entries) {
  std::string slot(kAutorunSlotSize, '\0');
  PutInt16(slot, 0, 0);  // ReservedTextLength
  PutInt16(slot, 2, LengthField(entries.StartProgram.size()));
  PutInt16(slot, 4, LengthField(entries.CommandLine.size()));
  // Offsets 6..9 hold ReservedNumber, always 0: already zero.
  PutInt16(slot, 10, LengthField(entries.AutorunSound.size()));
  std::string text = entries.StartProgram + entries.AutorunSound + entries.CommandLine;
  text.resize(kAutorunEntryTextSize, ' ');
  slot.replace(12, kAutorunEntryTextSize, text);
  return slot;
}

}  // namespace orb
