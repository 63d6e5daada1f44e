// Text typed into a field that the ANSI code page cannot store: the message that refuses it.
#pragma once

#include <string>

namespace orb {

// "The CD title cannot hold U+65E5 and U+672C: ...": each character once, by its Unicode number, since an
// ANSI message box could show them only as the same "?" they would become. field is the field's name.
std::string UnstorableCharactersMessage(const std::string& field, const std::u32string& characters);

}  // namespace orb
