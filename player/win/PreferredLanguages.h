// The user's preferred UI languages as Windows keeps them (Settings, Language: the display language first).
#pragma once

#include <string>
#include <vector>

namespace orb {

// Their tags ("de-DE", "en-US"), the first preferred first; none when Windows gives none.
std::vector<std::string> UserPreferredUiLanguages();

}  // namespace orb
