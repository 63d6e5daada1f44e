// The pages text's version 2 from the writer to the player's reader: the language versions of a menu,
// their texts in UTF-8 and their paths joined with the player's folder.
#include "cdformat/PagesText.h"

#include <gtest/gtest.h>

#include "cdformat/CdFormats.h"
#include "cdformat/PagesReader.h"
#include "tests/support/CdExamples.h"

namespace orb {
namespace {

TEST(PagesText, Version2AddsTheLanguageVersionsWithPathsWhereTheyArePaths) {
  ProjectData project = examples::LanguageProject();
  MenuConfig config;
  FormatError error;
  ASSERT_TRUE(ReadMenuConfig(MenuCfgForMenu(project, "C:\\MyCd\\"), "D:", "menu.cfg", config, error));
  ASSERT_TRUE(ReadPagesConfig(PagesText(project, "C:\\MyCd\\", PagesPathForm::CdRoot), "D:", "pages.cfg",
                              config, error))
      << error.Text();
  EXPECT_EQ(config.Pages.size(), 2u);
  EXPECT_EQ(config.Pages[0].Title, "Επιπλέον ?");
  EXPECT_EQ(config.DefaultLanguage, "el");
  ASSERT_EQ(config.Languages.size(), 3u);
  EXPECT_EQ(config.Languages[0].Texts[1].Value, "D:\\imgmusic\\extras-ja.jpg");
  EXPECT_EQ(config.Languages[0].Texts[2].Value, "紹介ビデオ 🎬");
  EXPECT_EQ(config.Languages[0].Texts[3].Value, "D:\\imgmusic\\intro-ja.avi");  // a Play Video target
  EXPECT_EQ(config.Languages[1].Texts[0].Value, "تشغيل الإعداد");
  EXPECT_EQ(config.Languages[1].Texts[1], (LanguageText{LanguageField::Rollover, 1, 1, "D:\\imgmusic\\over-ar.gif"}));
  EXPECT_EQ(config.Languages[2].Texts[1], (LanguageText{LanguageField::Target, 1, 2, "Extras"}));  // a page's name

  // Version 2 may hold no further page: a one-page menu's languages; a later version is still refused.
  ASSERT_TRUE(ReadPagesConfig("Orbmenu pages 2\r\nHome\r\n 0 \r\nen\r\n 1 \r\nde\r\n 0 \r\n", "D:", "pages.cfg",
                              config, error))
      << error.Text();
  EXPECT_TRUE(config.Pages.empty());
  EXPECT_EQ(config.Languages, (std::vector<LanguageVersion>{{"de", {}}}));
  EXPECT_FALSE(ReadPagesConfig("Orbmenu pages 2\r\nHome\r\n 0 \r\nen\r\n 1 \r\nde\r\n 1 \r\nsubtitle 1\r\nx\r\n",
                               "D:", "pages.cfg", config, error));
  EXPECT_EQ(error.line, 8);
  EXPECT_TRUE(config.Languages.empty());
}

}  // namespace
}  // namespace orb
