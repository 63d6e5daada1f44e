// The generator: which files it writes in which order, its checks and messages, and its failures.
#include "output/Generator.h"

#include <gtest/gtest.h>

#include "cdformat/CdFormats.h"
#include "cdformat/PagesText.h"
#include "tests/support/FakeFileSystem.h"

namespace orb {
namespace {

class GeneratorTest : public ::testing::Test {
 protected:
  GeneratorTest() {
    fs.files["C:\\Prog\\Orbstart.exe"] = "player";
    fs.files["C:\\Windows\\system32\\rtxcore.dll"] = "runtime";
    fs.folders.insert("E:\\cd\\");
  }

  Generator Make() {
    return Generator(GeneratorEnvironment{fs, "C:\\Prog\\Orbstart.exe", "C:\\Windows\\system32", copy_runtime,
                                          sign_player},
                     [this](const GeneratorMessage& m) { messages.push_back(m); });
  }

  static ProjectData Project() {
    ProjectData p;
    p.RootFolder = "E:\\cd\\";
    p.CdTitle = "Demo";
    p.CdIcon = "E:\\cd\\imgmusic\\cd.ico ";
    p.SoundFile = "E:\\cd\\imgmusic\\start.wav";
    p.BackgroundImage = "E:\\cd\\imgmusic\\back.jpg";
    MenuSpot s;
    s.Name = "Setup";
    s.Action = 1;
    s.Target = "E:\\cd\\setup.exe";
    s.RolloverImage = "E:\\cd\\imgmusic\\over.gif";
    p.Spots.push_back(s);
    return p;
  }

  FakeFileSystem fs;
  bool copy_runtime = true;
  PlayerSigner sign_player;
  std::vector<GeneratorMessage> messages;
};

GeneratorMessage Info(const std::string& text) {
  return GeneratorMessage{text, MessageIcon::Information, ""};
}

const GeneratorMessage kSuccess{SuccessText("E:\\cd\\"), MessageIcon::Information, "Success"};
const GeneratorMessage kPlayerError{"Could not find Orbstart.exe. Please reinstall the software.",
                                    MessageIcon::Error, "Error"};

TEST_F(GeneratorTest, SimpleModeWithOnlyARootWritesEmptyEntriesAndCopiesPlayerAndRuntime) {
  GenerateResult r = Make().GenerateSimple(SimpleAutorun{}, "E:\\cd\\", "E:\\cd\\");
  EXPECT_EQ(r.status, GenerateStatus::Done);
  EXPECT_EQ(fs.log, (std::vector<std::string>{
                        "write E:\\cd\\menu.cfg", "write E:\\cd\\autorun.inf", "write E:\\cd\\autorun.des",
                        "copy C:\\Prog\\Orbstart.exe -> E:\\cd\\Orbstart.exe",
                        "copy C:\\Windows\\system32\\rtxcore.dll -> E:\\cd\\rtxcore.dll"}));
  EXPECT_EQ(fs.files["E:\\cd\\menu.cfg"], "false\r\n");
  EXPECT_EQ(fs.files["E:\\cd\\autorun.inf"], "[AutoRun]\r\nOPEN=Orbstart.exe\r\nIcon=Orbstart.exe\r\n");
  EXPECT_EQ(fs.files["E:\\cd\\autorun.des"], AutorunDes(AutorunEntries{}));
  EXPECT_EQ(fs.files["E:\\cd\\Orbstart.exe"], "player");
  EXPECT_EQ(messages, std::vector<GeneratorMessage>{kSuccess});
  EXPECT_EQ(kSuccess.text,
            "All autorun files have been generated in the (E:\\cd\\) folder.\r\n"
            "Now put all these files on root of your Cd and Burn them. Enjoy!");
}

TEST_F(GeneratorTest, SimpleModeEntriesAreRelativeToTheRoot) {
  SimpleAutorun s{"C:\\cd\\", "C:\\cd\\imgmusic\\demo.exe", "C:\\cd\\ cd.ico", "C:\\cd\\imgmusic\\intro.mp3",
                  "  -fullscreen "};
  ASSERT_EQ(Make().GenerateSimple(s, "C:\\cd\\", "C:\\cd\\").status, GenerateStatus::Done);
  EXPECT_EQ(fs.files["C:\\cd\\autorun.inf"], "[AutoRun]\r\nOPEN=Orbstart.exe\r\nIcon=\\ cd.ico\r\n");
  EXPECT_EQ(fs.files["C:\\cd\\autorun.des"],
            AutorunDes(AutorunEntries{"\\imgmusic\\demo.exe", "\\imgmusic\\intro.mp3", "-fullscreen"}));
}

TEST_F(GeneratorTest, RuntimeCopyFollowsTheSettingAndTheSystemFolder) {
  copy_runtime = false;
  Make().GenerateSimple(SimpleAutorun{}, "E:\\cd\\", "E:\\cd\\");
  EXPECT_FALSE(fs.files.count("E:\\cd\\rtxcore.dll"));
  copy_runtime = true;
  Make().GenerateSimple(SimpleAutorun{}, "E:\\cd\\", "E:\\cd\\");
  EXPECT_EQ(fs.files["E:\\cd\\rtxcore.dll"], "runtime");

  fs.files.erase("E:\\cd\\rtxcore.dll");
  fs.files.erase("C:\\Windows\\system32\\rtxcore.dll");
  fs.log.clear();
  messages.clear();
  EXPECT_EQ(Make().GenerateSimple(SimpleAutorun{}, "E:\\cd\\", "E:\\cd\\").status, GenerateStatus::Done);
  EXPECT_EQ(fs.log.size(), 4u) << "no runtime on this system: no copy tried, nothing reported";
  EXPECT_EQ(messages, std::vector<GeneratorMessage>{kSuccess});

  // The player does not need it, so a runtime copy that fails is no failure of the CD.
  fs.files["C:\\Windows\\system32\\rtxcore.dll"] = "runtime";
  fs.failing_copies.insert("E:\\cd\\rtxcore.dll");
  messages.clear();
  EXPECT_EQ(Make().GenerateSimple(SimpleAutorun{}, "E:\\cd\\", "E:\\cd\\").status, GenerateStatus::Done);
  EXPECT_FALSE(fs.files.count("E:\\cd\\rtxcore.dll"));
  EXPECT_EQ(messages, std::vector<GeneratorMessage>{kSuccess});
}

TEST_F(GeneratorTest, MakeCdChecksInOrderAndWritesNothingWhenOneFails) {
  ProjectData p = Project();
  auto expect_check = [&](const ProjectData& project, const std::string& root_field, const char* message) {
    messages.clear();
    GenerateResult r = Make().MakeCd(project, root_field, "E:\\cd\\");
    EXPECT_EQ(r.status, GenerateStatus::CheckFailed);
    EXPECT_EQ(messages, std::vector<GeneratorMessage>{Info(message)}) << message;
  };
  ProjectData empty;
  expect_check(empty, "", "Please select a Root Folder.");
  expect_check(empty, "E:\\cd\\", "Please select a background image. It is required.");
  empty.BackgroundImage = "E:\\cd\\b.jpg";
  expect_check(empty, "E:\\cd\\", "Minimum one Menu spot is needed.Please Click Create.");
  expect_check(p, "", "Please select a Root Folder.");
  EXPECT_TRUE(fs.log.empty());
  messages.clear();
  EXPECT_EQ(Make().GenerateSimple(SimpleAutorun{}, "", "E:\\cd\\").status, GenerateStatus::CheckFailed);
  EXPECT_EQ(messages, std::vector<GeneratorMessage>{Info("Please select a Root Folder.")});
  EXPECT_TRUE(fs.log.empty());
}

TEST_F(GeneratorTest, MakeCdWritesTheMenuThenTheAutorunFilesAndThePlayer) {
  ProjectData p = Project();
  ASSERT_EQ(Make().MakeCd(p, "E:\\cd\\", "E:\\cd\\").status, GenerateStatus::Done);
  EXPECT_EQ(fs.log.front(), "write E:\\cd\\menu.cfg");
  EXPECT_EQ(fs.files["E:\\cd\\menu.cfg"], MenuCfgForMenu(p, "E:\\cd\\"));
  EXPECT_EQ(fs.files["E:\\cd\\autorun.inf"], "[AutoRun]\r\nOPEN=Orbstart.exe\r\nIcon=\\imgmusic\\cd.ico\r\n");
  EXPECT_EQ(fs.files["E:\\cd\\autorun.des"], AutorunDes(AutorunEntries{"", "\\imgmusic\\start.wav", ""}));
  EXPECT_EQ(fs.files["E:\\cd\\Orbstart.exe"], "player");
  EXPECT_EQ(messages, std::vector<GeneratorMessage>{kSuccess});

  // Test runs quietly; generating again replaces the files in place and deletes nothing.
  messages.clear();
  fs.log.clear();
  fs.files["E:\\cd\\imgmusic\\back.jpg"] = "picture";
  p.CdTitle = "Second";
  ASSERT_EQ(Make().MakeCd(p, "E:\\cd\\", "E:\\cd\\", {.quiet = true}).status, GenerateStatus::Done);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(fs.files["E:\\cd\\menu.cfg"], MenuCfgForMenu(p, "E:\\cd\\"));
  EXPECT_EQ(fs.files["E:\\cd\\imgmusic\\back.jpg"], "picture");
  for (const std::string& op : fs.log) EXPECT_NE(op.rfind("delete", 0), 0u) << op;
}

TEST_F(GeneratorTest, FurtherPagesAreCheckedWrittenToPagesCfgAndRemovedWithThem) {
  ProjectData p = Project();
  MenuPage extras{"Extras", "Extras", "", {}};
  p.Pages.push_back(extras);
  EXPECT_EQ(Make().MakeCd(p, "E:\\cd\\", "E:\\cd\\").status, GenerateStatus::CheckFailed);
  p.Pages[0].BackgroundImage = "E:\\cd\\imgmusic\\extras.jpg";
  EXPECT_EQ(Make().MakeCd(p, "E:\\cd\\", "E:\\cd\\").status, GenerateStatus::CheckFailed);
  EXPECT_EQ(messages,
            (std::vector<GeneratorMessage>{
                Info("Please select a background image for the page \"Extras\". It is required."),
                Info("Minimum one Menu spot is needed on the page \"Extras\". Please Click Create.")}));
  EXPECT_TRUE(fs.log.empty());

  MenuSpot back;
  back.Action = ActionCode(ActionKind::GoBack);
  back.RolloverImage = "D:\\art\\back.gif";
  p.Pages[0].Spots.push_back(back);
  EXPECT_EQ(
      Make().MakeCd(p, "E:\\cd\\", "E:\\cd\\").outside_root,
      (std::vector<OutsideRootField>{{"page \"Extras\", spot 1 (): rollover image", "D:\\art\\back.gif"}}));
  p.Pages[0].Spots[0].RolloverImage = "E:\\cd\\imgmusic\\back.gif";
  messages.clear();
  ASSERT_EQ(Make().MakeCd(p, "E:\\cd\\", "E:\\cd\\").status, GenerateStatus::Done);
  EXPECT_EQ(fs.files["E:\\cd\\menu.cfg"], MenuCfgForMenu(p, "E:\\cd\\"));
  EXPECT_EQ(fs.files["E:\\cd\\pages.cfg"], PagesText(p, "E:\\cd\\", PagesPathForm::CdRoot));
  EXPECT_NE(fs.files["E:\\cd\\pages.cfg"].find("\\imgmusic\\extras.jpg\r\n"), std::string::npos);

  // Back to one page: the stale pages.cfg goes, or the player would still show the old pages; so it does
  // when the root turns to a simple autorun.
  ProjectData several = p;
  p.Pages.clear();
  ASSERT_EQ(Make().MakeCd(p, "E:\\cd\\", "E:\\cd\\").status, GenerateStatus::Done);
  EXPECT_FALSE(fs.files.count("E:\\cd\\pages.cfg"));
  // Language versions reach the player in pages.cfg, so one page with them writes it.
  ProjectData languages = p;
  languages.Languages = {{"de", {{LanguageField::Title, 1, 0, "Meine CD"}}}};
  ASSERT_EQ(Make().MakeCd(languages, "E:\\cd\\", "E:\\cd\\").status, GenerateStatus::Done);
  EXPECT_EQ(fs.files["E:\\cd\\pages.cfg"], PagesText(languages, "E:\\cd\\", PagesPathForm::CdRoot));
  ASSERT_EQ(Make().MakeCd(several, "E:\\cd\\", "E:\\cd\\").status, GenerateStatus::Done);
  ASSERT_EQ(Make().GenerateSimple(SimpleAutorun{}, "E:\\cd\\", "E:\\cd\\").status, GenerateStatus::Done);
  EXPECT_FALSE(fs.files.count("E:\\cd\\pages.cfg"));
}

TEST_F(GeneratorTest, MissingPlayerIsAnErrorWithoutSuccessMessage) {
  fs.files.erase("C:\\Prog\\Orbstart.exe");
  GenerateResult r = Make().MakeCd(Project(), "E:\\cd\\", "E:\\cd\\");
  EXPECT_EQ(r.status, GenerateStatus::Failed);
  EXPECT_EQ(messages, std::vector<GeneratorMessage>{kPlayerError});
  EXPECT_TRUE(fs.files.count("E:\\cd\\menu.cfg"));
  messages.clear();
  EXPECT_EQ(Make().GenerateSimple(SimpleAutorun{}, "E:\\cd\\", "E:\\cd\\").status, GenerateStatus::Failed);
  EXPECT_EQ(messages, std::vector<GeneratorMessage>{kPlayerError});
}

TEST_F(GeneratorTest, PlayerThatCannotBeCopiedIsNamed) {
  fs.failing_copies.insert("E:\\cd\\Orbstart.exe");
  EXPECT_EQ(Make().MakeCd(Project(), "E:\\cd\\", "E:\\cd\\").status, GenerateStatus::Failed);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text,
            "Could not copy C:\\Prog\\Orbstart.exe to E:\\cd\\Orbstart.exe: the copy was cut short");
  EXPECT_EQ(messages[0].icon, MessageIcon::Error);
}

TEST_F(GeneratorTest, PlayerIsSignedAfterItsCopyAndAFailureStopsTheRun) {
  std::string problem = "E:\\cd\\Orbstart.exe was not signed: exit code 3";
  sign_player = [&](const std::string& player) {
    fs.log.push_back("sign " + player + " (" + fs.files[player] + ")");
    return problem;
  };
  GenerateResult r = Make().MakeCd(Project(), "E:\\cd\\", "E:\\cd\\");
  EXPECT_EQ(r.status, GenerateStatus::SignFailed);
  ASSERT_GE(fs.log.size(), 2u);
  EXPECT_EQ(fs.log.back(), "sign E:\\cd\\Orbstart.exe (player)") << "signed last, after every copy";
  EXPECT_EQ(messages, (std::vector<GeneratorMessage>{{problem, MessageIcon::Error, "Error"}}));

  problem.clear();
  messages.clear();
  EXPECT_EQ(Make().GenerateSimple(SimpleAutorun{}, "E:\\cd\\", "E:\\cd\\").status, GenerateStatus::Done);
  EXPECT_EQ(messages, std::vector<GeneratorMessage>{kSuccess});

  // A player that was not copied is not signed: the copy's own message is the one shown.
  fs.files.erase("C:\\Prog\\Orbstart.exe");
  fs.log.clear();
  messages.clear();
  EXPECT_EQ(Make().MakeCd(Project(), "E:\\cd\\", "E:\\cd\\").status, GenerateStatus::Failed);
  EXPECT_EQ(messages, std::vector<GeneratorMessage>{kPlayerError});
  for (const std::string& op : fs.log) EXPECT_NE(op.rfind("sign", 0), 0u) << op;
}

TEST_F(GeneratorTest, FailedWritesAreReportedAndStopTheRun) {
  fs.files["E:\\cd\\menu.cfg"] = "old menu";
  fs.failing_writes.insert("E:\\cd\\menu.cfg");
  EXPECT_EQ(Make().MakeCd(Project(), "E:\\cd\\", "E:\\cd\\").status, GenerateStatus::Failed);
  GeneratorMessage error{"Could not write E:\\cd\\menu.cfg: No space left on device", MessageIcon::Error,
                         "Error"};
  EXPECT_EQ(messages, std::vector<GeneratorMessage>{error});
  EXPECT_EQ(fs.files["E:\\cd\\menu.cfg"], "old menu");
  EXPECT_TRUE(fs.log.empty());

  messages.clear();
  fs.failing_writes = {"E:\\cd\\autorun.des"};
  EXPECT_EQ(Make().GenerateSimple(SimpleAutorun{}, "E:\\cd\\", "E:\\cd\\").status, GenerateStatus::Failed);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Could not write E:\\cd\\autorun.des: No space left on device");
  EXPECT_FALSE(fs.files.count("E:\\cd\\Orbstart.exe"));
}

TEST_F(GeneratorTest, FilesOutsideTheRootAreFoundBeforeAnythingIsWritten) {
  ProjectData p = Project();
  p.SplashImage = "D:\\art\\splash.jpg";
  p.SoundFile = "e:\\CD\\imgmusic\\start.wav";  // Windows names: letters compare without case
  p.Spots[0].MoveSound = "   ";                 // blank: no file
  p.Spots[0].ClickSound = " E:\\cd\\c.wav";     // the blank would shift the relative path
  MenuSpot url;
  url.Name = " Web ";
  url.Action = 2;
  url.Target = "http://example.invalid/";
  url.RolloverImage = "C:\\Users\\me\\web.gif";
  p.Spots.push_back(url);

  GenerateResult r = Make().MakeCd(p, "E:\\cd\\", "E:\\cd\\");
  EXPECT_EQ(r.status, GenerateStatus::NeedsConfirmation);
  std::vector<OutsideRootField> expected = {{"splash image", "D:\\art\\splash.jpg"},
                                            {"spot 1 (Setup): click sound", " E:\\cd\\c.wav"},
                                            {"spot 2 (Web): rollover image", "C:\\Users\\me\\web.gif"}};
  EXPECT_EQ(r.outside_root, expected);
  EXPECT_TRUE(fs.log.empty());
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(OutsideRootText(expected, "E:\\cd\\"),
            "These files are not inside the root folder (E:\\cd\\), so the CD would not find them:\r\n"
            "splash image: D:\\art\\splash.jpg\r\nspot 1 (Setup): click sound:  E:\\cd\\c.wav\r\n"
            "spot 2 (Web): rollover image: C:\\Users\\me\\web.gif");

  EXPECT_EQ(Make().MakeCd(p, "E:\\cd\\", "E:\\cd\\", {.outside_root_confirmed = true}).status,
            GenerateStatus::Done);
  EXPECT_EQ(messages, std::vector<GeneratorMessage>{kSuccess});

  SimpleAutorun s;
  s.StartProgram = "D:\\setup.exe";
  EXPECT_EQ(Make().GenerateSimple(s, "E:\\cd\\", "E:\\cd\\").outside_root,
            (std::vector<OutsideRootField>{{"start program", "D:\\setup.exe"}}));
}

TEST_F(GeneratorTest, DriveRootAndLinuxRoot) {
  fs.folders.insert("E:\\");
  ProjectData p = Project();
  for (MenuSpot& s : p.Spots) s.RolloverImage = "E:\\over.gif";
  p.RootFolder = "E:\\";
  ASSERT_EQ(Make().MakeCd(p, "E:\\", "E:\\").status, GenerateStatus::Done);
  EXPECT_EQ(messages.back().text.substr(0, 57), "All autorun files have been generated in the (E:\\) folder");
  EXPECT_NE(fs.files["E:\\menu.cfg"].find("\r\n\\over.gif\r\n"), std::string::npos);

  ProjectData linux_project = Project();
  linux_project.BackgroundImage = "/tmp/cd\\imgmusic\\back.jpg";
  linux_project.Spots[0].RolloverImage = "/tmp/cd\\imgmusic\\over.gif";
  linux_project.Spots[0].Target = "/tmp/cd\\setup.exe";
  linux_project.CdIcon = linux_project.SoundFile = "";
  ASSERT_EQ(Make().MakeCd(linux_project, "/tmp/cd\\", "/tmp/cd\\").status, GenerateStatus::Done);
  EXPECT_NE(fs.files["/tmp/cd\\menu.cfg"].find("true\r\n\\imgmusic\\back.jpg\r\n"), std::string::npos);
}

}  // namespace
}  // namespace orb
