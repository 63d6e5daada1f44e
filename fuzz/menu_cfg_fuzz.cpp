// libFuzzer target: the player's menu.cfg reader on arbitrary bytes.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "cdformat/CdReaders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  orb::MenuConfig config;
  orb::FormatError error;
  if (orb::ReadMenuConfig(bytes, "D:", "D:\\menu.cfg", config, error)) {
    // A successful read holds exactly the declared spots (none in the simple mode).
    size_t expected = config.MenuMode ? static_cast<size_t>(config.SpotCount) : 0;
    if (config.Spots.size() != expected || (config.MenuMode && config.SpotCount < 1)) std::abort();
  } else {
    // One message that names the file and a line, and stays short whatever the input.
    if (error.file != "D:\\menu.cfg" || error.line < 1 || error.message.empty()) std::abort();
    if (error.Text().size() > 300 || !config.Spots.empty()) std::abort();
  }
  return 0;
}
