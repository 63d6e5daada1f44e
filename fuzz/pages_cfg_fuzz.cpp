// libFuzzer target: the player's pages.cfg reader on arbitrary bytes.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "cdformat/PagesReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  orb::MenuConfig config;
  orb::FormatError error;
  if (orb::ReadPagesConfig(bytes, "D:", "D:\\pages.cfg", config, error)) {
    // A successful read holds at least one page, and every page at least one spot; only version 2, which
    // also carries a one-page menu's language versions, may hold no further page.
    const bool version2 = bytes.substr(0, bytes.find('\n')).find("Orbmenu pages 2") != std::string_view::npos;
    if (config.Pages.empty() && !version2) std::abort();
    for (const orb::PlayerPage& page : config.Pages) {
      if (page.Spots.empty()) std::abort();
    }
  } else {
    // One message that names the file and a line, and stays short whatever the input.
    if (error.file != "D:\\pages.cfg" || error.line < 1 || error.message.empty()) std::abort();
    if (error.Text().size() > 300 || !config.Pages.empty()) std::abort();
  }
  return 0;
}
