// Native text is UTF-8 outside Windows, so nothing changes; Windows builds take common/win/NativeTextWin.cpp.
#include "common/NativeText.h"

#if !defined(_WIN32)
namespace orb {

std::string NativeToUtf8(std::string_view text) { return std::string(text); }
std::string Utf8ToNative(std::string_view text) { return std::string(text); }

}  // namespace orb
#endif
