// Windows-1252 outside Windows; Windows builds take common/win/AnsiTextWin.cpp.
#include "common/AnsiText.h"

namespace orb {

bool FitsAnsi(std::string_view utf8) {
  bool lossy = false;
  Utf8ToAnsi(utf8, &lossy);
  return !lossy;
}

}  // namespace orb

#if !defined(_WIN32)
#include <cstdint>

namespace orb {

namespace {

// 0x80..0x9F; the five bytes Windows-1252 leaves unassigned map to the C1 control of the same value, as
// Windows converts them.
constexpr uint16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

void AppendUtf8(std::string& out, uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

int Cp1252Byte(uint32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<int>(code);
  for (int k = 0; k < 32; ++k) {
    if (kHighControls[k] == code) return 0x80 + k;
  }
  return -1;
}

}  // namespace

std::string AnsiToUtf8(std::string_view ansi) {
  std::string out;
  out.reserve(ansi.size());
  for (char c : ansi) {
    auto byte = static_cast<unsigned char>(c);
    AppendUtf8(out, byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte);
  }
  return out;
}

std::string Utf8ToAnsi(std::string_view utf8, bool* lossy) {
  std::string out;
  out.reserve(utf8.size());
  bool lost = false;
  for (size_t i = 0; i < utf8.size();) {
    auto lead = static_cast<unsigned char>(utf8[i]);
    size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    uint32_t code = length == 1 ? lead : lead & (length == 2 ? 0x1F : length == 3 ? 0x0F : 0x07);
    size_t k = 1;
    for (; length > 1 && k < length && i + k < utf8.size(); ++k) {
      auto next = static_cast<unsigned char>(utf8[i + k]);
      if ((next & 0xC0) != 0x80) break;
      code = (code << 6) | (next & 0x3F);
    }
    if (length == 0 || k < length) {
      // One replacement for the broken sequence, as Windows gives U+FFFD and then the default character.
      i += length == 0 ? 1 : k;
      out += '?';
      lost = true;
      continue;
    }
    i += length;
    int byte = Cp1252Byte(code);
    if (byte < 0) {
      out += '?';
      lost = true;
    } else {
      out += static_cast<char>(byte);
    }
  }
  if (lossy) *lossy = lost;
  return out;
}

}  // namespace orb
#endif
