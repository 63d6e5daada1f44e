// libFuzzer target: the player's autorun.inf icon-line reader on arbitrary bytes, and the writer read back.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "cdformat/CdFormats.h"
#include "cdformat/CdReaders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string icon;
  orb::FormatError error;
  if (!orb::ReadAutorunInfIcon(bytes, "autorun.inf", icon, error)) {
    if (error.line < 1 || error.line > 3 || error.message.empty()) std::abort();
  } else if (icon.size() > size) {
    std::abort();
  }

  // Any icon entry the writer gets is read back as one line (line breaks become blanks).
  std::string entry(bytes.substr(0, 512));
  if (!orb::ReadAutorunInfIcon(orb::AutorunInf(entry), "autorun.inf", icon, error)) std::abort();
  if (icon.size() != (entry.empty() ? 12 : entry.size())) std::abort();
  return 0;
}
