// The 1.x conversion: line mapping, renumbered actions, file names, and files it must refuse.
#include "project/LegacyConverter.h"

#include <gtest/gtest.h>

#include "project/ProjectFile.h"
#include "tests/support/FakeFileSystem.h"

namespace orb {
namespace {

// A 1.x file with two spots: actions 0 and 4, paths inside and outside the root.
const char kOld[] =
    " C:\\Old\\ \r\n Old CD \r\nC:\\Old\\cd.ico\r\nC:\\Old\\intro.wav\r\nC:\\Old\\back.jpg\r\n2\r\n"
    "C:\\Old\\ Setup\r\ntip\r\n 0 \r\nC:\\Old\\setup.exe\r\nC:\\Old\\over1.gif\r\n 120 \r\n 45 "
    "\r\nC:\\Old\\m.wav\r\n\r\n"
    "Quit\r\n\r\n4\r\nD:\\elsewhere.txt\r\nC:\\Old\\over2.gif\r\n-1\r\n0\r\n\r\nC:\\Old\\c.wav\r\n"
    "ignored\r\n";

const char kNew[] =
    "C:\\Old\\\r\n Old CD \r\ncd.ico\r\nintro.wav\r\nback.jpg\r\n\r\n2\r\n"
    " Setup\r\ntip\r\n1\r\nsetup.exe\r\nover1.gif\r\n 120 \r\n 45 \r\nm.wav\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
    "Quit\r\n\r\n6\r\nD:\\elsewhere.txt\r\nover2.gif\r\n-1\r\n0\r\n\r\nc.wav\r\n\r\n\r\n\r\n\r\n\r\n";

std::string Convert(const std::string& old_text) {
  std::string out;
  FormatError error;
  EXPECT_TRUE(ConvertLegacyText(old_text, "old.obm", out, error)) << error.Text();
  return out;
}

TEST(LegacyConverter, MapsLinesRenumbersActionsAndAddsTheNewLines) {
  std::string out = Convert(kOld);
  EXPECT_EQ(out, kNew);
  ProjectData p;
  FormatError error;
  ASSERT_TRUE(ParseProjectFile(out, "new.obm", std::nullopt, p, error)) << error.Text();
  EXPECT_EQ(p.SplashImage, "");
  EXPECT_EQ(p.Spots[0].Action, 1);
  EXPECT_EQ(p.Spots[0].MousePointer, "");
  EXPECT_EQ(p.Spots[1].Action, 6);
  EXPECT_EQ(p.Spots[1].VideoHeight, 0);
}

TEST(LegacyConverter, EveryActionCodeAndAnEmptyProject) {
  const int expected[] = {1, 2, 3, 4, 6, 7};
  for (int code = 0; code <= 5; ++code) {
    std::string old_text =
        "R\\\r\nT\r\n\r\n\r\n\r\n1\r\nn\r\n\r\n" + std::to_string(code) + "\r\n\r\n\r\n1\r\n2\r\n\r\n\r\n";
    std::string out = Convert(old_text);
    EXPECT_NE(out.find("\r\n" + std::to_string(expected[code]) + "\r\n\r\n\r\n1\r\n"), std::string::npos)
        << code;
  }
  EXPECT_EQ(Convert("R\\\r\nT\r\n\r\n\r\n\r\n0\r\n"), "R\\\r\nT\r\n\r\n\r\n\r\n\r\n0\r\n");
}

TEST(LegacyConverter, NewNameReplacesEveryObmAndNeverNamesTheOldFile) {
  EXPECT_EQ(LegacyConvertedName("C:\\p\\proj.obm"), "C:\\p\\proj_2.xprj.obm");
  EXPECT_EQ(LegacyConvertedName("C:\\p\\old.obm.obm"), "C:\\p\\old_2.xprj.obm_2.xprj.obm");
  EXPECT_EQ(LegacyConvertedName("C:\\P\\PROJ.OBM"), "C:\\P\\PROJ.OBM_2.xprj.obm");
  EXPECT_EQ(LegacyConvertedName("/tmp/x/legacy"), "/tmp/x/legacy_2.xprj.obm");
}

TEST(LegacyConverter, ConvertsFileToFileLeavingTheOldOneAlone) {
  FakeFileSystem fs;
  fs.files["C:\\P\\PROJ.OBM"] = kOld;
  std::string new_path;
  FormatError error;
  ASSERT_TRUE(ConvertLegacyProject(fs, "C:\\P\\PROJ.OBM", new_path, error)) << error.Text();
  EXPECT_EQ(new_path, "C:\\P\\PROJ.OBM_2.xprj.obm");
  EXPECT_EQ(fs.files["C:\\P\\PROJ.OBM"], kOld);
  EXPECT_EQ(fs.files[new_path], kNew);
  EXPECT_EQ(fs.log, std::vector<std::string>{"write C:\\P\\PROJ.OBM_2.xprj.obm"});
  EXPECT_EQ(LegacyConvertedMessage("a.obm", "a_2.xprj.obm"),
            "Project (a.obm) converted successfully to (a_2.xprj.obm).");
}

TEST(LegacyConverter, BadFilesWriteNothing) {
  struct Case {
    std::string text;
    std::string message;
  } cases[] = {
      {"R\\\r\nT\r\n\r\n", "old.obm, line 4: the file ends early: this line (the sound file) is missing"},
      {"R\\\r\nT\r\n\r\n\r\n\r\nmany\r\n",
       "old.obm, line 6: the spot count is not a number from -32768 to 32767: \"many\""},
      {"R\\\r\nT\r\n\r\n\r\n\r\n-2\r\n", "old.obm, line 6: the spot count is negative (-2)"},
      {"R\\\r\nT\r\n\r\n\r\n\r\n1\r\nn\r\nt\r\nx\r\n",
       "old.obm, line 9: the action of spot 1 is not a number from -32768 to 32767: \"x\""},
      {"R\\\r\nT\r\n\r\n\r\n\r\n1\r\nn\r\nt\r\n32767\r\n",
       "old.obm, line 9: the action of spot 1 is not a 1.x action code: 32767"},
      {"R\\\r\nT\r\n\r\n\r\n\r\n1\r\nn\r\nt\r\n0\r\nx\r\no\r\nleft\r\n",
       "old.obm, line 12: the X of spot 1 is not a number from -32768 to 32767: \"left\""},
      {"1\r\nT\r\n\r\n\r\n\r\n1\r\nn\r\nt\r\n0\r\nx\r\no\r\n1\r\n",
       "old.obm, line 12: the X of spot 1 (\"1\") would lose its digits to the root folder's text \"1\""},
      {"R\\\r\nT\r\n\r\n\r\n\r\n2\r\nn\r\nt\r\n0\r\nx\r\no\r\n1\r\n2\r\n\r\n\r\n",
       "old.obm, line 16: the file ends early: this line (the name of spot 2) is missing"},
  };
  for (const Case& c : cases) {
    FakeFileSystem fs;
    fs.files["old.obm"] = c.text;
    fs.files["old_2.xprj.obm"] = "previous";
    std::string new_path = "unchanged";
    FormatError error;
    EXPECT_FALSE(ConvertLegacyProject(fs, "old.obm", new_path, error));
    EXPECT_EQ(error.Text(), c.message);
    EXPECT_EQ(new_path, "unchanged");
    EXPECT_EQ(fs.files["old_2.xprj.obm"], "previous");
    EXPECT_TRUE(fs.log.empty());
  }
  FakeFileSystem fs;
  std::string new_path;
  FormatError error;
  // A project that is 2.x already (its splash line where 1.x kept the spot count), with or without a splash.
  for (const char* splash : {"", "C:\\Old\\splash.gif"}) {
    ProjectData already;
    already.RootFolder = "C:\\Old\\";
    already.SplashImage = splash;
    already.Spots.resize(2);
    fs.files["new.obm"] = ProjectFileText(already);
    EXPECT_FALSE(ConvertLegacyProject(fs, "new.obm", new_path, error));
    EXPECT_EQ(error.Text(),
              "new.obm: this project is already in the 2.x format and needs no conversion: open it with Load "
              "Project in the File menu");
  }
  EXPECT_TRUE(fs.log.empty());
  EXPECT_FALSE(ConvertLegacyProject(fs, "missing.obm", new_path, error));
  EXPECT_EQ(error.Text(), "missing.obm: cannot be read: No such file or directory");
  fs.files["old.obm"] = kOld;
  fs.failing_writes.insert("old_2.xprj.obm");
  EXPECT_FALSE(ConvertLegacyProject(fs, "old.obm", new_path, error));
  EXPECT_EQ(error.Text(), "old_2.xprj.obm: cannot be written: No space left on device");
}

}  // namespace
}  // namespace orb
