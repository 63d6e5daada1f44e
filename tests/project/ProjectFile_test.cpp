// The project file: its exact bytes, reading back, relocation, the absolute-path rule and bad files.
#include "project/ProjectFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "common/PosixFileSystem.h"
#include "tests/support/CdExamples.h"
#include "tests/support/FakeFileSystem.h"

namespace orb {
namespace {

ProjectData WorkedExample() { return examples::WorkedProject(); }

const char kWorkedExampleFile[] =
    "C:\\MyCd\\\r\nMy CD\r\n\r\n\r\nimgmusic\\back.jpg\r\n\r\n 1 \r\n"
    "Start\r\nRun setup\r\n 1 \r\nsetup.exe\r\nimgmusic\\over.gif\r\n 1200 \r\n 900 \r\n\r\n\r\n\r\n"
    " 0 \r\n 0 \r\n 0 \r\n 0 \r\n";

ProjectData Parse(const std::string& text, std::optional<std::string> root = std::nullopt) {
  ProjectData p;
  FormatError error;
  EXPECT_TRUE(ParseProjectFile(text, "test.obm", root, p, error)) << error.Text();
  return p;
}

FormatError ParseError(const std::string& text) {
  ProjectData p = WorkedExample();
  FormatError error;
  EXPECT_FALSE(ParseProjectFile(text, "bad.obm", std::nullopt, p, error));
  EXPECT_EQ(p, WorkedExample()) << "a failed read must leave the project as it was";
  return error;
}

TEST(ProjectFile, WorkedExampleIsWrittenByteForByteAndReadBack) {
  std::string text = ProjectFileText(WorkedExample());
  EXPECT_EQ(text, kWorkedExampleFile);
  int lines = 0;
  for (size_t i = 0; (i = text.find("\r\n", i)) != std::string::npos; i += 2) ++lines;
  EXPECT_EQ(lines, 21);
  EXPECT_EQ(Parse(text), WorkedExample());
}

TEST(ProjectFile, EmptyProjectHasSevenLinesEndingInZero) {
  ProjectData p;
  p.RootFolder = "E:\\";
  EXPECT_EQ(ProjectFileText(p), "E:\\\r\n\r\n\r\n\r\n\r\n\r\n 0 \r\n");
  EXPECT_EQ(Parse(ProjectFileText(p)), p);
}

TEST(ProjectFile, RootTextIsRemovedFromEveryPathButNotFromTexts) {
  ProjectData p = WorkedExample();
  p.CdTitle = "Title C:\\MyCd\\ stays";
  p.Spots[0].Name = " C:\\MyCd\\ name ";
  p.Spots[0].ToolTip = "tip C:\\MyCd\\";
  p.Spots[0].Action = 2;
  p.Spots[0].Target = "http://x/C:\\MyCd\\y";
  p.Spots[0].MoveSound = "C:\\MyCd\\a\\C:\\MyCd\\b.wav";
  std::string text = ProjectFileText(p);
  EXPECT_NE(text.find("\r\nTitle C:\\MyCd\\ stays\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n C:\\MyCd\\ name \r\ntip C:\\MyCd\\\r\n 2 \r\nhttp://x/y\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\na\\b.wav\r\n"), std::string::npos);
}

TEST(ProjectFile, LineBreaksInsideValuesCannotShiftTheLines) {
  ProjectData p = WorkedExample();
  p.CdTitle = "My\r\nCD";
  p.Spots[0].Name = "St\nart";
  std::string text = ProjectFileText(p);
  EXPECT_NE(text.find("\r\nMy  CD\r\n"), std::string::npos);
  ProjectData back = Parse(text);
  EXPECT_EQ(back.Spots[0].Name, "St art");
  EXPECT_EQ(back.Spots[0].X, 1200);
}

TEST(ProjectFile, ReadingTrimsAndRootsAsEachFieldSays) {
  std::string text =
      "  C:\\R\\  \r\n  Title  \r\n icon.ico \r\n\r\nback.jpg\r\n   \r\n2\r\n"
      "  Spaced Name  \r\n  tip  \r\n1\r\n\r\n over.gif \r\n-15\r\n+30\r\n   \r\n click.wav \r\n\r\n"
      "\r\n  \r\n 100 \r\n200\r\n"
      "Two\r\n\r\n 3 \r\n  D:\\typed  \r\no.gif\r\n0\r\n0\r\n\r\n\r\n\r\n1\r\n2\r\n3\r\n4\r\n"
      "lines after the last are ignored\r\n";
  ProjectData p = Parse(text);
  EXPECT_EQ(p.RootFolder, "C:\\R\\");
  EXPECT_EQ(p.CdTitle, "Title");
  EXPECT_EQ(p.CdIcon, "C:\\R\\icon.ico");
  EXPECT_EQ(p.SoundFile, "");
  EXPECT_EQ(p.SplashImage, "");
  ASSERT_EQ(p.SpotCount(), 2);
  const MenuSpot& a = p.Spots[0];
  EXPECT_EQ(a.Name, "  Spaced Name  ");
  EXPECT_EQ(a.ToolTip, "tip");
  EXPECT_EQ(a.Target, "C:\\R\\") << "an empty Target of action 1 still gets the root";
  EXPECT_EQ(a.RolloverImage, "C:\\R\\over.gif");
  EXPECT_EQ(a.X, -15);
  EXPECT_EQ(a.Y, 30);
  EXPECT_EQ(a.MoveSound, "   ") << "a blank sound line stays as read";
  EXPECT_EQ(a.ClickSound, "C:\\R\\click.wav");
  EXPECT_EQ(a.VideoX, 0);
  EXPECT_EQ(a.VideoY, 0);
  EXPECT_EQ(a.VideoWidth, 100);
  EXPECT_EQ(a.VideoHeight, 200);
  EXPECT_EQ(p.Spots[1].Target, "D:\\typed") << "a typed Target is trimmed and gets no root";
  EXPECT_EQ(p.Spots[1].VideoHeight, 4);
}

TEST(ProjectFile, CompletePathsAreKeptInsteadOfGettingTheRootInFront) {
  ProjectData p = WorkedExample();
  p.CdIcon = "D:\\Icons\\cd.ico";
  p.SoundFile = "\\\\server\\share\\start.wav";
  p.Spots[0].Target = "d:\\tools\\setup.exe";
  p.Spots[0].RolloverImage = "/home/me/over.gif";
  p.Spots[0].ClickSound = "E:\\click.wav";
  std::string text = ProjectFileText(p);
  EXPECT_NE(text.find("\r\nD:\\Icons\\cd.ico\r\n\\\\server\\share\\start.wav\r\n"), std::string::npos);
  ProjectData back = Parse(text);
  EXPECT_EQ(back, p);
  EXPECT_EQ(ProjectFileText(back), text);
}

// The older part holds the code page's fallbacks; the pages text (version 2, one page) the true texts,
// which the reader puts back, the root's first, as every path hangs on it. A text that fits is its
// Windows-1252 bytes, as before.
TEST(ProjectFile, TextsTheCodePageLacksComeBackFromThePagesText) {
  ProjectData world = examples::WorldProject();
  for (std::string* path : {&world.RootFolder, &world.CdIcon, &world.BackgroundImage, &world.Spots[0].Target,
                            &world.Spots[0].RolloverImage, &world.Spots[0].ClickSound})
    path->replace(0, 8, "C:\\Ψ 🎬\\");
  const std::string text = ProjectFileText(world);
  EXPECT_EQ(text.rfind("C:\\? ?\\\r\n??????\r\n??????.ico\r\n", 0), 0u) << text;
  EXPECT_NE(text.find("\r\ncaf\xE9.wav\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nOrbmenu pages 2\r\nHome\r\n 0 \r\n\r\n 0 \r\nTexts outside the code page\r\n 7 \r\n"
                      "root\r\nC:\\Ψ 🎬\\\r\ntitle\r\nΣελίδα\r\n"),
            std::string::npos);
  EXPECT_EQ(Parse(text), world);
  EXPECT_EQ(Parse(text, std::string("F:\\")).BackgroundImage, "F:\\日本語.bmp");
  world.PageName = "Αρχή";  // with the pages' own text too
  EXPECT_EQ(Parse(ProjectFileText(world)), world);
}

TEST(ProjectFile, ReplacementRootStandsForTheMovedOne) {
  ProjectData p = Parse(kWorkedExampleFile, std::string("F:\\Moved\\"));
  EXPECT_EQ(p.RootFolder, "F:\\Moved\\");
  EXPECT_EQ(p.BackgroundImage, "F:\\Moved\\imgmusic\\back.jpg");
  EXPECT_EQ(p.Spots[0].Target, "F:\\Moved\\setup.exe");
  std::string saved = ProjectFileText(p);
  std::string expected = kWorkedExampleFile;
  expected.replace(0, 8, "F:\\Moved\\");
  EXPECT_EQ(saved, expected) << "same relative paths under the new root";
  EXPECT_EQ(ProjectFileRoot(kWorkedExampleFile), "C:\\MyCd\\");
  EXPECT_EQ(ProjectFileRoot("  /tmp/cd\\  \r\n"), "/tmp/cd\\");
}

TEST(ProjectFile, LinuxRootFolderGivesTheSameRelativeLines) {
  ProjectData p = Parse(kWorkedExampleFile, std::string("/tmp/cd\\"));
  EXPECT_EQ(p.BackgroundImage, "/tmp/cd\\imgmusic\\back.jpg");
  std::string saved = ProjectFileText(p);
  EXPECT_EQ(saved.substr(saved.find("\r\n") + 2), std::string(kWorkedExampleFile).substr(10));
}

TEST(ProjectFile, BadFilesNameTheLineAndTheProblem) {
  EXPECT_EQ(ParseError("").Text(),
            "bad.obm, line 1: the file ends early: this line (the root folder) is missing");
  std::string whole = kWorkedExampleFile;
  FormatError early = ParseError(whole.substr(0, whole.find("setup.exe\r\n") + 11));
  EXPECT_EQ(early.line, 12);
  EXPECT_EQ(early.message, "the file ends early: this line (the rollover image of spot 1) is missing");

  std::string text = kWorkedExampleFile;
  FormatError count = ParseError(std::string(text).replace(text.find(" 1 \r\nStart"), 3, "one"));
  EXPECT_EQ(count.line, 7);
  EXPECT_EQ(count.message, "the spot count is not a number from -32768 to 32767: \"one\"");
  EXPECT_EQ(ParseError(std::string(text).replace(text.find(" 1 \r\nStart"), 3, "-1")).Text(),
            "bad.obm, line 7: the spot count is negative (-1)");
  FormatError x = ParseError(std::string(text).replace(text.find(" 1200 "), 6, "12OO"));
  EXPECT_EQ(x.line, 13);
  EXPECT_EQ(x.message, "the X of spot 1 is not a number from -32768 to 32767: \"12OO\"");
  EXPECT_EQ(ParseError(std::string(text).replace(text.find(" 1 \r\nsetup"), 3, "")).line, 10);
  EXPECT_EQ(ParseError(std::string(text).replace(text.rfind(" 0 "), 3, "40000")).line, 21);
  EXPECT_EQ(ParseError(std::string(text).replace(text.find(" 1 \r\nStart"), 3, "2")).line, 22);
}

TEST(ProjectFile, FurtherPagesFollowTheLastSpotAndComeBack) {
  ProjectData paged = examples::PagedProject();
  std::string text = ProjectFileText(paged);
  ProjectData page1 = paged;
  page1.Pages.clear();
  std::string head = ProjectFileText(page1);
  ASSERT_EQ(text.substr(0, head.size()), head) << "page 1 stays where the one-page layout has it";
  EXPECT_EQ(text.substr(head.size()), examples::kPagedProjectPagesText);
  EXPECT_EQ(Parse(text), paged);
  EXPECT_EQ(Parse(text, std::string("/tmp/cd\\")).Pages[0].BackgroundImage, "/tmp/cd\\imgmusic\\extras.jpg");

  // A renamed page 1 alone is kept too; a file with other text after its last spot loads as one page.
  page1.PageName = "Start";
  EXPECT_EQ(ProjectFileText(page1), head + "Orbmenu pages 1\r\nStart\r\n 0 \r\n");
  EXPECT_EQ(Parse(ProjectFileText(page1)), page1);
  EXPECT_EQ(Parse(std::string(kWorkedExampleFile) + "notes\r\nOrbmenu pages 3\r\n"), WorkedExample());
}

TEST(ProjectFile, BadPagesTextNamesTheLineThePageAndTheField) {
  std::string text = ProjectFileText(examples::PagedProject());
  size_t pages = text.find("Orbmenu pages 1");
  int first = 1 + static_cast<int>(std::count(text.begin(), text.begin() + pages, '\n'));
  EXPECT_EQ(ParseError(std::string(text).replace(pages, 15, "Orbmenu pages 3")).Text(),
            "bad.obm, line " + std::to_string(first) +
                ": the pages text has a version this program cannot read: \"Orbmenu pages 3\" (it reads "
                "\"Orbmenu pages 1\" and \"Orbmenu pages 2\")");
  EXPECT_EQ(ParseError(std::string(text).replace(text.find(" 2 \r\nExtras"), 3, "-2")).message,
            "the page count is negative (-2)");
  FormatError count = ParseError(std::string(text).replace(text.find(" 3 \r\nIntro"), 3, "x"));
  EXPECT_EQ(count.line, first + 6);
  EXPECT_EQ(count.message, "the spot count of page 2 is not a number from -32768 to 32767: \"x\"");
  EXPECT_EQ(ParseError(std::string(text).replace(text.find(" 300 "), 5, "left")).message,
            "the X of spot 2 of page 2 is not a number from -32768 to 32767: \"left\"");
  EXPECT_EQ(ParseError(text.substr(0, text.rfind("Docs\r\nDocuments"))).message,
            "the file ends early: this line (the name of page 3) is missing");
}

TEST(ProjectFile, LanguageVersionsFollowTheFurtherPagesInVersion2) {
  const ProjectData project = examples::LanguageProject();
  ProjectData without = project;
  without.DefaultLanguage.clear();
  without.Languages.clear();
  const std::string v1 = ProjectFileText(without);
  const size_t at = v1.find("Orbmenu pages 1");
  const std::string text = ProjectFileText(project);
  EXPECT_EQ(text, v1.substr(0, at) + "Orbmenu pages 2" + v1.substr(at + 15) + examples::kLanguageProjectLanguages);
  EXPECT_EQ(Parse(text), project);

  // One page named Home writes the pages text once it has versions, and reads them back.
  ProjectData one = WorkedExample();
  one.DefaultLanguage = "en";
  one.Languages = {{"de", {{LanguageField::ToolTip, 1, 1, " Installieren "}}}};
  EXPECT_EQ(ProjectFileText(one), std::string(kWorkedExampleFile) +
                                      "Orbmenu pages 2\r\nHome\r\n 0 \r\nen\r\n 1 \r\nde\r\n 1 \r\n"
                                      "tooltip 1 1\r\n Installieren \r\n");
  one.Languages[0].Texts[0].Value = "Installieren";  // read back trimmed
  EXPECT_EQ(Parse(ProjectFileText(one)), one);

  auto replaced = [&text](const std::string& from, const std::string& to) {
    return std::string(text).replace(text.find(from), from.size(), to);
  };
  EXPECT_EQ(ParseError(replaced("tooltip 2 1", "tooltip 2")).message,
            "the key of text 3 of language version 1 is not a field and its page (and spot): \"tooltip 2\" (as "
            "\"title 2\" or \"tooltip 1 3\")");
  EXPECT_EQ(ParseError(replaced("title 2\r", "subtitle 2\r")).line, ParseError(replaced("title 2\r", "title 0\r")).line);
  EXPECT_EQ(ParseError(replaced("ar\r\n 2 ", "ar\r\n -1 ")).message,
            "the number of texts of language version 2 is negative (-1)");
  EXPECT_EQ(ParseError(text.substr(0, text.size() - 8)).message,
            "the file ends early: this line (the value of text 2 of language version 3) is missing");
}

TEST(ProjectFile, SaveAndLoadGoThroughTheSeamAtomically) {
  FakeFileSystem fs;
  std::string error;
  ASSERT_TRUE(SaveProjectFile(fs, "C:\\p\\demo.obm", WorkedExample(), error));
  EXPECT_EQ(fs.files["C:\\p\\demo.obm"], kWorkedExampleFile);
  EXPECT_EQ(fs.log, std::vector<std::string>{"write C:\\p\\demo.obm"}) << "no delete before the write";

  ProjectData p;
  FormatError format;
  ASSERT_TRUE(LoadProjectFile(fs, "C:\\p\\demo.obm", std::nullopt, p, format));
  EXPECT_EQ(p, WorkedExample());
  EXPECT_FALSE(LoadProjectFile(fs, "C:\\p\\gone.obm", std::nullopt, p, format));
  EXPECT_EQ(format.Text(), "C:\\p\\gone.obm: cannot be read: No such file or directory");
  EXPECT_EQ(p, WorkedExample());

  fs.failing_writes.insert("C:\\p\\demo.obm");
  ProjectData changed = WorkedExample();
  changed.CdTitle = "Changed";
  EXPECT_FALSE(SaveProjectFile(fs, "C:\\p\\demo.obm", changed, error));
  EXPECT_EQ(error, "C:\\p\\demo.obm: cannot be written: No space left on device");
  EXPECT_EQ(fs.files["C:\\p\\demo.obm"], kWorkedExampleFile) << "a failed save leaves the old file";
}

TEST(ProjectFile, FirstSaveAppendsTheExtensionOnlyForANewName) {
  FakeFileSystem fs;
  fs.files["C:\\p\\demo.obm"] = "old";
  EXPECT_EQ(SaveFileNameFor(fs, "C:\\p\\demo.obm"), "C:\\p\\demo.obm");
  EXPECT_EQ(SaveFileNameFor(fs, "C:\\p\\demo"), "C:\\p\\demo.obm");
  EXPECT_EQ(SaveFileNameFor(fs, "C:\\p\\new.obm"), "C:\\p\\new.obm.obm");
}

// Every project file we ship or test with: loading and saving gives back its bytes, and a second round
// changes nothing.
TEST(ProjectFile, ExampleProjectsSurviveLoadAndSave) {
  PosixFileSystem files;
  std::vector<std::string> projects;
  for (const auto& entry :
       std::filesystem::recursive_directory_iterator(std::string(ORB_SOURCE_DIR) + "/examples")) {
    if (entry.path().extension() == ".obm") projects.push_back(entry.path().string());
  }
  ASSERT_FALSE(projects.empty());
  std::vector<std::string> texts = {kWorkedExampleFile, ProjectFileText(ProjectData{})};
  for (const std::string& path : projects) {
    std::string data, error;
    ASSERT_TRUE(files.ReadFile(path, data, error)) << path;
    texts.push_back(data);
  }
  for (const std::string& text : texts) {
    ProjectData first = Parse(text);
    std::string saved = ProjectFileText(first);
    EXPECT_EQ(saved, text) << "files we write come back byte for byte";
    ProjectData relocated = Parse(saved, std::string("/tmp/elsewhere\\"));
    EXPECT_EQ(ProjectFileText(Parse(ProjectFileText(relocated))), ProjectFileText(relocated));
  }
}

}  // namespace
}  // namespace orb
