// The user's preferred UI languages; see PreferredLanguages.h.
#include "player/win/PreferredLanguages.h"

#include <windows.h>

namespace orb {

std::vector<std::string> UserPreferredUiLanguages() {
  // The display languages, not the format locale: a German user with Swiss number formats reads German.
  ULONG count = 0, size = 0;
  if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) || size == 0) return {};
  std::wstring list(size, L'\0');
  if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, list.data(), &size)) return {};
  // A list of NUL-ended tags, ended by an empty one. Tags are ASCII; one that is not is no tag.
  std::vector<std::string> tags;
  std::string tag;
  bool ascii = true;
  for (wchar_t c : list) {
    if (c != L'\0') {
      ascii = ascii && c < 0x80;
      tag += static_cast<char>(c);
      continue;
    }
    if (tag.empty()) break;
    if (ascii) tags.push_back(tag);
    tag.clear();
    ascii = true;
  }
  return tags;
}

}  // namespace orb
