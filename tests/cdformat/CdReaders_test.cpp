// The player's readers: what they take from well-formed files, and that bad files give one clear error.
#include "cdformat/CdReaders.h"

#include <gtest/gtest.h>

#include "tests/support/CdExamples.h"

namespace orb {
namespace {

// The worked example's lines, so a test can change one of them.
std::vector<std::string> WorkedLines() {
  std::vector<std::string> lines;
  LineReader reader(examples::kWorkedMenuCfg);
  for (std::string line; reader.Next(line);) lines.push_back(line);
  return lines;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string data;
  for (const std::string& line : lines) data += line + "\r\n";
  return data;
}

// Reads data expecting failure; returns the error.
FormatError ReadError(const std::string& data) {
  MenuConfig config;
  FormatError error;
  EXPECT_FALSE(ReadMenuConfig(data, "D:", "D:\\menu.cfg", config, error)) << data.substr(0, 80);
  EXPECT_TRUE(config.Spots.empty());
  return error;
}

MenuConfig Read(const std::string& data, const std::string& folder = "D:") {
  MenuConfig config;
  FormatError error;
  EXPECT_TRUE(ReadMenuConfig(data, folder, "menu.cfg", config, error)) << error.Text();
  return config;
}

TEST(MenuCfgReader, WorkedExampleFromDriveD) {
  MenuConfig config = Read(examples::kWorkedMenuCfg);
  EXPECT_TRUE(config.MenuMode);
  EXPECT_EQ(config.BackgroundPath, "D:\\imgmusic\\back.jpg");
  EXPECT_EQ(config.CdTitle, "My CD");
  EXPECT_EQ(config.SplashPath, "");
  ASSERT_EQ(config.SpotCount, 1);
  ASSERT_EQ(config.Spots.size(), 1u);
  const PlayerSpot& spot = config.Spots[0];
  EXPECT_EQ(spot.ToolTip, "Run setup");
  EXPECT_EQ(spot.Action, 1);
  EXPECT_EQ(spot.Target, "D:\\setup.exe");
  EXPECT_EQ(spot.RolloverImage, "D:\\imgmusic\\over.gif");
  EXPECT_EQ(spot.X, 1200);
  EXPECT_EQ(spot.Y, 900);
  EXPECT_EQ(spot.MoveSound, "");
  EXPECT_FALSE(spot.HasMoveSound);
  EXPECT_EQ(spot.ClickSound, "");
  EXPECT_EQ(spot.MousePointer, "");
  EXPECT_EQ(spot.VideoWidth, 0);

  EXPECT_EQ(Read(examples::kWorkedMenuCfg, "C:\\Program Files\\cd").Spots[0].Target,
            "C:\\Program Files\\cd\\setup.exe");
}

TEST(MenuCfgReader, OnlyTheExactLowerCaseTrueMeansMenuMode) {
  for (const char* first : {"True", "true ", "TRUE", "false", "", " true"}) {
    MenuConfig config = Read(std::string(first) + "\r\nnot read\r\n");
    EXPECT_FALSE(config.MenuMode) << first;
    EXPECT_TRUE(config.Spots.empty());
  }
  EXPECT_FALSE(Read("false").MenuMode) << "a last line without CR LF still counts";
}

TEST(MenuCfgReader, BlanksAroundPathsAndNumbersAreIgnoredButTitleAndTooltipKeepThem) {
  std::vector<std::string> lines = WorkedLines();
  lines[1] = "  \\imgmusic\\back.jpg  ";
  lines[2] = " My CD? ";
  lines[3] = " \\imgmusic\\splash.jpg ";
  lines[4] = "1";
  lines[6] = "  Run setup ";
  lines[8] = " \\setup.exe ";
  lines[10] = "1200";
  lines[11] = "   -900   ";
  MenuConfig config = Read(Join(lines));
  EXPECT_EQ(config.BackgroundPath, "D:\\imgmusic\\back.jpg");
  EXPECT_EQ(config.CdTitle, " My CD? ");
  EXPECT_EQ(config.SplashPath, "D:\\imgmusic\\splash.jpg");
  EXPECT_EQ(config.Spots[0].ToolTip, "  Run setup ");
  EXPECT_EQ(config.Spots[0].Target, "D:\\setup.exe");
  EXPECT_EQ(config.Spots[0].X, 1200);
  EXPECT_EQ(config.Spots[0].Y, -900);
}

TEST(MenuCfgReader, TextTargetsGetNoFolderAndOptionalPathsStayEmptyWhenBlank) {
  std::vector<std::string> lines = WorkedLines();
  lines[7] = " 2 ";
  lines[8] = "  http://example.com/ ";
  lines[12] = " \\imgmusic\\move.wav";
  lines[13] = "   ";
  lines[14] = "\\imgmusic\\hand.cur ";
  lines[15] = "";
  lines[16] = " 30 ";
  lines[17] = "   ";
  lines[18] = "3600";
  const PlayerSpot spot = Read(Join(lines)).Spots[0];
  EXPECT_EQ(spot.Target, "http://example.com/");
  EXPECT_EQ(spot.MoveSound, " \\imgmusic\\move.wav") << "kept as read; the menu window joins it";
  EXPECT_TRUE(spot.HasMoveSound);
  EXPECT_EQ(spot.ClickSound, "");
  EXPECT_EQ(spot.MousePointer, "D:\\imgmusic\\hand.cur");
  EXPECT_EQ(spot.VideoX, 0);
  EXPECT_EQ(spot.VideoY, 30);
  EXPECT_EQ(spot.VideoWidth, 0);
  EXPECT_EQ(spot.VideoHeight, 3600);
}

TEST(MenuCfgReader, MoveSoundsAreMarkedForEverySpotNotOnlyTheFirstTwelve) {
  std::vector<std::string> lines = WorkedLines();
  std::vector<std::string> block(lines.begin() + 5, lines.end());
  lines.resize(5);
  lines[4] = " 14 ";
  for (int i = 1; i <= 14; ++i) {
    block[7] = i == 13 ? "" : "\\imgmusic\\s" + std::to_string(i) + ".wav";
    lines.insert(lines.end(), block.begin(), block.end());
  }
  MenuConfig config = Read(Join(lines));
  ASSERT_EQ(config.Spots.size(), 14u);
  EXPECT_TRUE(config.Spots[11].HasMoveSound);
  EXPECT_FALSE(config.Spots[12].HasMoveSound);
  EXPECT_TRUE(config.Spots[13].HasMoveSound);
}

TEST(MenuCfgReader, LinesAfterTheLastBlockAreNeverRead) {
  MenuConfig config = Read(examples::kWorkedMenuCfg + "garbage\r\n\0\xff");
  EXPECT_EQ(config.Spots.size(), 1u);
}

TEST(MenuCfgReader, ErrorNamesFileLineAndWhatWasExpected) {
  std::vector<std::string> lines = WorkedLines();
  lines.resize(5);
  lines[4] = " 3 ";
  std::string two_blocks = Join(lines);
  for (int i = 0; i < 2; ++i)
    two_blocks += examples::kWorkedMenuCfg.substr(examples::kWorkedMenuCfg.find("Start"));
  FormatError error = ReadError(two_blocks);
  EXPECT_EQ(error.Text(), "D:\\menu.cfg, line 34: expected the name of spot 3, but the file ends before it");

  lines = WorkedLines();
  lines[11] = "9OO";
  EXPECT_EQ(ReadError(Join(lines)).Text(),
            "D:\\menu.cfg, line 12: expected the top edge of spot 1 (a whole number from -32768 to 32767), "
            "found \"9OO\"");
}

TEST(MenuCfgReader, EveryTruncationFailsAtTheLineThatIsMissing) {
  const std::string& full = examples::kWorkedMenuCfg;
  for (size_t cut = 0, line = 1; cut < full.size(); cut = full.find("\r\n", cut) + 2, ++line) {
    FormatError error = ReadError(full.substr(0, cut));
    EXPECT_EQ(error.line, static_cast<int>(line)) << error.Text();
    EXPECT_NE(error.message.find("file ends"), std::string::npos) << error.Text();
  }
}

TEST(MenuCfgReader, BadNumbersAreErrorsWhereverANumberBelongs) {
  struct Case {
    size_t line;  // 0-based
    std::string text;
  };
  const Case cases[] = {
      {4, "0"},         {4, "-1"},
      {4, ""},          {4, "32768"},
      {4, "one"},       {7, ""},
      {7, "1.5"},       {7, "99999"},
      {10, ""},         {10, "12 00"},
      {11, "\t900"},    {15, "x"},
      {18, "-32769"},   {4, std::string("1\0", 2)},
      {10, "\xb9\xb2"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> lines = WorkedLines();
    lines[c.line] = c.text;
    FormatError error = ReadError(Join(lines));
    EXPECT_EQ(error.line, static_cast<int>(c.line + 1)) << c.text;
    EXPECT_NE(error.message.find("expected"), std::string::npos) << error.Text();
  }
}

TEST(MenuCfgReader, HostileInputFailsCleanlyWithAShortMessage) {
  // A huge declared count over a short file fails at the first missing line without building spots.
  std::vector<std::string> lines = WorkedLines();
  lines[4] = " 32767 ";
  EXPECT_EQ(ReadError(Join(lines)).line, 20);

  // A 10 MB line where a number belongs is quoted only in part.
  lines = WorkedLines();
  lines[4] = std::string(10 * 1024 * 1024, '7');
  FormatError error = ReadError(Join(lines));
  EXPECT_EQ(error.line, 5);
  EXPECT_LT(error.Text().size(), 200u);

  // Control bytes in the quoted text are masked; ANSI letters pass, as UTF-8.
  lines[4] = std::string("\0\x01\xe9", 3);
  EXPECT_NE(ReadError(Join(lines)).message.find("\"??é\""), std::string::npos);

  // A 10 MB title, NUL bytes and bytes >= 0x80 are text like any other (Windows-1252, read as UTF-8).
  lines = WorkedLines();
  lines[2] = std::string(10 * 1024 * 1024, '\xe9');
  lines[6] = std::string("a\0b\x80", 4);
  MenuConfig config = Read(Join(lines));
  EXPECT_EQ(config.CdTitle.size(), 2u * 10 * 1024 * 1024);
  EXPECT_EQ(config.Spots[0].ToolTip, std::string("a\0b€", 6));
}

TEST(MenuCfgReader, AMenuOfTheMostSpotsIsFarInsideTheSizeLimit) {
  // Spots as the editor writes them, with ordinary file names under imgmusic.
  std::string data =
      "true\r\n\\imgmusic\\background.jpg\r\nWelcome to the CD\r\n\\imgmusic\\splash.gif\r\n 32767 \r\n";
  for (int i = 1; i <= 32767; ++i) {
    std::string n = std::to_string(i);
    data += "Spot " + n + "\r\nInstall the program number " + n + "\r\n 1 \r\n\\setup\\program" + n +
            ".exe\r\n\\imgmusic\\rollover" + n + ".gif\r\n " + std::to_string(i % 9000) + " \r\n 1200 \r\n" +
            "\\imgmusic\\move.wav\r\n\\imgmusic\\click.wav\r\n\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n";
  }
  EXPECT_GT(data.size(), 4000000u);
  EXPECT_LT(data.size() * 10, kMaxPlayerFileBytes);
  MenuConfig config = Read(data);
  ASSERT_EQ(config.Spots.size(), 32767u);
  EXPECT_EQ(config.Spots.back().RolloverImage, "D:\\imgmusic\\rollover32767.gif");
  EXPECT_NE(FileNotReadable("D:\\menu.cfg", FileRead::kTooLarge).Text().find("too large"), std::string::npos);
}

TEST(MenuCfgReader, LoneCrAndLfEndLinesToo) {
  std::string data = examples::kWorkedMenuCfg;
  std::string cr_only;
  for (char c : data) {
    if (c != '\n') cr_only += c;
  }
  EXPECT_EQ(Read(cr_only).Spots[0].Target, "D:\\setup.exe");
}

TEST(AutorunDesReader, SimpleModeExample) {
  AutorunRecord record = ReadAutorunDes(examples::SimpleAutorunDes());
  EXPECT_EQ(record.StartProgramLength, 18);
  EXPECT_EQ(record.AutorunSoundLength, 19);
  EXPECT_EQ(record.CommandLineLength, 11);
  EXPECT_EQ(record.StartProgram, "\\imgmusic\\demo.exe");
  EXPECT_EQ(record.AutorunSound, "\\imgmusic\\intro.mp3");
  EXPECT_EQ(record.CommandLine, "-fullscreen" + std::string(252, ' ')) << "filler blanks are part of it";
  EXPECT_EQ(PlayerPath("D:", record.StartProgram), "D:\\imgmusic\\demo.exe");
}

TEST(AutorunDesReader, MissingFileReadsAsZeros) {
  AutorunRecord record = ReadAutorunDes("");
  EXPECT_EQ(record.StartProgramLength, 0);
  EXPECT_EQ(record.StartProgram, "");
  EXPECT_EQ(record.AutorunSound, "");
  EXPECT_EQ(record.CommandLine, "");
}

TEST(AutorunDesReader, ReservedLengthMovesOnlyTheCommandLine) {
  std::string slot = examples::SimpleAutorunDes();
  slot[0] = 2;
  AutorunRecord record = ReadAutorunDes(slot);
  EXPECT_EQ(record.StartProgram, "\\imgmusic\\demo.exe");
  EXPECT_EQ(record.CommandLine, "ullscreen" + std::string(252, ' '));
}

TEST(AutorunDesReader, HostileLengthsAndShortFilesStayInBounds) {
  std::string slot = examples::SimpleAutorunDes();
  slot[2] = '\xff';
  slot[3] = '\xff';  // StartProgramLength -1
  AutorunRecord record = ReadAutorunDes(slot);
  EXPECT_EQ(record.StartProgram, "");
  EXPECT_EQ(record.AutorunSound, "\\imgmusic\\demo.exe\\");
  EXPECT_EQ(record.CommandLine, "\\imgmusic\\intro.mp3-fullscreen" + std::string(252, ' '));

  slot = examples::SimpleAutorunDes();
  slot[3] = 0x7f;  // StartProgramLength 32530
  slot[10] = 0;
  slot[11] = '\x80';  // AutorunSoundLength -32768
  record = ReadAutorunDes(slot);
  EXPECT_EQ(record.StartProgram.size(), 300u);
  EXPECT_EQ(record.AutorunSound, "");
  EXPECT_EQ(record.CommandLine, record.EntryText) << "a negative offset counts as 0";

  // Shorter than the record: missing length bytes are zeros, the entries end with the file.
  record = ReadAutorunDes(examples::SimpleAutorunDes().substr(0, 20));
  EXPECT_EQ(record.StartProgramLength, 18);
  EXPECT_EQ(record.StartProgram, "\\imgmusi");
  EXPECT_EQ(record.AutorunSound, "");
  EXPECT_EQ(record.CommandLine, "");
  record = ReadAutorunDes(examples::SimpleAutorunDes().substr(0, 3));
  EXPECT_EQ(record.StartProgramLength, 18);
  EXPECT_EQ(record.AutorunSoundLength, 0);
  EXPECT_EQ(record.EntryText, "");

  // Longer than a slot: only record 1 counts.
  record = ReadAutorunDes(examples::SimpleAutorunDes() + std::string(5000, 'x'));
  EXPECT_EQ(record.EntryText.size(), 300u);
}

TEST(AutorunInfReader, IconIsLineThreeFromItsSixthCharacter) {
  std::string icon;
  FormatError error;
  ASSERT_TRUE(
      ReadAutorunInfIcon("[AutoRun]\r\nOPEN=Orbstart.exe\r\nIcon=Orbstart.exe\r\n", "a", icon, error));
  EXPECT_EQ(icon, "Orbstart.exe");
  ASSERT_TRUE(ReadAutorunInfIcon("[AutoRun]\r\nOPEN=Orbstart.exe\r\nIcon=\\imgmusic\\cd.ico \r\nx", "a", icon,
                                 error));
  EXPECT_EQ(icon, "\\imgmusic\\cd.ico ");
  ASSERT_TRUE(ReadAutorunInfIcon("a\nb\nIcon", "a", icon, error));
  EXPECT_EQ(icon, "");
}

TEST(AutorunInfReader, FewerThanThreeLinesIsAnError) {
  std::string icon = "kept";
  FormatError error;
  EXPECT_FALSE(ReadAutorunInfIcon("[AutoRun]\r\nOPEN=Orbstart.exe\r\n", "D:\\autorun.inf", icon, error));
  EXPECT_EQ(error.Text(),
            "D:\\autorun.inf, line 3: expected the icon line \"Icon=...\", but the file ends before it");
  EXPECT_FALSE(ReadAutorunInfIcon("", "D:\\autorun.inf", icon, error));
  EXPECT_EQ(error.line, 1);
  EXPECT_EQ(icon, "kept");
}

}  // namespace
}  // namespace orb
