// A menu's language versions as plain structs: the project model holds them, the pages text's writer and
// readers share them. No code, so that the player can include it without linking the editor's model.
#pragma once

#include <string>
#include <vector>

namespace orb {

// A text or file of a page or spot that a language version gives in place of the default language's.
enum class LanguageField { Title, Background, ToolTip, Rollover, Target };

struct LanguageText {
  LanguageField Field = LanguageField::Title;
  int Page = 1;  // 1-based; page 1 is the project's own
  int Spot = 0;  // 1-based within the page; 0 for a page's Title and Background
  std::string Value;

  bool operator==(const LanguageText&) const = default;
};

// One language version: its BCP 47 tag ("de", "pt-BR", "ja") and what differs from the default language.
// Everything not given falls back to the project's own text.
struct LanguageVersion {
  std::string Tag;
  std::vector<LanguageText> Texts;

  bool operator==(const LanguageVersion&) const = default;
};

// Whether a field belongs to a spot (ToolTip, Rollover, Target) rather than to a page (Title, Background).
constexpr bool IsSpotField(LanguageField field) {
  return field == LanguageField::ToolTip || field == LanguageField::Rollover || field == LanguageField::Target;
}

}  // namespace orb
