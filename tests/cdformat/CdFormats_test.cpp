// The writers of menu.cfg, autorun.inf and autorun.des, checked byte for byte.
#include "cdformat/CdFormats.h"

#include <gtest/gtest.h>

#include "tests/support/CdExamples.h"

namespace orb {
namespace {

using examples::WorkedProject;

// The lines of a written file, without their CR LF ends.
std::vector<std::string> Lines(const std::string& data) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = data.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(data.substr(start, end - start));
  }
  EXPECT_EQ(start, data.size()) << "every line, the last included, ends with CR LF";
  return lines;
}

TEST(MenuCfgWriter, WorkedExampleByteForByte) {
  std::string written = MenuCfgForMenu(WorkedProject(), "C:\\MyCd\\");
  EXPECT_EQ(written, examples::kWorkedMenuCfg);
  EXPECT_EQ(Lines(written).size(), 19u);
}

TEST(MenuCfgWriter, SimpleModeIsTheSingleLineFalse) { EXPECT_EQ(MenuCfgForSimple(), "false\r\n"); }

TEST(MenuCfgWriter, PathsAreRelativeAndTrimmedButTextsAreKept) {
  ProjectData project = WorkedProject();
  project.RootFolder = "E:\\";
  project.CdTitle = " ?Shaped  ";
  project.BackgroundImage = "E:\\imgmusic\\menu.jpg ";
  project.SplashImage = "E:\\imgmusic\\splash.bmp";
  MenuSpot& spot = project.Spots[0];
  spot.Name = "  Start";
  spot.Action = 2;
  spot.Target = "  http://example.com/  ";
  spot.RolloverImage = "E:\\imgmusic\\over.gif";
  spot.X = -5;
  spot.MoveSound = "E:\\imgmusic\\move.wav";
  spot.ClickSound = "E:\\click.wav";
  spot.MousePointer = "E:\\imgmusic\\hand.cur";
  spot.VideoX = 15;
  spot.VideoY = 30;
  spot.VideoWidth = 4800;
  spot.VideoHeight = 3600;
  std::vector<std::string> lines = Lines(MenuCfgForMenu(project, "E:\\"));
  ASSERT_EQ(lines.size(), 19u);
  EXPECT_EQ(lines[1], "\\imgmusic\\menu.jpg");
  EXPECT_EQ(lines[2], " ?Shaped  ");
  EXPECT_EQ(lines[3], "\\imgmusic\\splash.bmp");
  EXPECT_EQ(lines[5], "  Start");
  EXPECT_EQ(lines[8], "  http://example.com/  ") << "only targets of actions 1 and 5 are paths";
  EXPECT_EQ(lines[10], "-5 ");
  EXPECT_EQ(lines[12], "\\imgmusic\\move.wav");
  EXPECT_EQ(lines[13], "\\click.wav");
  EXPECT_EQ(lines[14], "\\imgmusic\\hand.cur");
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 15, lines.end()),
            (std::vector<std::string>{" 15 ", " 30 ", " 4800 ", " 3600 "}));

  spot.Action = 5;
  spot.Target = "E:\\imgmusic\\intro.avi";
  EXPECT_EQ(Lines(MenuCfgForMenu(project, "E:\\"))[8], "\\imgmusic\\intro.avi");
}

TEST(MenuCfgWriter, ALineBreakInsideAValueCannotShiftTheLines) {
  ProjectData project = WorkedProject();
  project.CdTitle = "two\r\nlines";
  project.Spots[0].ToolTip = "a\nb";
  std::vector<std::string> lines = Lines(MenuCfgForMenu(project, "C:\\MyCd\\"));
  ASSERT_EQ(lines.size(), 19u);
  EXPECT_EQ(lines[2], "two  lines");
  EXPECT_EQ(lines[6], "a b");
}

TEST(MenuCfgWriter, EveryBlockHasFourteenLines) {
  ProjectData project = WorkedProject();
  for (int i = 0; i < 12; ++i) project.Spots.push_back(project.Spots[0]);
  std::vector<std::string> lines = Lines(MenuCfgForMenu(project, "C:\\MyCd\\"));
  EXPECT_EQ(lines[4], " 13 ");
  EXPECT_EQ(lines.size(), 5u + 14u * 13u);
}

TEST(CdRelativePath, RemovesTheRootButItsBackslash) {
  EXPECT_EQ(CdRelativePath("C:\\MyCd\\imgmusic\\back.jpg", "C:\\MyCd\\"), "\\imgmusic\\back.jpg");
  EXPECT_EQ(CdRelativePath("E:\\imgmusic\\menu.jpg", "E:\\"), "\\imgmusic\\menu.jpg");
  EXPECT_EQ(CdRelativePath("", "C:\\MyCd\\"), "");
  EXPECT_EQ(CdRelativePath("C:\\M", "C:\\MyCd\\"), "") << "a path shorter than the root gives nothing";
  EXPECT_EQ(CdRelativePath("C:\\cd\\ x.ico  ", "C:\\cd\\"), "\\ x.ico");
  EXPECT_EQ(CdRelativePathUntrimmed("C:\\cd\\ x.ico  ", "C:\\cd\\"), "\\ x.ico  ");
}

TEST(AutorunInfWriter, IconEntryPerMode) {
  EXPECT_EQ(AutorunInf(""), "[AutoRun]\r\nOPEN=Orbstart.exe\r\nIcon=Orbstart.exe\r\n");
  ProjectData project;
  EXPECT_EQ(AutorunInfForMenu(project, "E:\\"), AutorunInf(""));
  project.CdIcon = "E:\\imgmusic\\cd.ico ";
  EXPECT_EQ(AutorunInfForMenu(project, "E:\\"),
            "[AutoRun]\r\nOPEN=Orbstart.exe\r\nIcon=\\imgmusic\\cd.ico\r\n");

  SimpleAutorun simple;
  simple.AutorunIcon = "C:\\cd\\cd.ico";
  EXPECT_EQ(AutorunInfForSimple(simple, "C:\\cd\\"), "[AutoRun]\r\nOPEN=Orbstart.exe\r\nIcon=\\cd.ico\r\n");
  simple.AutorunIcon = "C:\\cd\\cd.ico ";
  EXPECT_EQ(AutorunInfForSimple(simple, "C:\\cd\\"), "[AutoRun]\r\nOPEN=Orbstart.exe\r\nIcon=\\cd.ico \r\n");
}

TEST(AutorunDesWriter, SimpleModeExample) {
  SimpleAutorun simple;
  simple.RootFolder = "C:\\cd\\";
  simple.StartProgram = "C:\\cd\\imgmusic\\demo.exe";
  simple.AutorunSound = "C:\\cd\\imgmusic\\intro.mp3";
  simple.CommandLine = " -fullscreen ";
  std::string slot = AutorunDes(AutorunEntriesForSimple(simple, "C:\\cd\\"));
  ASSERT_EQ(slot.size(), 616u);
  EXPECT_EQ(slot, examples::SimpleAutorunDes());
  EXPECT_EQ(slot.substr(12 + 48, 252), std::string(252, ' '));
  EXPECT_EQ(slot.substr(312), std::string(304, '\0'));
}

TEST(AutorunDesWriter, MenuModeHoldsOnlyTheSound) {
  ProjectData project;
  project.SoundFile = "C:\\MyCd\\imgmusic\\start.wav";
  std::string slot = AutorunDes(AutorunEntriesForMenu(project, "C:\\MyCd\\"));
  EXPECT_EQ(slot.substr(0, 12), std::string("\0\0\0\0\0\0\0\0\0\0\x13\0", 12));
  EXPECT_EQ(slot.substr(12, 300), "\\imgmusic\\start.wav" + std::string(281, ' '));
}

TEST(AutorunDesWriter, LongEntriesAreCutAtThreeHundredWithFullLengths) {
  AutorunEntries entries;
  entries.StartProgram = "\\" + std::string(289, 'p');
  entries.AutorunSound = "\\" + std::string(399, 's');
  entries.CommandLine = std::string(40000, 'c');
  std::string slot = AutorunDes(entries);
  ASSERT_EQ(slot.size(), 616u);
  EXPECT_EQ(slot.substr(2, 2), std::string("\x22\x01", 2));  // 290
  EXPECT_EQ(slot.substr(4, 2), std::string("\xff\x7f", 2)) << "a length past 16 bits stops at 32767";
  EXPECT_EQ(slot.substr(10, 2), std::string("\x90\x01", 2));  // 400
  EXPECT_EQ(slot.substr(12, 300), entries.StartProgram + "\\" + std::string(9, 's'));
  EXPECT_EQ(slot.substr(312), std::string(304, '\0'));
}

}  // namespace
}  // namespace orb
