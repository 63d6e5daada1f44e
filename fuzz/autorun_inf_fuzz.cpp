// libFuzzer target: the player's autorun.inf icon-line reader on arbitrary bytes, and the writer read back.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "cdformat/CdFormats.h"
#include "cdformat/CdReaders.h"
#include "common/AnsiText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string icon;
  orb::FormatError error;
  if (!orb::ReadAutorunInfIcon(bytes, "autorun.inf", icon, error)) {
    if (error.line < 1 || error.line > 3 || error.message.empty()) std::abort();
  } else if (icon.size() > 3 * size) {  // the code page's bytes as UTF-8
    std::abort();
  }

  // Any icon entry the writer gets (UTF-8) is read back as one line (line breaks become blanks), in the code
  // page's form and, with a character the code page lacks, in UTF-16's.
  const std::string entry = orb::AnsiToUtf8(bytes.substr(0, 512));
  for (const std::string& written : {entry, entry + "\xce\xa3"}) {
    if (!orb::ReadAutorunInfIcon(orb::AutorunInf(written), "autorun.inf", icon, error)) std::abort();
    if (icon.size() != (written.empty() ? 12 : written.size())) std::abort();
  }
  return 0;
}
