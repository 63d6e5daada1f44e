// libFuzzer target: the project file reader (the pages text after the last spot included) on arbitrary
// bytes, and what the writer makes of its result.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "project/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  orb::ProjectData project;
  orb::FormatError error;
  if (!orb::ParseProjectFile(bytes, "fuzz.obm", std::nullopt, project, error)) {
    if (error.file != "fuzz.obm" || error.line < 1 || error.message.empty()) std::abort();
    return 0;
  }
  // What was read is written back and read again: the texts and numbers survive.
  std::string text = orb::ProjectFileText(project);
  orb::ProjectData again;
  if (!orb::ParseProjectFile(text, "again.obm", std::nullopt, again, error)) std::abort();
  if (again.CdTitle != project.CdTitle || again.SpotCount() != project.SpotCount()) std::abort();
  for (size_t i = 0; i < project.Spots.size(); ++i) {
    const orb::MenuSpot& a = project.Spots[i];
    const orb::MenuSpot& b = again.Spots[i];
    if (a.Name != b.Name || a.ToolTip != b.ToolTip || a.Action != b.Action || a.X != b.X || a.Y != b.Y ||
        a.VideoX != b.VideoX || a.VideoY != b.VideoY || a.VideoWidth != b.VideoWidth ||
        a.VideoHeight != b.VideoHeight) {
      std::abort();
    }
  }
  // Without a root folder nothing is added or removed, so the whole project comes back.
  orb::ProjectData rootless;
  if (!orb::ParseProjectFile(bytes, "fuzz.obm", std::string(), rootless, error)) std::abort();
  orb::ProjectData back;
  if (!orb::ParseProjectFile(orb::ProjectFileText(rootless), "back.obm", std::string(), back, error))
    std::abort();
  if (!(back == rootless)) std::abort();
  return 0;
}
