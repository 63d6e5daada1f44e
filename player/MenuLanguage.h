// The menu as one of its language versions shows it, and which version that is: the user's preferred UI
// languages against the versions pages.cfg gives (docs/pages.md).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cdformat/CdReaders.h"

namespace orb {

// The tag to show at start: the first of the preferred tags (in the user's order) that one of the menu's
// versions or its default tag serves, as ChooseLanguage decides; the default tag when none does.
std::string ChooseMenuLanguage(const MenuConfig& menu, const std::vector<std::string>& preferred);

// The tag as the menu spells it when it names one of its versions or its default language (compared
// without case); empty when it names none.
std::string MenuLanguageTag(const MenuConfig& menu, std::string_view tag);

// The menu as the version of that tag shows it: each page title, background, tooltip, rollover picture and
// target the version gives in place of the default's, everything else as read. The menu itself for the
// default tag, a tag it has no version of, and texts naming a page or spot it lacks.
MenuConfig MenuInLanguage(const MenuConfig& menu, std::string_view tag);

// Whether a language is written right to left: Arabic, Hebrew, Persian and their kin, or any language in
// the Arabic or Hebrew script ("ar-EG", "he", "fa-IR", "az-Arab").
bool IsRightToLeft(std::string_view tag);

}  // namespace orb
