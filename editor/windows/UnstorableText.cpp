// The message that refuses unstorable characters; see UnstorableText.h.
#include "editor/windows/UnstorableText.h"

#include <cstdio>

namespace orb {

std::string UnstorableCharactersMessage(const std::string& field, const std::u32string& characters) {
  std::u32string once;
  for (char32_t c : characters)
    if (once.find(c) == std::u32string::npos) once += c;
  constexpr std::size_t kNamed = 8;  // a pasted paragraph would make the box taller than the screen
  std::string names;
  for (std::size_t i = 0; i < once.size() && i < kNamed; ++i) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(once[i]));
    if (i > 0) names += i + 1 == once.size() ? " and " : ", ";
    names += code;
  }
  if (once.size() > kNamed) names += " and " + std::to_string(once.size() - kNamed) + " more";
  return "The " + field + " cannot hold " + names +
         ": the project and the CD's files store text in the code page of Windows, which has no such "
         "character" + (once.size() == 1 ? "" : "s") + ".\r\nThe " + field + " keeps its text without " +
         (once.size() == 1 ? "it" : "them") + ".";
}

}  // namespace orb
