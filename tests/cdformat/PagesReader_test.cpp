// The player's reader of the further pages: what it takes from a good file, and one clear error with the
// right line for each kind of bad one.
#include "cdformat/PagesReader.h"

#include <gtest/gtest.h>

#include <vector>

namespace orb {
namespace {

// A spot's fourteen lines: a Go to Page (8) to `target`, or another action.
std::string SpotLines(const std::string& tip, int action, const std::string& target) {
  return "Name\r\n" + tip + "\r\n " + std::to_string(action) + " \r\n" + target +
         "\r\n\\imgmusic\\over.bmp\r\n 150 \r\n 300 \r\n\r\n\\click.wav\r\n\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n";
}

// Home, then Extras (two spots) and a shaped Docs (one spot).
std::string GoodPages() {
  return "Orbmenu pages 1\r\nStart\r\n 2 \r\n"
         "Extras\r\nMy Extras\r\n\\imgmusic\\extras.jpg \r\n 2 \r\n" +
         SpotLines("To the docs", 8, "docs") + SpotLines("Intro", 5, "\\intro.avi") +
         " Docs \r\n?Docs\r\n\\imgmusic\\docs.bmp\r\n 1 \r\n" + SpotLines("Back", 9, "");
}

TEST(PagesReader, ReadsEveryPageWithPathsJoinedAsInMenuCfg) {
  MenuConfig config;
  FormatError error;
  ASSERT_TRUE(ReadPagesConfig("\xEF\xBB\xBF" + GoodPages() + "later lines are never read\r\n", "D:",
                              "D:\\pages.cfg", config, error))
      << error.Text();
  EXPECT_EQ(config.PageName, "Start");
  ASSERT_EQ(config.Pages.size(), 2u);
  const PlayerPage& extras = config.Pages[0];
  EXPECT_EQ(extras.Name, "Extras");
  EXPECT_EQ(extras.Title, "My Extras");
  EXPECT_EQ(extras.BackgroundPath, "D:\\imgmusic\\extras.jpg");
  ASSERT_EQ(extras.Spots.size(), 2u);
  EXPECT_EQ(extras.Spots[0].Action, 8);
  EXPECT_EQ(extras.Spots[0].Target, "docs");  // a page's name, no folder in front
  EXPECT_EQ(extras.Spots[0].RolloverImage, "D:\\imgmusic\\over.bmp");
  EXPECT_EQ(extras.Spots[0].ClickSound, "D:\\click.wav");
  EXPECT_EQ(extras.Spots[1].Target, "D:\\intro.avi");
  EXPECT_EQ(config.Pages[1].Name, "Docs");
  EXPECT_EQ(config.Pages[1].Title, "?Docs");
  EXPECT_EQ(config.Pages[1].Spots[0].Action, 9);

  EXPECT_TRUE(SamePageName("docs", "DOCS"));
  EXPECT_FALSE(SamePageName("docs", "doc"));
}

// The file is UTF-8 and stays so; the player's folder is joined as it is.
TEST(PagesReader, KeepsTheFilesUtf8) {
  const std::string greek = "Σελίδα";
  std::string pages = GoodPages();
  pages.replace(pages.find("My Extras"), 9, greek);
  MenuConfig config;
  FormatError error;
  ASSERT_TRUE(ReadPagesConfig(pages, "D:\\α", "pages.cfg", config, error)) << error.Text();
  EXPECT_EQ(config.Pages[0].Title, greek);
  EXPECT_EQ(config.Pages[0].Spots[1].Target, "D:\\α\\intro.avi");
}

TEST(PagesReader, EachKindOfBadFileNamesItsLineAndKeepsNoPages) {
  const std::string good = GoodPages();
  auto cut = [&good](int lines) {
    size_t at = 0;
    for (int i = 0; i < lines; ++i) at = good.find("\r\n", at) + 2;
    return good.substr(0, at);
  };
  struct Case {
    std::string data;
    int line;
    const char* words;
  } cases[] = {
      {"", 1, "expected the version line \"Orbmenu pages 1\", but the file ends"},
      {"Orbmenu pages 3\r\nHome\r\n", 1, "another version (\"Orbmenu pages 3\")"},
      {"true\r\n", 1, "expected the version line \"Orbmenu pages 1\" as the first line"},
      {"Orbmenu pages 1\r\nHome\r\n 0 \r\n", 3, "the number of further pages (1 to 32767), found 0"},
      {"Orbmenu pages 1\r\nHome\r\n two \r\n", 3, "the number of further pages (a whole number"},
      {cut(5) + "\r\n", 6, "the background picture of page 2, found a blank line"},
      {cut(6) + " 0 \r\n", 7, "the number of spots of page 2 (1 to 32767), found 0"},
      {cut(7), 8, "expected the name of spot 1, but the file ends"},
      {cut(9) + "x\r\n", 10, "the action code of spot 1 (a whole number"},
      {cut(35), 36, "expected the name of page 3, but the file ends"},
  };
  for (const Case& c : cases) {
    MenuConfig config;
    config.Pages.resize(1);
    FormatError error;
    EXPECT_FALSE(ReadPagesConfig(c.data, "D:", "D:\\pages.cfg", config, error)) << c.words;
    EXPECT_EQ(error.file, "D:\\pages.cfg");
    EXPECT_EQ(error.line, c.line) << c.words << ": " << error.message;
    EXPECT_NE(error.message.find(c.words), std::string::npos) << error.message;
    EXPECT_TRUE(config.Pages.empty());
  }
}

}  // namespace
}  // namespace orb
