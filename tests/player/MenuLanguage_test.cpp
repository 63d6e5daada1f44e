// The version the player shows for the user's preferred languages, and the menu as a version shows it.
#include "player/MenuLanguage.h"

#include <gtest/gtest.h>

namespace orb {
namespace {

// Two pages of two spots each, in English, with German, Portuguese and Traditional Chinese versions.
MenuConfig Menu() {
  MenuConfig m;
  m.MenuMode = true;
  m.CdTitle = "Home";
  m.BackgroundPath = "D:\\home.jpg";
  m.Spots.resize(2);
  m.Spots[0].ToolTip = "Intro", m.Spots[0].RolloverImage = "D:\\a.bmp", m.Spots[0].Target = "D:\\intro.pdf";
  m.Pages.push_back({"Extras", "Extras", "D:\\extras.jpg", std::vector<PlayerSpot>(2)});
  m.Pages[0].Spots[1].ToolTip = "Back";
  m.DefaultLanguage = "en";
  using F = LanguageField;
  m.Languages = {{"de",
                  {{F::Title, 1, 0, "Start"},
                   {F::ToolTip, 2, 2, "Zurück"},
                   {F::Target, 1, 1, "D:\\de\\intro.pdf"},
                   {F::Rollover, 1, 1, ""},    // an empty picture leaves the default's
                   {F::ToolTip, 3, 1, "x"},    // no page 3
                   {F::ToolTip, 2, 3, "x"},    // no spot 3 on page 2
                   {F::Title, 1, 1, "x"}}},    // a page's field with a spot
                 {"pt", {{F::Title, 1, 0, "Início"}}},
                 {"zh-Hant", {{F::Title, 1, 0, "首頁"}}}};
  return m;
}

TEST(MenuLanguage, ThePreferredLanguagesInOrderChooseTheVersionElseTheDefault) {
  const MenuConfig m = Menu();
  EXPECT_EQ(ChooseMenuLanguage(m, {"pt-BR", "de"}), "pt");  // the version the preferred tag extends
  EXPECT_EQ(ChooseMenuLanguage(m, {"zh-Hant-TW"}), "zh-Hant");
  EXPECT_EQ(ChooseMenuLanguage(m, {"fr-FR", "DE-at"}), "de");  // the next preferred language
  EXPECT_EQ(ChooseMenuLanguage(m, {"en-GB", "de"}), "en");     // the default is a language too
  EXPECT_EQ(ChooseMenuLanguage(m, {"ja-JP"}), "en");
  EXPECT_EQ(ChooseMenuLanguage(m, {}), "en");
  EXPECT_EQ(ChooseMenuLanguage(MenuConfig{}, {"de"}), "");  // a menu without versions

  EXPECT_EQ(MenuLanguageTag(m, "DE"), "de");
  EXPECT_EQ(MenuLanguageTag(m, "EN"), "en");
  EXPECT_EQ(MenuLanguageTag(m, "de-AT"), "");  // a switch names its version exactly
  EXPECT_EQ(MenuLanguageTag(MenuConfig{}, ""), "");
}

TEST(MenuLanguage, AVersionReplacesWhatItGivesAndLeavesTheRest) {
  const MenuConfig m = Menu();
  const MenuConfig de = MenuInLanguage(m, "de");
  EXPECT_EQ(de.CdTitle, "Start");
  EXPECT_EQ(de.Pages[0].Spots[1].ToolTip, "Zurück");
  EXPECT_EQ(de.Spots[0].Target, "D:\\de\\intro.pdf");
  EXPECT_EQ(de.Spots[0].RolloverImage, "D:\\a.bmp");
  // Everything else as the default, where the texts naming no page or spot would have gone included.
  EXPECT_EQ(de.Spots[0].ToolTip, "Intro");
  EXPECT_EQ(de.Pages[0].Title, "Extras");
  EXPECT_EQ(de.Pages[0].Spots[0].ToolTip, "");
  EXPECT_EQ(MenuInLanguage(m, "en").CdTitle, "Home");
  EXPECT_EQ(MenuInLanguage(m, "fr").CdTitle, "Home");
}

TEST(MenuLanguage, ArabicHebrewAndPersianReadRightToLeft) {
  for (const char* tag : {"ar", "ar-EG", "HE-il", "fa-IR", "ur", "az-Arab", "iw"}) EXPECT_TRUE(IsRightToLeft(tag)) << tag;
  for (const char* tag : {"", "en", "de-AT", "ja", "ar-Latn", "arn", "hr"}) EXPECT_FALSE(IsRightToLeft(tag)) << tag;
}

}  // namespace
}  // namespace orb
