// libFuzzer target: the player's autorun.des reader on arbitrary bytes, and the writer read back.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "cdformat/CdFormats.h"
#include "cdformat/CdReaders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  orb::AutorunRecord record = orb::ReadAutorunDes(bytes);
  const size_t text = record.EntryText.size();
  if (text > 300 || record.StartProgram.size() + record.AutorunSound.size() > text ||
      record.CommandLine.size() > text) {
    std::abort();
  }

  // Whatever three entries the input splits into, a written descriptor reads back to them while they
  // fit in the entry text.
  size_t a = size > 0 ? data[0] % (size + 1) : 0;
  size_t b = size > 1 ? data[1] % (size - a + 1) : 0;
  orb::AutorunEntries entries{std::string(bytes.substr(0, a)), std::string(bytes.substr(a, b)),
                              std::string(bytes.substr(a + b))};
  std::string slot = orb::AutorunDes(entries);
  if (slot.size() != orb::kAutorunSlotSize) std::abort();
  orb::AutorunRecord back = orb::ReadAutorunDes(slot);
  if (size <= 300) {
    std::string command = entries.CommandLine + std::string(300 - size, ' ');
    if (back.StartProgram != entries.StartProgram || back.AutorunSound != entries.AutorunSound ||
        back.CommandLine != command) {
      std::abort();
    }
  }
  return 0;
}
