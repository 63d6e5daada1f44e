// Paths in messages: short ones as they are, long ones cut to the start, an ellipsis and the file name.
#include "common/MessagePath.h"

#include <gtest/gtest.h>

#include "common/TextLines.h"

namespace orb {
namespace {

TEST(MessagePath, PathsUpToTheLimitStayAsTheyAre) {
  EXPECT_EQ(MessagePath("D:\\imgmusic\\back.jpg"), "D:\\imgmusic\\back.jpg");
  std::string at_limit = "D:\\" + std::string(kMessagePathLimit - 3, 'a');
  EXPECT_EQ(MessagePath(at_limit), at_limit);
}

TEST(MessagePath, LongPathsKeepTheirStartAndFileName) {
  std::string path = "D:\\" + std::string(10 * 1024 * 1024, 'x') + "\\imgmusic\\over.gif";
  std::string shown = MessagePath(path);
  EXPECT_EQ(shown.size(), kMessagePathLimit);
  EXPECT_EQ(shown.rfind("D:\\xxx", 0), 0u);
  EXPECT_EQ(shown.substr(shown.size() - 12), "...\\over.gif");

  // A file name too long on its own keeps its end (the extension) and still some of the start.
  std::string name = "D:\\imgmusic\\" + std::string(5000, 'n') + ".gif";
  shown = MessagePath(name);
  EXPECT_EQ(shown.size(), kMessagePathLimit);
  EXPECT_EQ(shown.rfind("D:\\imgmusic\\", 0), 0u);
  EXPECT_EQ(shown.substr(shown.size() - 8), "nnnn.gif");
  EXPECT_NE(shown.find("..."), std::string::npos);

  // Forward slashes separate names too (paths of the command line tool).
  shown = MessagePath("/tmp/" + std::string(400, 'd') + "/menu.cfg");
  EXPECT_EQ(shown.substr(shown.size() - 12), ".../menu.cfg");
}

TEST(MessagePath, LongNamesOutsideAsciiAreCutBetweenCharacters) {
  // Three bytes a character: the limit counts characters, and no character is cut in two.
  std::string folder, name;
  for (int i = 0; i < 200; ++i) folder += "\xe6\x97\xa5";
  for (int i = 0; i < 300; ++i) name += "\xce\xa3";
  std::string shown = MessagePath("D:\\" + folder + "\\" + name + ".bmp");
  EXPECT_EQ(shown.rfind("D:\\\xe6\x97\xa5", 0), 0u);
  EXPECT_EQ(shown.substr(shown.size() - 6), "\xce\xa3.bmp");
  size_t dots = shown.find("...");
  ASSERT_NE(dots, std::string::npos);
  EXPECT_EQ((dots - 3) % 3, 0u) << "the folder was cut inside a character";
  EXPECT_EQ((shown.size() - dots - 3 - 4) % 2, 0u) << "the name was cut inside a character";
  size_t characters = 3 + (dots - 3) / 3 + 3 + (shown.size() - dots - 3 - 4) / 2 + 4;
  EXPECT_EQ(characters, kMessagePathLimit);
  std::string at_limit = "D:\\" + folder.substr(0, 3 * (kMessagePathLimit - 3));
  EXPECT_EQ(MessagePath(at_limit), at_limit);
  // Broken UTF-8, a run of continuation bytes: counted a character each four, never swallowed whole.
  EXPECT_EQ(FirstCharacters(std::string(4000, '\x9a'), 40).size(), 160u);
}

TEST(MessagePath, ControlBytesShowAsQuestionMarks) {
  // A NUL would end the message box's text before the problem is named.
  EXPECT_EQ(MessagePath(std::string("D:\\a\0b\x07\xe9.bmp", 12)), "D:\\a?b?\xe9.bmp");
}

TEST(MessagePath, FileErrorsNameALongFileReadably) {
  FormatError error{"D:\\" + std::string(10 * 1024 * 1024, 'p') + "\\menu.cfg", 3, "expected the menu title"};
  std::string text = error.Text();
  EXPECT_LT(text.size(), kMessagePathLimit + 40);
  EXPECT_NE(text.find("...\\menu.cfg, line 3: expected the menu title"), std::string::npos)
      << text.substr(0, 300);
}

}  // namespace
}  // namespace orb
