// The project check: which findings each kind of subject gives, their severity, order and lines.
#include "editor/output/ProjectCheck.h"

#include <gtest/gtest.h>

#include "tests/support/FakeFileSystem.h"

namespace orb {
namespace {

class ProjectCheckTest : public ::testing::Test {
 protected:
  ProjectCheckTest() {
    for (const char* file : {"E:\\cd\\autorun.inf", "E:\\cd\\Orbstart.exe", "E:\\cd\\imgmusic\\back.jpg",
                             "E:\\cd\\imgmusic\\over.gif", "E:\\cd\\imgmusic\\cd.ico", "E:\\cd\\setup.exe"})
      fs.files[file] = "x";
  }

  static ProjectData Project() {
    ProjectData p;
    p.RootFolder = "E:\\cd\\";
    p.CdTitle = "?Demo";
    p.CdIcon = "E:\\cd\\imgmusic\\cd.ico";
    p.BackgroundImage = "E:\\cd\\imgmusic\\back.jpg";
    MenuSpot s;
    s.Name = "Setup";
    s.Action = 1;
    s.Target = "E:\\cd\\setup.exe";
    s.RolloverImage = "E:\\cd\\imgmusic\\over.gif";
    p.Spots.push_back(s);
    return p;
  }

  std::vector<Finding> Check(const CheckSubject& subject) { return ProjectCheck(fs).Run(subject); }

  FakeFileSystem fs;
};

TEST_F(ProjectCheckTest, AGeneratedProjectWithEveryFileInPlaceHasNoFindings) {
  EXPECT_EQ(Check(SubjectFromProject(Project(), "E:\\cd\\")), std::vector<Finding>{});
}

TEST_F(ProjectCheckTest, MissingAndOutsideFilesAreErrorsAndAMissingIconOnlyAWarning) {
  ProjectData p = Project();
  p.BackgroundImage = "E:\\cd\\imgmusic\\gone.jpg";
  p.Spots[0].RolloverImage = "C:\\pics\\over.gif";
  p.SplashImage = "C:\\pics\\missing.gif";  // missing and outside: said once, as missing
  fs.files["C:\\pics\\over.gif"] = "x";
  fs.files.erase("E:\\cd\\imgmusic\\cd.ico");
  std::vector<Finding> findings = Check(SubjectFromProject(p, "E:\\cd\\"));
  ASSERT_EQ(findings.size(), 4u);
  EXPECT_EQ(findings[0],
            (Finding{Severity::Error, "E:\\cd\\imgmusic\\gone.jpg", "the background image does not exist"}));
  EXPECT_EQ(findings[1].file, "C:\\pics\\missing.gif");
  EXPECT_EQ(findings[2].file, "C:\\pics\\over.gif");
  EXPECT_NE(
      findings[2].message.find("spot 1 (Setup): rollover image lies outside the root folder (E:\\cd\\)"),
      std::string::npos);
  EXPECT_EQ(findings[3].severity, Severity::Warning);  // the icon: errors come first
  EXPECT_EQ(findings[3].file, "E:\\cd\\imgmusic\\cd.ico");
  EXPECT_TRUE(HasErrors(findings));
}

TEST_F(ProjectCheckTest, BlanksWarnOnlyInTheDiscNameOfWhatIsStarted) {
  // The root's own blanks are not on the disc; a video is played, not started by the shell.
  fs.files["E:\\my cd\\Orbstart.exe"] = fs.files["E:\\my cd\\autorun.inf"] = "x";
  fs.files["E:\\my cd\\set up.exe"] = fs.files["E:\\my cd\\intro film.avi"] = "x";
  fs.files["E:\\my cd\\over.gif"] = fs.files["E:\\my cd\\ok.exe"] = "x";
  ProjectData p;
  p.BackgroundImage = "E:\\my cd\\over.gif";
  MenuSpot run;
  run.Name = "Run";
  run.Action = 1;
  run.Target = "E:\\my cd\\set up.exe";
  run.RolloverImage = "E:\\my cd\\over.gif";
  MenuSpot video = run;
  video.Action = 5;
  video.Target = "E:\\my cd\\intro film.avi";
  MenuSpot plain = run;
  plain.Target = "E:\\my cd\\ok.exe";
  p.Spots = {run, video, plain};
  std::vector<Finding> findings = Check(SubjectFromProject(p, "E:\\my cd\\"));
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_EQ(findings[0].severity, Severity::Warning);
  EXPECT_EQ(findings[0].file, "E:\\my cd\\set up.exe");
  EXPECT_NE(findings[0].message.find("(\\set up.exe) has blanks"), std::string::npos);

  SimpleAutorun simple;
  simple.StartProgram = "E:\\my cd\\set up.exe";
  findings = Check(SubjectFromSimple(simple, "E:\\my cd\\"));
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_EQ(findings[0].file, "E:\\my cd\\set up.exe");
}

TEST_F(ProjectCheckTest, AGeneratedRootNeedsAutorunInfAndThePlayerAProjectBeforeMakeCdNeither) {
  fs.files.erase("E:\\cd\\autorun.inf");
  fs.files.erase("E:\\cd\\Orbstart.exe");
  std::vector<Finding> findings = Check(SubjectFromProject(Project(), "E:\\cd\\"));
  ASSERT_EQ(findings.size(), 2u);
  EXPECT_EQ(findings[0], (Finding{Severity::Error, "E:\\cd\\Orbstart.exe",
                                  "the player (autorun.inf OPEN) does not exist"}));
  EXPECT_EQ(findings[1].severity, Severity::Warning);
  EXPECT_EQ(findings[1].file, "E:\\cd\\autorun.inf");
  EXPECT_EQ(Check(SubjectFromProject(Project(), "E:\\cd\\", false)), std::vector<Finding>{});
}

TEST_F(ProjectCheckTest, ATitleLongerThanAVolumeLabelWarnsNotCountingTheQuestionMark) {
  ProjectData p = Project();
  p.CdTitle = "?" + std::string(32, 'T');
  EXPECT_EQ(Check(SubjectFromProject(p, "E:\\cd\\")), std::vector<Finding>{});
  p.CdTitle = std::string(33, 'T');
  std::vector<Finding> findings = Check(SubjectFromProject(p, "E:\\cd\\"));
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_EQ(findings[0].severity, Severity::Warning);
  EXPECT_EQ(findings[0].file, "");
  EXPECT_NE(findings[0].message.find("33 characters"), std::string::npos);
}

TEST_F(ProjectCheckTest, AnAddedRuleRunsAfterTheOthersAndLinesNameTheirFile) {
  ProjectCheck check(fs);
  check.AddRule([](CheckContext& c) { c.Add(Severity::Note, "", "fits a 650 MB CD"); });
  check.AddRule(
      [](CheckContext& c) { c.Add(Severity::Warning, c.Subject().root + "Orbstart.exe", "unsigned"); });
  std::vector<Finding> findings = check.Run(SubjectFromProject(Project(), "E:\\cd\\"));
  ASSERT_EQ(findings.size(), 2u);
  EXPECT_EQ(FindingLine(findings[0]), "warning: E:\\cd\\Orbstart.exe: unsigned");
  EXPECT_EQ(FindingLine(findings[1]), "note: fits a 650 MB CD");
  EXPECT_FALSE(HasErrors(findings));
  EXPECT_TRUE(HasWarnings(findings));
}

}  // namespace
}  // namespace orb
