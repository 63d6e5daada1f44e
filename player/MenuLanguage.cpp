// The menu in one of its language versions; see MenuLanguage.h.
#include "player/MenuLanguage.h"

#include "common/LanguageTag.h"

namespace orb {
namespace {

// The field of `menu` a version's text replaces; null for a page or spot the menu lacks.
std::string* FieldOf(MenuConfig& menu, const LanguageText& text) {
  std::string* title = nullptr;
  std::string* background = nullptr;
  std::vector<PlayerSpot>* spots = nullptr;
  if (text.Page == 1) {
    title = &menu.CdTitle, background = &menu.BackgroundPath, spots = &menu.Spots;
  } else if (text.Page >= 2 && text.Page - 2 < static_cast<int>(menu.Pages.size())) {
    PlayerPage& page = menu.Pages[static_cast<size_t>(text.Page - 2)];
    title = &page.Title, background = &page.BackgroundPath, spots = &page.Spots;
  } else {
    return nullptr;
  }
  if (!IsSpotField(text.Field)) {
    if (text.Spot != 0) return nullptr;
    return text.Field == LanguageField::Title ? title : background;
  }
  if (text.Spot < 1 || text.Spot > static_cast<int>(spots->size())) return nullptr;
  PlayerSpot& spot = (*spots)[static_cast<size_t>(text.Spot - 1)];
  switch (text.Field) {
    case LanguageField::ToolTip: return &spot.ToolTip;
    case LanguageField::Rollover: return &spot.RolloverImage;
    default: return &spot.Target;
  }
}

}  // namespace

std::string ChooseMenuLanguage(const MenuConfig& menu, const std::vector<std::string>& preferred) {
  std::vector<std::string> tags;
  for (const LanguageVersion& version : menu.Languages) tags.push_back(version.Tag);
  return ChooseLanguage(preferred, tags, menu.DefaultLanguage);
}

std::string MenuLanguageTag(const MenuConfig& menu, std::string_view tag) {
  if (tag.empty()) return {};
  if (SameLanguageTag(tag, menu.DefaultLanguage)) return menu.DefaultLanguage;
  for (const LanguageVersion& version : menu.Languages) {
    if (SameLanguageTag(tag, version.Tag)) return version.Tag;
  }
  return {};
}

MenuConfig MenuInLanguage(const MenuConfig& menu, std::string_view tag) {
  MenuConfig shown = menu;
  if (tag.empty() || SameLanguageTag(tag, menu.DefaultLanguage)) return shown;
  for (const LanguageVersion& version : menu.Languages) {
    if (!SameLanguageTag(tag, version.Tag)) continue;
    for (const LanguageText& text : version.Texts) {
      std::string* field = FieldOf(shown, text);
      // A page needs its background and a spot its rollover picture: an empty one would end the menu, so
      // the default's picture stays, as for a picture the version does not give.
      bool picture = text.Field == LanguageField::Background || text.Field == LanguageField::Rollover;
      if (field && !(picture && text.Value.empty())) *field = text.Value;
    }
    break;
  }
  return shown;
}

bool IsRightToLeft(std::string_view tag) {
  std::vector<std::string_view> parts;
  while (!tag.empty()) {
    size_t dash = tag.find('-');
    parts.push_back(tag.substr(0, dash));
    tag.remove_prefix(dash == std::string_view::npos ? tag.size() : dash + 1);
  }
  if (parts.empty()) return false;
  // A script subtag decides where one is given ("az-Arab" is; "ks-Deva" is not).
  if (parts.size() > 1 && parts[1].size() == 4) {
    for (std::string_view script : {"arab", "hebr", "syrc", "thaa", "nkoo", "adlm"}) {
      if (SameLanguageTag(parts[1], script)) return true;
    }
    return false;
  }
  for (std::string_view language : {"ar", "he", "iw", "fa", "ur", "ps", "yi", "sd", "ug", "dv", "ckb", "syr"}) {
    if (SameLanguageTag(parts[0], language)) return true;
  }
  return false;
}

}  // namespace orb
