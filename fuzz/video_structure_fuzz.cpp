// libFuzzer target: the check of a video's boxes and ASF header, on arbitrary bytes as both containers.
#include <cstdint>
#include <string>

#include "common/VideoStructure.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string file(reinterpret_cast<const char*>(data), size);
  auto read = [&](uint64_t at, size_t n, std::string& out) {
    if (at > file.size() || n > file.size() - at) return false;
    out = file.substr(static_cast<size_t>(at), n);
    return true;
  };
  orb::CheckVideoStructure(orb::VideoContainer::IsoMedia, file.size(), read);
  orb::CheckVideoStructure(orb::VideoContainer::Asf, file.size(), read);
  return 0;
}
