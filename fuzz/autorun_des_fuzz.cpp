// libFuzzer target: the player's autorun.des reader on arbitrary bytes, and the writer read back.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "cdformat/CdFormats.h"
#include "cdformat/CdReaders.h"
#include "common/AnsiText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  orb::AutorunRecord record = orb::ReadAutorunDes(bytes);
  const size_t text = record.EntryText.size();
  // The entries are the entry text's slices turned from the code page to UTF-8: three bytes a byte at most.
  if (text > 300 || record.StartProgram.size() + record.AutorunSound.size() > 3 * text ||
      record.CommandLine.size() > 3 * text) {
    std::abort();
  }

  // Whatever three entries (in the code page) the input splits into, a written descriptor reads back to them,
  // as UTF-8, while they fit in the entry text.
  size_t a = size > 0 ? data[0] % (size + 1) : 0;
  size_t b = size > 1 ? data[1] % (size - a + 1) : 0;
  orb::AutorunEntries entries{std::string(bytes.substr(0, a)), std::string(bytes.substr(a, b)),
                              std::string(bytes.substr(a + b))};
  std::string slot = orb::AutorunDes(entries);
  if (slot.size() != orb::kAutorunSlotSize) std::abort();
  orb::AutorunRecord back = orb::ReadAutorunDes(slot);
  if (size <= 300) {
    std::string command = entries.CommandLine + std::string(300 - size, ' ');
    if (back.StartProgram != orb::AnsiToUtf8(entries.StartProgram) ||
        back.AutorunSound != orb::AnsiToUtf8(entries.AutorunSound) || back.CommandLine != orb::AnsiToUtf8(command)) {
      std::abort();
    }
  }
  return 0;
}
