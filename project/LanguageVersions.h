// A project's language versions: the project as a version shows it, what each version leaves to the
// default language, and the versions' texts following the pages and spots they name when those move.
#pragma once

#include <string>
#include <vector>

#include "project/ProjectModel.h"

namespace orb {

// The project as the version of that tag shows it: each of its texts in place of the default's. The project
// itself for the default tag or a tag it has no version of; a text naming no page or spot changes nothing.
ProjectData WithLanguage(const ProjectData& project, const std::string& tag);

// What one version leaves to the default language: the page titles and spot tooltips the default gives and
// the version does not, and likewise the backgrounds and rollover pictures (entries without a value).
struct MissingTexts {
  std::string tag;
  std::vector<LanguageText> missing;
};
std::vector<MissingTexts> MissingLanguageTexts(const ProjectData& project);

// "the title of page 2", "the tooltip of spot 3 of page 1": a version's text as messages name it.
std::string LanguageTextLabel(const LanguageText& text);
// "title", "background", "tooltip", "rollover", "target": the word files and JSON use for a field.
const char* LanguageFieldName(LanguageField field);
// The field of that word; false for a word of no field.
bool LanguageFieldFromName(const std::string& name, LanguageField& field);

// The versions' texts after a page or spot changed place: a removed one's texts go, the ones after it
// move up; swapped pages swap their texts. Pages and spots are 1-based as in LanguageText.
void LanguagesRemoveSpot(ProjectData& project, int page, int spot);
void LanguagesRemovePage(ProjectData& project, int page);
void LanguagesSwapPages(ProjectData& project, int a, int b);

}  // namespace orb
