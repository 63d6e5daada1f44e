// UTF-8 to UTF-16, for names that must show elsewhere as they show in a Linux folder.
#pragma once

#include <string>
#include <string_view>

namespace orb {

// Decodes UTF-8; characters beyond the first plane become surrogate pairs. A byte that does not start
// a valid sequence stands for itself (as in Latin-1), so that no name is lost or merged with another.
std::u16string Utf8ToUtf16(std::string_view text);
// UTF-16 little-endian bytes (no byte-order mark) to UTF-8; an unpaired surrogate becomes U+FFFD and an
// odd last byte is dropped.
std::string Utf16LeToUtf8(std::string_view bytes);
// UTF-8 to UTF-16 little-endian bytes, as Windows reads a text file that starts with FF FE.
std::string Utf8ToUtf16Le(std::string_view text);

}  // namespace orb
