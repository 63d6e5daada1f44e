// The pages of help.chm the editor opens, by context number (help/contexts.h maps the same numbers).
#pragma once

#include <string>

namespace orb {

inline constexpr const char* kHelpFileName = "help.chm";
inline constexpr int kHelpSimpleMode = 1001;
inline constexpr int kHelpMenuMode = 1002;
inline constexpr int kHelpSpotEditor = 1004;
inline constexpr int kHelpConvert = 1005;
inline constexpr int kHelpOptions = 1006;

// Help, "Contents" follows the panel on show: panel_mark is cmdani's tag, "0" for the simple panel.
inline int HelpContextForPanel(const std::string& panel_mark) {
  return panel_mark == "0" ? kHelpSimpleMode : kHelpMenuMode;
}

}  // namespace orb
