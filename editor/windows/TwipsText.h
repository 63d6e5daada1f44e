// Number texts of the editor's coordinate boxes: twips as single-precision values, shown as plain decimals.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orb {

// The decimal text of a single-precision value: "4200", "-15", "4200.5"; at most 7 significant digits.
std::string FormatTwips(float value);

// A whole box text as a number (blanks around it allowed); nullopt for anything else, inf and nan included.
std::optional<float> ParseTwips(std::string_view text);

// The nearest 16-bit integer of a box text, a half going to the even neighbour; nullopt when the text is
// not a number or lies outside -32768..32767.
std::optional<int16_t> TwipsToInt16(std::string_view text);

}  // namespace orb
