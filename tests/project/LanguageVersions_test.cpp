// Language versions in the model: the project as a version shows it, what a version leaves to the default,
// and the versions' texts following the pages and spots they name.
#include "project/LanguageVersions.h"

#include <gtest/gtest.h>

#include "tests/support/CdExamples.h"

namespace orb {
namespace {

TEST(LanguageVersions, AVersionShowsItsTextsAndFallsBackForTheRest) {
  const ProjectData project = examples::LanguageProject();
  ProjectData ja = WithLanguage(project, "JA");
  EXPECT_EQ(ja.Pages[0].CdTitle, "おまけ ?");
  EXPECT_EQ(ja.Pages[0].BackgroundImage, "C:\\MyCd\\imgmusic\\extras-ja.jpg");
  EXPECT_EQ(ja.Pages[0].Spots[0].ToolTip, "紹介ビデオ 🎬");
  EXPECT_EQ(ja.Pages[0].Spots[0].Target, "C:\\MyCd\\imgmusic\\intro-ja.avi");
  EXPECT_EQ(ja.CdTitle, "My CD");  // not given: the default's
  EXPECT_EQ(WithLanguage(project, "ar").Spots[0].RolloverImage, "C:\\MyCd\\imgmusic\\over-ar.gif");
  // The default, an unknown tag and a text naming no spot change nothing.
  EXPECT_EQ(WithLanguage(project, "el"), project);
  EXPECT_EQ(WithLanguage(project, "fr"), project);
  ProjectData stray = project;
  stray.Languages[2].Texts.push_back({LanguageField::ToolTip, 9, 1, "x"});
  stray.Languages[2].Texts.push_back({LanguageField::ToolTip, 1, 40, "x"});
  stray.Languages[2].Texts.push_back({LanguageField::Title, 1, 2, "x"});
  EXPECT_EQ(WithLanguage(stray, "de").CdTitle, "Meine CD 😀");
  EXPECT_EQ(WithLanguage(stray, "de").Spots, WithLanguage(project, "de").Spots);
}

TEST(LanguageVersions, MissingTextsAreThoseTheDefaultGivesAndTheVersionDoesNot) {
  ProjectData project = examples::LanguageProject();
  project.Spots[0].ToolTip = "";  // nothing to translate there
  std::vector<MissingTexts> missing = MissingLanguageTexts(project);
  ASSERT_EQ(missing.size(), 3u);
  EXPECT_EQ(missing[1].tag, "ar");
  std::vector<std::string> labels;
  for (const LanguageText& text : missing[1].missing) labels.push_back(LanguageTextLabel(text));
  // Page 1's background, not its empty tooltip nor the rollover ar gives; then every page's texts.
  ASSERT_GE(labels.size(), 4u);
  EXPECT_EQ(labels[0], "the title of page 1");
  EXPECT_EQ(labels[1], "the background of page 1");
  EXPECT_EQ(labels[2], "the rollover of spot 2 of page 1");
  EXPECT_EQ(std::count(labels.begin(), labels.end(), "the title of page 2"), 1);
  EXPECT_EQ(std::count(labels.begin(), labels.end(), "the tooltip of spot 1 of page 1"), 0);
  for (const LanguageText& text : missing[0].missing) EXPECT_NE(LanguageTextLabel(text), "the title of page 2");
}

TEST(LanguageVersions, TextsFollowTheirPagesAndSpotsThroughTheModel) {
  ProjectData project = examples::LanguageProject();
  project.Languages[0].Texts.push_back({LanguageField::Title, 3, 0, "資料"});
  ProjectModel model;
  model.ReplaceWhole(project, "menu.obm");
  // Docs moves up before Extras: the versions' pages swap with them.
  ASSERT_TRUE(model.MovePage(3, -1));
  EXPECT_EQ(model.Data().Languages[0].Texts[0].Page, 3);
  EXPECT_EQ(model.Data().Languages[0].Texts[4].Page, 2);
  EXPECT_EQ(WithLanguage(model.Data(), "ja").Pages[1].CdTitle, "おまけ ?");
  ASSERT_TRUE(model.MovePage(2, 1));
  // Removing page 1's spot 1 drops ar's texts of it; de's target of spot 2 becomes spot 1's.
  ASSERT_TRUE(model.RemoveSpot(1));
  EXPECT_TRUE(model.Data().Languages[1].Texts.empty());
  EXPECT_EQ(model.Data().Languages[2].Texts[1], (LanguageText{LanguageField::Target, 1, 1, "Extras"}));
  // Deleting Extras drops ja's texts of it; Docs' title moves up with its page.
  ASSERT_TRUE(model.DeletePage(2));
  EXPECT_EQ(model.Data().Languages[0].Texts, (std::vector<LanguageText>{{LanguageField::Title, 2, 0, "資料"}}));
  EXPECT_EQ(model.Data().Languages[2].Texts.size(), 2u);
}

}  // namespace
}  // namespace orb
