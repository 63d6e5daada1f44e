// A project's language versions; see LanguageVersions.h.
#include "project/LanguageVersions.h"

#include <algorithm>

#include "cdformat/PagesFormat.h"
#include "common/LanguageTag.h"
#include "common/TextLines.h"

namespace orb {

namespace {

struct PageRef {
  std::string* title;
  std::string* background;
  std::vector<MenuSpot>* spots;
};

bool FindPage(ProjectData& p, int page, PageRef& ref) {
  if (page == 1) {
    ref = {&p.CdTitle, &p.BackgroundImage, &p.Spots};
    return true;
  }
  if (page < 2 || page > static_cast<int>(p.Pages.size()) + 1) return false;
  MenuPage& further = p.Pages[static_cast<size_t>(page - 2)];
  ref = {&further.CdTitle, &further.BackgroundImage, &further.Spots};
  return true;
}

std::string* FieldOf(ProjectData& p, const LanguageText& text) {
  PageRef page;
  if (!FindPage(p, text.Page, page)) return nullptr;
  if (!IsSpotField(text.Field)) {
    if (text.Spot != 0) return nullptr;
    return text.Field == LanguageField::Title ? page.title : page.background;
  }
  if (text.Spot < 1 || text.Spot > static_cast<int>(page.spots->size())) return nullptr;
  MenuSpot& spot = (*page.spots)[static_cast<size_t>(text.Spot - 1)];
  switch (text.Field) {
    case LanguageField::ToolTip: return &spot.ToolTip;
    case LanguageField::Rollover: return &spot.RolloverImage;
    default: return &spot.Target;
  }
}

bool Gives(const LanguageVersion& version, LanguageField field, int page, int spot) {
  return std::any_of(version.Texts.begin(), version.Texts.end(), [&](const LanguageText& t) {
    return t.Field == field && t.Page == page && t.Spot == spot;
  });
}

}  // namespace

ProjectData WithLanguage(const ProjectData& project, const std::string& tag) {
  ProjectData shown = project;
  for (const LanguageVersion& version : project.Languages) {
    if (!SameLanguageTag(version.Tag, tag)) continue;
    for (const LanguageText& text : version.Texts) {
      if (std::string* field = FieldOf(shown, text)) *field = text.Value;
    }
    break;
  }
  return shown;
}

std::vector<MissingTexts> MissingLanguageTexts(const ProjectData& project) {
  std::vector<MissingTexts> all;
  ProjectData p = project;  // FieldOf hands out fields to write; nothing is written here
  for (const LanguageVersion& version : project.Languages) {
    MissingTexts& lacks = all.emplace_back();
    lacks.tag = version.Tag;
    auto check = [&](LanguageField field, int page, int spot) {
      std::string* value = FieldOf(p, {field, page, spot, {}});
      // A spot without a rollover holds the root folder itself, as the project file reads it.
      if (!value || TrimBlanks(*value).empty() || *value == project.RootFolder) return;
      if (!Gives(version, field, page, spot))
        lacks.missing.push_back({field, page, spot, {}});
    };
    for (int page = 1; page <= static_cast<int>(p.Pages.size()) + 1; ++page) {
      PageRef ref;
      FindPage(p, page, ref);
      check(LanguageField::Title, page, 0);
      check(LanguageField::Background, page, 0);
      for (int spot = 1; spot <= static_cast<int>(ref.spots->size()); ++spot) {
        check(LanguageField::ToolTip, page, spot);
        check(LanguageField::Rollover, page, spot);
      }
    }
  }
  return all;
}

const char* LanguageFieldName(LanguageField field) {
  int index = static_cast<int>(field);
  return index >= 0 && index < kLanguageFieldCount ? kLanguageFieldKeywords[index] : "";
}

bool LanguageFieldFromName(const std::string& name, LanguageField& field) {
  for (int index = 0; index < kLanguageFieldCount; ++index) {
    if (name == kLanguageFieldKeywords[index]) {
      field = static_cast<LanguageField>(index);
      return true;
    }
  }
  return false;
}

std::string LanguageTextLabel(const LanguageText& text) {
  std::string label = std::string("the ") + LanguageFieldName(text.Field) + " of ";
  if (IsSpotField(text.Field)) label += "spot " + std::to_string(text.Spot) + " of ";
  return label + "page " + std::to_string(text.Page);
}

void LanguagesRemoveSpot(ProjectData& project, int page, int spot) {
  for (LanguageVersion& version : project.Languages) {
    std::vector<LanguageText>& texts = version.Texts;
    texts.erase(std::remove_if(texts.begin(), texts.end(),
                               [&](const LanguageText& t) { return t.Page == page && t.Spot == spot; }),
                texts.end());
    for (LanguageText& t : texts) {
      if (t.Page == page && t.Spot > spot) --t.Spot;
    }
  }
}

void LanguagesRemovePage(ProjectData& project, int page) {
  for (LanguageVersion& version : project.Languages) {
    std::vector<LanguageText>& texts = version.Texts;
    texts.erase(std::remove_if(texts.begin(), texts.end(), [&](const LanguageText& t) { return t.Page == page; }),
                texts.end());
    for (LanguageText& t : texts) {
      if (t.Page > page) --t.Page;
    }
  }
}

void LanguagesSwapPages(ProjectData& project, int a, int b) {
  for (LanguageVersion& version : project.Languages) {
    for (LanguageText& t : version.Texts) {
      if (t.Page == a)
        t.Page = b;
      else if (t.Page == b)
        t.Page = a;
    }
  }
}

}  // namespace orb
