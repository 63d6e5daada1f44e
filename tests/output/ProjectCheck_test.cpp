// The project check: which findings each kind of subject gives, their severity, order and lines.
#include "output/ProjectCheck.h"

#include <gtest/gtest.h>

#include "tests/support/CdExamples.h"
#include "tests/support/FakeFileSystem.h"

namespace orb {
namespace {

class ProjectCheckTest : public ::testing::Test {
 protected:
  ProjectCheckTest() {
    for (const char* file : {"E:\\cd\\autorun.inf", "E:\\cd\\Orbstart.exe", "E:\\cd\\imgmusic\\back.jpg",
                             "E:\\cd\\imgmusic\\over.gif", "E:\\cd\\imgmusic\\cd.ico", "E:\\cd\\setup.exe"})
      fs.files[file] = "x";
    fs.folders = {"E:\\cd", "E:\\cd\\imgmusic", "E:\\my cd"};
  }

  static ProjectData Project() {
    ProjectData p;
    p.RootFolder = "E:\\cd\\";
    p.CdTitle = "Demo";
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

  // The problems only: the image's size note comes with every subject.
  std::vector<Finding> Check(const CheckSubject& subject) {
    std::vector<Finding> findings = ProjectCheck(fs).Run(subject);
    std::erase_if(findings, [](const Finding& f) { return f.severity == Severity::Note; });
    return findings;
  }

  // The notes on pictures without a high-resolution twin, which every menu of the fixture gets.
  static void DropTwinNotes(std::vector<Finding>& findings) {
    std::erase_if(findings, [](const Finding& f) { return f.message.find("no @2x twin") != std::string::npos; });
  }

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

// Text the code page lacks: a warning per fallback in menu.cfg or autorun.des, naming the field and what
// the player shows; a name beyond ASCII warns of its ISO 9660 form (ASCII punctuation does not).
TEST_F(ProjectCheckTest, TextsOutsideTheCodePageAndNamesOutsideIso9660Warn) {
  ProjectData p = examples::WorldProject();
  for (const char* name : {"MyCd\\Orbstart.exe", "MyCd\\autorun.inf", "MyCd\\日本語.bmp", "MyCd\\ファイル.txt",
                           "MyCd\\Εικόνα.ico", "MyCd\\café.wav", "MyCd\\imgmusic\\over.gif", "MyCd\\a@2x-b.gif"})
    fs.files[std::string("C:\\") + name] = "x";
  fs.folders = {"C:\\MyCd", "C:\\MyCd\\imgmusic"};
  std::vector<Finding> findings = Check(SubjectFromProject(p, "C:\\MyCd\\"));
  auto has = [&](const std::string& file, const std::string& text) {
    return std::any_of(findings.begin(), findings.end(), [&](const Finding& f) {
      return f.severity == Severity::Warning && f.file == file && f.message.find(text) != std::string::npos;
    });
  };
  EXPECT_TRUE(has("C:\\MyCd\\menu.cfg",
                  "the CD title holds characters the code page lacks: menu.cfg holds \"??????\" in their place. "
                  "The player shows the true text from pages.cfg; older readers show the fallback"));
  EXPECT_TRUE(has("C:\\MyCd\\menu.cfg", "the spot 1 (🎬 Start): tooltip holds characters"));
  EXPECT_TRUE(has("C:\\MyCd\\menu.cfg", "the spot 1 (🎬 Start): target holds characters"));
  EXPECT_TRUE(has("C:\\MyCd\\日本語.bmp", "the name \"日本語.bmp\" holds characters an ISO 9660 name cannot: the disc "
                                          "image keeps it in its Joliet names, and only readers without Joliet see "
                                          "\"___.BMP\""));
  EXPECT_TRUE(has("C:\\MyCd\\café.wav", "only readers without Joliet see \"CAF_.WAV\""));
  EXPECT_EQ(std::count_if(findings.begin(), findings.end(),
                          [](const Finding& f) { return f.message.find("code page") != std::string::npos; }),
            5);  // title, background, the spot's name, tooltip and target
  EXPECT_FALSE(has("C:\\MyCd\\a@2x-b.gif", "ISO 9660"));

  SimpleAutorun simple;
  simple.StartProgram = "C:\\MyCd\\ファイル.txt";
  findings = Check(SubjectFromSimple(simple, "C:\\MyCd\\"));
  EXPECT_TRUE(has("C:\\MyCd\\autorun.des", "the start program holds characters the code page lacks: autorun.des "
                                           "holds \"\\????.txt\" in their place. The player shows the true text"));
}

TEST_F(ProjectCheckTest, BlanksWarnOnlyInTheDiscNameOfWhatAutorunInfStarts) {
  // The root's own blanks are not on the disc; the player opens documents and videos through the shell,
  // which takes blanks: only the name in autorun.inf's OPEN line is cut by older AutoPlay handlers.
  fs.files["E:\\my cd\\Orbstart.exe"] = fs.files["E:\\my cd\\autorun.inf"] = "x";
  fs.files["E:\\my cd\\set up.exe"] = fs.files["E:\\my cd\\read me.txt"] = "x";
  fs.files["E:\\my cd\\over.gif"] = "x";
  ProjectData p;
  p.BackgroundImage = "E:\\my cd\\over.gif";
  MenuSpot run;
  run.Name = "Run";
  run.Action = 1;
  run.Target = "E:\\my cd\\read me.txt";
  p.Spots = {run};
  EXPECT_EQ(Check(SubjectFromProject(p, "E:\\my cd\\")), std::vector<Finding>{});
  SimpleAutorun simple;
  simple.StartProgram = "E:\\my cd\\set up.exe";
  EXPECT_EQ(Check(SubjectFromSimple(simple, "E:\\my cd\\")), std::vector<Finding>{});

  CheckSubject root;  // an autorun.inf that opens a name with blanks itself
  root.root = "E:\\my cd\\";
  root.files.push_back({"program that autorun.inf opens (OPEN)", "E:\\my cd\\set up.exe", true});
  std::vector<Finding> findings = Check(root);
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_EQ(findings[0].severity, Severity::Warning);
  EXPECT_EQ(findings[0].file, "E:\\my cd\\set up.exe");
  EXPECT_NE(findings[0].message.find("(\\set up.exe) has blanks"), std::string::npos);
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

  // The player is also the drive's icon when the simple mode names none; said once, as the error.
  SimpleAutorun simple;
  CheckSubject subject = SubjectFromSimple(simple, "E:\\cd\\");
  subject.files.insert(subject.files.begin(), {"icon", "E:\\cd\\Orbstart.exe", false, Severity::Warning});
  findings = Check(subject);
  ASSERT_EQ(findings.size(), 2u);
  EXPECT_EQ(findings[0], (Finding{Severity::Error, "E:\\cd\\Orbstart.exe",
                                  "the player (autorun.inf OPEN) does not exist"}));
  EXPECT_EQ(findings[1].file, "E:\\cd\\autorun.inf");
}

TEST_F(ProjectCheckTest, ATitleLongerThanAVolumeLabelWarnsNotCountingTheQuestionMark) {
  ProjectData p = Project();
  // A "?" anywhere asks for the shaped menu: said as a warning, which fails no check.
  const Finding shaped{Severity::Warning, "E:\\cd\\menu.cfg",
                       "the title holds '?': the menu shows borderless and shaped"};
  p.CdTitle = std::string(16, 'T') + "?" + std::string(16, 'T');
  EXPECT_EQ(Check(SubjectFromProject(p, "E:\\cd\\")), std::vector<Finding>{shaped});
  EXPECT_EQ(Check(SubjectFromProject(p, "E:\\cd\\", false)), std::vector<Finding>{shaped});
  p.CdTitle = std::string(33, 'T');
  std::vector<Finding> findings = Check(SubjectFromProject(p, "E:\\cd\\"));
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_EQ(findings[0].severity, Severity::Warning);
  EXPECT_EQ(findings[0].file, "E:\\cd\\menu.cfg");
  EXPECT_NE(findings[0].message.find("33 characters"), std::string::npos);
}

TEST_F(ProjectCheckTest, PagesAreCheckedAsPageOneAndMustLinkUp) {
  fs.files["E:\\cd\\imgmusic\\extras.jpg"] = "x";
  ProjectData p = Project();
  MenuSpot go = p.Spots[0];
  go.Name = "More";
  go.Action = ActionCode(ActionKind::GoToPage);
  go.Target = " extras ";  // found without regard to case or blanks
  p.Spots.push_back(go);
  MenuSpot back = p.Spots[0];
  back.Name = "Back";
  back.Action = ActionCode(ActionKind::GoBack);
  back.Target.clear();
  back.MoveSound = "E:\\cd\\imgmusic\\gone.wav";
  p.Pages.push_back({"Extras", "Extras", "E:\\cd\\imgmusic\\extras.jpg", {back}});
  EXPECT_EQ(Check(SubjectFromProject(p, "E:\\cd\\")),
            (std::vector<Finding>{{Severity::Error, "E:\\cd\\imgmusic\\gone.wav",
                                   "the page \"Extras\", spot 1 (Back): move sound does not exist"}}));

  back.MoveSound.clear();
  p.Pages[0].Spots = {back};
  go.Target = "Nowhere";
  MenuSpot unnamed = go;
  unnamed.Target = "";
  p.Pages.push_back({"EXTRAS", "Again", "E:\\cd\\imgmusic\\extras.jpg", {go, unnamed}});
  p.Pages.push_back({" ", "Blank", "E:\\cd\\imgmusic\\none.jpg", {}});
  const std::string pages = "E:\\cd\\pages.cfg";
  EXPECT_EQ(
      Check(SubjectFromProject(p, "E:\\cd\\")),
      (std::vector<Finding>{
          {Severity::Error, "E:\\cd\\imgmusic\\none.jpg", "the page 4: background image does not exist"},
          {Severity::Error, pages,
           "page 3 has the name \"EXTRAS\" of page 2 (page names are compared without case)"},
          {Severity::Error, pages, "page 4 has no spots: the menu would show it with nothing to click"},
          {Severity::Error, pages, "page 4 has no name, so no spot can lead to it"},
          {Severity::Error, pages,
           "page \"EXTRAS\", spot 1 (More): Go to Page names the page \"Nowhere\", which does not exist"},
          {Severity::Error, pages, "page \"EXTRAS\", spot 2 (More): Go to Page names no page"},
          {Severity::Warning, pages, "no spot leads to page \"EXTRAS\": the menu never shows it"},
          {Severity::Warning, pages, "no spot leads to page 4: the menu never shows it"}}));

  p.Pages.clear();
  p.Spots.clear();
  EXPECT_EQ(
      Check(SubjectFromProject(p, "E:\\cd\\")),
      (std::vector<Finding>{{Severity::Error, "E:\\cd\\menu.cfg",
                             "page \"Home\" has no spots: the menu would show it with nothing to click"}}));
}

TEST_F(ProjectCheckTest, LanguageTagsMustBeTagsUsedOnceAndSwitchesFindTheirVersion) {
  ProjectData p = Project();
  for (const char* target : {" EN ", "de", "", "fr"}) {
    MenuSpot to = p.Spots[0];
    to.Name = target;
    to.Action = ActionCode(ActionKind::SwitchLanguage);
    to.Target = target;
    p.Spots.push_back(to);
  }
  p.DefaultLanguage = "en";
  p.Languages = {{"de", {{LanguageField::ToolTip, 1, 1, "Installieren"}}}, {"En", {}}, {"de_AT", {}}};
  // A version's file is named as the default's are.
  p.Languages[0].Texts.push_back({LanguageField::Rollover, 1, 1, "E:\\cd\\imgmusic\\over-de.gif"});
  const std::string pages = "E:\\cd\\pages.cfg", menu = "E:\\cd\\menu.cfg";
  EXPECT_EQ(Check(SubjectFromProject(p, "E:\\cd\\")),
            (std::vector<Finding>{
                {Severity::Error, "E:\\cd\\imgmusic\\over-de.gif",
                 "the language \"de\", page 1, spot 1: rollover image does not exist"},
                {Severity::Error, pages,
                 "language version 2 has the tag \"En\" of the default language (tags are compared without case)"},
                {Severity::Error, pages,
                 "language version 3 has the tag \"de_AT\", which is no language tag (such as \"de\" or \"pt-BR\")"},
                {Severity::Error, menu, "spot 4 (): Switch Language names no language"},
                {Severity::Error, menu,
                 "spot 5 (fr): Switch Language names the language \"fr\", which the menu has no version of"}}));
  // Without versions every Switch Language spot names a language the menu lacks, and no note is given.
  p.DefaultLanguage.clear();
  p.Languages.clear();
  std::vector<Finding> all = ProjectCheck(fs).Run(SubjectFromProject(p, "E:\\cd\\"));
  EXPECT_EQ(std::count_if(all.begin(), all.end(),
                          [](const Finding& f) { return f.message.find("Switch Language") != std::string::npos; }),
            4);
  EXPECT_EQ(std::count_if(all.begin(), all.end(),
                          [](const Finding& f) { return f.message.find("falls back") != std::string::npos; }),
            0);
}

TEST_F(ProjectCheckTest, AnAddedRuleRunsAfterTheOthersAndLinesNameTheirFile) {
  ProjectCheck check(fs);
  check.AddRule([](CheckContext& c) { c.Add(Severity::Note, "", "fits a 650 MB CD"); });
  check.AddRule(
      [](CheckContext& c) { c.Add(Severity::Warning, c.Subject().root + "Orbstart.exe", "unsigned"); });
  std::vector<Finding> findings = check.Run(SubjectFromProject(Project(), "E:\\cd\\"));
  std::erase_if(findings,
                [](const Finding& f) { return f.message.find("disc image will hold") != std::string::npos; });
  DropTwinNotes(findings);
  ASSERT_EQ(findings.size(), 2u);
  EXPECT_EQ(FindingLine(findings[0]), "warning: E:\\cd\\Orbstart.exe: unsigned");
  EXPECT_EQ(FindingLine(findings[1]), "note: fits a 650 MB CD");
  EXPECT_FALSE(HasErrors(findings));
  EXPECT_TRUE(HasWarnings(findings));
}

TEST_F(ProjectCheckTest, WhatTheImageCannotHoldIsAnErrorElseItsSizeIsANote) {
  std::vector<Finding> findings = ProjectCheck(fs).Run(SubjectFromProject(Project(), "E:\\cd\\"));
  DropTwinNotes(findings);
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_EQ(findings[0].severity, Severity::Note);
  EXPECT_NE(findings[0].message.find("hold 6 files in "), std::string::npos) << findings[0].message;
  EXPECT_NE(findings[0].message.find("it fits a 650 MB CD"), std::string::npos);

  std::string long_name = "E:\\cd\\" + std::string(65, 'n') + ".txt";
  fs.files[long_name] = "x";
  findings = ProjectCheck(fs).Run(SubjectFromProject(Project(), "E:\\cd\\"));
  DropTwinNotes(findings);
  ASSERT_EQ(findings.size(), 1u);  // no size for an image that cannot be made
  EXPECT_EQ(findings[0].severity, Severity::Error);
  EXPECT_EQ(findings[0].file, long_name);
}

TEST_F(ProjectCheckTest, PicturesWithoutAnAt2xTwinAreNotedOnceAndTwinsOfTheWrongSizeAreErrors) {
  // GIF headers: the size is all the check reads.
  auto gif = [](int w, int h) {
    return std::string("GIF89a") + char(w & 0xFF) + char(w >> 8) + char(h & 0xFF) + char(h >> 8) + "...";
  };
  fs.files["E:\\cd\\imgmusic\\over.gif"] = gif(80, 41);
  fs.files["E:\\cd\\imgmusic\\back.jpg"] = "not a picture the check can size";
  fs.files["E:\\cd\\imgmusic\\over@2x.gif"] = gif(160, 83);   // 82 within one pixel
  fs.files["E:\\cd\\imgmusic\\over@1.5x.gif"] = gif(121, 64);  // 120 and 61.5
  ProjectData p = Project();
  p.Spots.push_back(p.Spots[0]);  // the same rollover twice
  std::vector<Finding> findings = ProjectCheck(fs).Run(SubjectFromProject(p, "E:\\cd\\"));
  std::erase_if(findings, [](const Finding& f) { return f.message.find("disc image will hold") != std::string::npos; });
  EXPECT_EQ(findings,
            (std::vector<Finding>{
                {Severity::Error, "E:\\cd\\imgmusic\\over@1.5x.gif",
                 "the @1.5x twin of the spot 1 (Setup): rollover image is 121x64, not 1.5 times the picture's 80x41"},
                {Severity::Note, "E:\\cd\\imgmusic\\back.jpg",
                 "the background image has no @2x twin: it will be scaled up on high-DPI screens"}}));
}

TEST(MediaFit, EachDiscUpToItsLastSector) {
  EXPECT_EQ(MediaFitText(0), "it fits a 650 MB CD");
  EXPECT_EQ(MediaFitText(333000ull * 2048), "it fits a 650 MB CD");
  EXPECT_EQ(MediaFitText(333000ull * 2048 + 1), "it fits a 700 MB CD, not a 650 MB one");
  EXPECT_TRUE(FitsCd(360000ull * 2048));
  EXPECT_EQ(MediaFitText(360000ull * 2048 + 1), "it fits a 4.7 GB DVD, not a CD");
  EXPECT_EQ(MediaFitText(4700372992ull), "it fits a 4.7 GB DVD, not a CD");
  EXPECT_EQ(MediaFitText(4700372993ull), "it is too big even for a 4.7 GB DVD");
  EXPECT_EQ(SizeText(70039552), "66.8 MB");
  EXPECT_EQ(SizeText(5ull << 30), "5120.0 MB");
}

}  // namespace
}  // namespace orb
