// Language tags of a menu's language versions (BCP 47: "de", "pt-BR", "zh-Hant-TW") and the choice of
// the version to show from the user's preferred languages.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orb {

// Whether text has a language tag's shape: a primary language of 2-3 or 5-8 letters, then optionally a
// script (4 letters), a region (2 letters or 3 digits) and variants (5-8 letters or digits, or 4 starting
// with a digit), joined by '-'. Case does not matter; '_' and empty parts are refused.
bool ValidLanguageTag(std::string_view text);

// Whether two tags are the same language: compared without regard to ASCII case ("pt_BR" is not "pt-BR").
bool SameLanguageTag(std::string_view a, std::string_view b);

// The tag to show (as spelled in available, or default_tag): for each preferred tag in order, an available
// tag that is the same, else the longest available one it starts with ("zh-Hant" for "zh-Hant-TW", "pt"
// for "pt-BR"); the default tag counts as available. default_tag when no preference finds one.
std::string ChooseLanguage(const std::vector<std::string>& preferred, const std::vector<std::string>& available,
                           const std::string& default_tag);

}  // namespace orb
