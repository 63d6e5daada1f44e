// libFuzzer target: the 1.x conversion on arbitrary bytes; whatever it accepts must load as a 2.x file.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "project/LegacyConverter.h"
#include "project/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string converted;
  orb::FormatError error;
  orb::ProjectData project;
  if (!orb::ConvertLegacyText(bytes, "old.obm", converted, error)) {
    if (error.file != "old.obm" || error.message.empty()) std::abort();
    // Only the verdict on the whole file names no line: that it is a 2.x project, so it must load as one.
    if (error.line < 1 && !orb::ParseProjectFile(bytes, "old.obm", std::nullopt, project, error)) std::abort();
    return 0;
  }
  if (!orb::ParseProjectFile(converted, "new.obm", std::nullopt, project, error)) std::abort();
  if (!project.SplashImage.empty()) std::abort();
  for (const orb::MenuSpot& spot : project.Spots) {
    if (spot.Action == 5 || !spot.MousePointer.empty() || spot.VideoWidth != 0) std::abort();
  }
  return 0;
}
