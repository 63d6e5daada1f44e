// Language tags; see LanguageTag.h.
#include "common/LanguageTag.h"

namespace orb {

namespace {

bool IsAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

template <typename Pred>
bool All(std::string_view part, Pred pred) {
  for (char c : part) {
    if (!pred(c)) return false;
  }
  return true;
}

bool Letters(std::string_view part, size_t min, size_t max) {
  return part.size() >= min && part.size() <= max && All(part, IsAlpha);
}

bool Variant(std::string_view part) {
  if (!All(part, [](char c) { return IsAlpha(c) || IsDigit(c); })) return false;
  return (part.size() >= 5 && part.size() <= 8) || (part.size() == 4 && IsDigit(part[0]));
}

// Whether tag is prefix followed by a '-' and more (case-insensitive).
bool StartsWithTag(std::string_view tag, std::string_view prefix) {
  return tag.size() > prefix.size() && tag[prefix.size()] == '-' &&
         SameLanguageTag(tag.substr(0, prefix.size()), prefix);
}

}  // namespace

bool ValidLanguageTag(std::string_view text) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (true) {
    size_t dash = text.find('-', start);
    parts.push_back(text.substr(start, dash == std::string_view::npos ? std::string_view::npos : dash - start));
    if (dash == std::string_view::npos) break;
    start = dash + 1;
  }
  size_t i = 0;
  if (!Letters(parts[i], 2, 3) && !Letters(parts[i], 5, 8)) return false;
  ++i;
  if (i < parts.size() && Letters(parts[i], 4, 4)) ++i;
  if (i < parts.size() && (Letters(parts[i], 2, 2) || (parts[i].size() == 3 && All(parts[i], IsDigit)))) ++i;
  for (; i < parts.size(); ++i) {
    if (!Variant(parts[i])) return false;
  }
  return true;
}

bool SameLanguageTag(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

std::string ChooseLanguage(const std::vector<std::string>& preferred, const std::vector<std::string>& available,
                           const std::string& default_tag) {
  std::vector<const std::string*> candidates;
  if (!default_tag.empty()) candidates.push_back(&default_tag);
  for (const std::string& tag : available) candidates.push_back(&tag);
  for (const std::string& wanted : preferred) {
    const std::string* best = nullptr;
    for (const std::string* tag : candidates) {
      if (SameLanguageTag(wanted, *tag)) return *tag;
      if (StartsWithTag(wanted, *tag) && (!best || tag->size() > best->size())) best = tag;
    }
    if (best) return *best;
  }
  return default_tag;
}

}  // namespace orb
