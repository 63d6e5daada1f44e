// A picture file's size from its header; see PictureSize.h.
#include "common/PictureSize.h"

#include <cstdint>

namespace orb {
namespace {

uint32_t Byte(std::string_view d, size_t at) { return static_cast<unsigned char>(d[at]); }
uint32_t Le16(std::string_view d, size_t at) { return Byte(d, at) | Byte(d, at + 1) << 8; }
uint32_t Be16(std::string_view d, size_t at) { return Byte(d, at) << 8 | Byte(d, at + 1); }
uint32_t Le32(std::string_view d, size_t at) { return Le16(d, at) | Le16(d, at + 2) << 16; }
uint32_t Be32(std::string_view d, size_t at) { return Be16(d, at) << 16 | Be16(d, at + 2); }

bool Take(uint32_t w, uint32_t h, int& width, int& height) {
  if (w == 0 || h == 0 || w > 65535 || h > 65535) return false;
  width = static_cast<int>(w);
  height = static_cast<int>(h);
  return true;
}

bool JpegSize(std::string_view d, int& width, int& height) {
  size_t at = 2;
  while (at + 4 <= d.size()) {
    if (Byte(d, at) != 0xFF) return false;
    uint32_t marker = Byte(d, at + 1);
    if (marker == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // no length
      at += 2;
      continue;
    }
    uint32_t length = Be16(d, at + 2);
    // Start of frame: every SOFn but DHT (C4), JPG (C8) and DAC (CC).
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
      if (at + 9 > d.size()) return false;
      return Take(Be16(d, at + 7), Be16(d, at + 5), width, height);
    }
    if (length < 2) return false;
    at += 2 + length;
  }
  return false;
}

}  // namespace

bool PictureSize(std::string_view d, int& width, int& height) {
  if (d.size() >= 26 && d.substr(0, 2) == "BM") {
    uint32_t header = Le32(d, 14);
    if (header == 12) return Take(Le16(d, 18), Le16(d, 20), width, height);  // OS/2 core header
    int32_t h = static_cast<int32_t>(Le32(d, 22));                         // negative: top-down rows
    return Take(Le32(d, 18), static_cast<uint32_t>(h < 0 ? -static_cast<int64_t>(h) : h), width, height);
  }
  if (d.size() >= 24 && d.substr(0, 8) == "\x89PNG\r\n\x1a\n" && d.substr(12, 4) == "IHDR")
    return Take(Be32(d, 16), Be32(d, 20), width, height);
  if (d.size() >= 10 && (d.substr(0, 6) == "GIF87a" || d.substr(0, 6) == "GIF89a"))
    return Take(Le16(d, 6), Le16(d, 8), width, height);
  if (d.size() >= 4 && Byte(d, 0) == 0xFF && Byte(d, 1) == 0xD8) return JpegSize(d, width, height);
  return false;
}

}  // namespace orb
