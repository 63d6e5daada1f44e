// The pages text's version 2 from the writer to the player's reader: the language versions of a menu,
// their texts in UTF-8 and their paths joined with the player's folder.
#include "cdformat/PagesText.h"

#include <gtest/gtest.h>

#include "cdformat/CdFormats.h"
#include "cdformat/PagesReader.h"
#include "common/Utf16.h"
#include "tests/support/CdExamples.h"

namespace orb {
namespace {

// Text Windows-1252 lacks: menu.cfg and autorun.des hold "?", pages.cfg (version 2, even for one page) the
// true text, which the player reads in their place; autorun.inf turns UTF-16. A text that fits stays as
// its bytes were, and a file without the true texts still reads.
TEST(PagesText, TrueTextsReplaceTheFallbacksOfMenuCfgAndAutorunFiles) {
  ProjectData project = examples::WorldProject();
  project.SoundFile = "C:\\MyCd\\ようこそ.wav";
  const std::string root = "C:\\MyCd\\";
  const std::string menu = MenuCfgForMenu(project, root);
  EXPECT_NE(menu.find("\r\n\\???.bmp\r\n??????\r\n"), std::string::npos) << menu;
  EXPECT_NE(menu.find("\r\n? Start\r\n?????\r\n"), std::string::npos) << menu;
  EXPECT_NE(menu.find("\\caf\xE9.wav"), std::string::npos);  // fits: Windows-1252 bytes, no true text
  EXPECT_TRUE(WritesPagesCfg(project, root));
  AutorunEntries entries = AutorunEntriesForMenu(project, root);
  EXPECT_EQ(entries.AutorunSound, "\\????.wav");

  const std::string pages = PagesText(project, root, PagesPathForm::CdRoot);
  EXPECT_EQ(pages.rfind("Orbmenu pages 2\r\nHome\r\n 0 \r\n\r\n 0 \r\nTexts outside the code page\r\n 6 \r\n", 0), 0u)
      << pages;
  MenuConfig config;
  FormatError error;
  ASSERT_TRUE(ReadMenuConfig(menu, "D:", "menu.cfg", config, error)) << error.Text();
  EXPECT_EQ(config.CdTitle, "??????");
  ASSERT_TRUE(ReadPagesConfig(pages, "D:", "pages.cfg", config, error)) << error.Text();
  EXPECT_EQ(config.CdTitle, "Σελίδα");
  EXPECT_EQ(config.BackgroundPath, "D:\\日本語.bmp");
  EXPECT_EQ(config.Spots[0].ToolTip, "تشغيل");
  EXPECT_EQ(config.Spots[0].Target, "D:\\ファイル.txt");
  EXPECT_EQ(config.Spots[0].ClickSound, "D:\\café.wav");
  EXPECT_EQ(config.StartSound, "\\ようこそ.wav");
  EXPECT_TRUE(config.Pages.empty());

  // Version 2 written before the true texts existed still reads, its trailing lines unread.
  ASSERT_TRUE(ReadPagesConfig("Orbmenu pages 2\r\nHome\r\n 0 \r\n\r\n 0 \r\nlater\r\n", "D:", "pages.cfg",
                              config, error));

  const std::string inf = AutorunInfForMenu(project, root);
  ASSERT_EQ(inf.substr(0, 4), std::string("\xFF\xFE[\0", 4));
  std::string icon;
  ASSERT_TRUE(ReadAutorunInfIcon(inf, "autorun.inf", icon, error)) << error.Text();
  EXPECT_EQ(icon, "\\Εικόνα.ico");
  EXPECT_NE(inf.find(Utf8ToUtf16Le("\r\nlabel=Σελίδα\r\n")), std::string::npos) << "the title names the drive";
  project.CdIcon = "C:\\MyCd\\café.ico";
  EXPECT_EQ(AutorunInfForMenu(project, root).substr(0, 2), "\xFF\xFE") << "a title outside the code page alone";
  project.CdTitle = "Café";
  EXPECT_EQ(AutorunInfForMenu(project, root), "[AutoRun]\r\nOPEN=Orbstart.exe\r\nIcon=\\caf\xE9.ico\r\n");
  ASSERT_TRUE(ReadAutorunInfIcon(AutorunInfForMenu(project, root), "autorun.inf", icon, error));
  EXPECT_EQ(icon, "\\café.ico");
}

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
