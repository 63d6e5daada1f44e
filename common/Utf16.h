// UTF-8 to UTF-16, for names that must show elsewhere as they show in a Linux folder.
#pragma once

#include <string>
#include <string_view>

namespace orb {

// Decodes UTF-8; characters beyond the first plane become surrogate pairs. A byte that does not start
// a valid sequence stands for itself (as in Latin-1), so that no name is lost or merged with another.
std::u16string Utf8ToUtf16(std::string_view text);

}  // namespace orb
