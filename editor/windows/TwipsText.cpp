// Number texts of the coordinate boxes; see TwipsText.h.
#include "editor/windows/TwipsText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "common/TextLines.h"

namespace orb {

std::string FormatTwips(float value) {
  if (value == 0.0f) return "0";  // also turns -0 into "0"
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(value));
  return buffer;
}

std::optional<float> ParseTwips(std::string_view text) {
  std::string trimmed = TrimBlanks(text);
  if (trimmed.empty() || trimmed.size() > 40) return std::nullopt;
  // Only plain decimals: strtof would also take hex, "inf" and "nan", which no box ever shows.
  for (char c : trimmed) {
    if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E')) return std::nullopt;
  }
  char* end = nullptr;
  float value = std::strtof(trimmed.c_str(), &end);
  if (end != trimmed.c_str() + trimmed.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<int16_t> TwipsToInt16(std::string_view text) {
  std::optional<float> value = ParseTwips(text);
  if (!value) return std::nullopt;
  double rounded = std::nearbyint(static_cast<double>(*value));  // default rounding: half to even
  if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
  return static_cast<int16_t>(rounded);
}

}  // namespace orb
