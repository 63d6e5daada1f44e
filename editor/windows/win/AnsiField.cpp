// The code-page check of typed text; see AnsiField.h.
#include "editor/windows/win/AnsiField.h"

namespace orb {

bool ReadAnsiField(HWND edit, std::string& text, std::u32string& refused) {
  text.clear();
  refused.clear();
  int length = GetWindowTextLengthW(edit);
  std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
  length = GetWindowTextW(edit, wide.data(), length + 1);
  wide.resize(static_cast<size_t>(length < 0 ? 0 : length));
  for (size_t i = 0; i < wide.size();) {
    // One character at a time, a surrogate pair together, so that each refused one can be named.
    int units = (wide[i] >= 0xD800 && wide[i] <= 0xDBFF && i + 1 < wide.size()) ? 2 : 1;
    char bytes[8] = {};
    BOOL lost = FALSE;
    int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data() + i, units, bytes, sizeof bytes, nullptr,
                                &lost);
    if (n <= 0 || lost) {
      char32_t c = units == 2 ? 0x10000 + ((static_cast<char32_t>(wide[i]) - 0xD800) << 10) +
                                    (static_cast<char32_t>(wide[i + 1]) - 0xDC00)
                              : static_cast<char32_t>(wide[i]);
      refused += c;
    } else {
      text.append(bytes, static_cast<size_t>(n));
    }
    i += static_cast<size_t>(units);
  }
  return refused.empty();
}

}  // namespace orb
