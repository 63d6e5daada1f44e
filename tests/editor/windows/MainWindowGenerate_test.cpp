// Generate, Preview, Make Cd and Test: the order of checks, written files, messages and the player start.
#include <gtest/gtest.h>

#include <algorithm>

#include "output/PlayerSigning.h"
#include "tests/editor/windows/MainWindowFakes.h"
#include "tests/support/SigningFixtures.h"

namespace orb::test {
namespace {

const std::string kSuccessE =
    "All autorun files have been generated in the (E:\\) folder.\r\n"
    "Now put all these files on root of your Cd and Burn them. Enjoy!";
const char* const kMissing = "Could not find Orbstart.exe. Please reinstall the software.";

void SimpleRoot(MainWindowRig& rig, const std::string& root) {
  rig.folders.answer = root;
  rig.window.cmdroot_Click();
}

// A menu project in E:\ that passes the three checks.
void ReadyMenu(MainWindowRig& rig) {
  rig.EnterMenuPanel();
  rig.folders.answer = "E:\\";
  rig.window.cmdroot2_Click();
  rig.window.Model().SetField(ProjectField::BackgroundImage, "E:\\imgmusic\\back.jpg");
  MenuSpot spot = NamedSpot("Go");
  spot.RolloverImage = "E:\\imgmusic\\go.gif";
  rig.window.Model().AddSpot(spot);
  rig.log.calls.clear();
}

std::vector<std::string> Only(const std::vector<std::string>& calls, const std::string& prefix) {
  std::vector<std::string> out;
  std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
               [&](const std::string& c) { return c.rfind(prefix, 0) == 0; });
  return out;
}

TEST(GenerateSimple, NeedsARootFolderAndWritesNothingWithout) {
  MainWindowRig rig;
  rig.window.cmdgenerate_Click();
  rig.window.cmdpreview_Click();
  EXPECT_EQ(rig.log.calls, (std::vector<std::string>{"box:Please select a Root Folder.",
                                                     "box:Please select a Root Folder."}));
  EXPECT_EQ(rig.messages.boxes[0].title, "");
  EXPECT_EQ(rig.messages.boxes[0].icon, MsgIcon::Information);
}

TEST(GenerateSimple, WritesTheRootCopiesThePlayerThenShowsSuccess) {
  MainWindowRig rig;
  SimpleRoot(rig, "E:\\");
  rig.window.txtcmdline_Change(" -q ");
  rig.window.cmdgenerate_Click();
  EXPECT_EQ(rig.files.files["E:\\menu.cfg"], "false\r\n");
  EXPECT_EQ(rig.files.files["E:\\Orbstart.exe"], "player");
  EXPECT_NE(rig.files.files["E:\\autorun.inf"].find("Icon=Orbstart.exe"), std::string::npos);
  EXPECT_EQ(rig.files.files["E:\\autorun.des"].size(), 616u);
  EXPECT_EQ(rig.BoxTexts(), std::vector<std::string>{kSuccessE});
  EXPECT_EQ(rig.messages.boxes[0].title, "Success");
}

TEST(GenerateSimple, AMissingPlayerIsAnErrorWithoutSuccess) {
  MainWindowRig rig;
  SimpleRoot(rig, "E:\\");
  rig.files.files.erase("C:\\Orb\\Orbstart.exe");
  rig.window.cmdgenerate_Click();
  ASSERT_EQ(rig.messages.boxes.size(), 1u);
  EXPECT_EQ(rig.messages.boxes[0].text, kMissing);
  EXPECT_EQ(rig.messages.boxes[0].title, "Error");
  EXPECT_EQ(rig.messages.boxes[0].icon, MsgIcon::Critical);
}

TEST(GenerateSimple, RuntimeLibraryFollowsTheOption) {
  MainWindowRig rig;
  rig.window.SetSystemFolder("C:\\Windows\\System32");
  rig.files.files["C:\\Windows\\System32\\rtxcore.dll"] = "dll";
  SimpleRoot(rig, "E:\\");
  rig.settings.Write("OBM", "Options", "RtxRuntimes", "1");
  rig.window.cmdgenerate_Click();
  EXPECT_EQ(rig.files.files.count("E:\\rtxcore.dll"), 0u);
  rig.settings.Write("OBM", "Options", "RtxRuntimes", "0");
  rig.window.cmdgenerate_Click();
  EXPECT_EQ(rig.files.files["E:\\rtxcore.dll"], "dll");
}

TEST(PreviewSimple, GeneratesQuietlyThenStartsThePlayer) {
  MainWindowRig rig;
  SimpleRoot(rig, "C:\\My Cd\\");
  rig.window.cmdpreview_Click();
  EXPECT_TRUE(rig.messages.boxes.empty());
  EXPECT_EQ(Only(rig.log.calls, "shell"), std::vector<std::string>{"shell:Open|C:\\My Cd\\Orbstart.exe|||1"});
  EXPECT_EQ(rig.files.files["C:\\My Cd\\menu.cfg"], "false\r\n");
  rig.log.calls.clear();
  rig.files.files.erase("C:\\Orb\\Orbstart.exe");
  rig.window.cmdpreview_Click();
  EXPECT_EQ(Only(rig.log.calls, "box:").back(), std::string("box:") + kMissing);
  EXPECT_EQ(rig.log.calls.back(), "shell:Open|C:\\My Cd\\Orbstart.exe|||1");
}

TEST(MakeCd, ChecksComeInOrderAndEachStopsBeforeWriting) {
  MainWindowRig rig;
  rig.EnterMenuPanel();
  rig.window.cmdgenerate2_Click();
  rig.folders.answer = "E:\\";
  rig.window.cmdroot2_Click();
  rig.window.cmdgenerate2_Click();
  rig.window.Model().SetField(ProjectField::BackgroundImage, "E:\\b.bmp");
  rig.window.cmdgenerate2_Click();
  rig.window.cmdpreview2_Click();
  EXPECT_EQ(rig.BoxTexts(), (std::vector<std::string>{
                                "Please select a Root Folder.",
                                "Please select a background image. It is required.",
                                "Minimum one Menu spot is needed.Please Click Create.",
                                "Minimum one Menu spot is needed.Please Click Create.",
                            }));
  EXPECT_TRUE(Only(rig.log.calls, "write").empty());
  EXPECT_TRUE(Only(rig.log.calls, "shell").empty());
  EXPECT_EQ(rig.window.PreviewTag(), "");
}

TEST(MakeCd, WritesEveryFileThenShowsSuccess) {
  MainWindowRig rig;
  ReadyMenu(rig);
  rig.window.cmdgenerate2_Click();
  EXPECT_EQ(Only(rig.log.calls, "write"), (std::vector<std::string>{"write:E:\\menu.cfg", "write:E:\\autorun.inf",
                                                                    "write:E:\\autorun.des"}));
  EXPECT_EQ(rig.files.files["E:\\menu.cfg"].rfind("true\r\n\\imgmusic\\back.jpg\r\n", 0), 0u);
  EXPECT_EQ(rig.files.files["E:\\Orbstart.exe"], "player");
  EXPECT_EQ(rig.BoxTexts(), std::vector<std::string>{kSuccessE});
}

TEST(MakeCd, AMissingPlayerIsReportedWithoutSuccess) {
  MainWindowRig rig;
  ReadyMenu(rig);
  rig.files.files.erase("C:\\Orb\\Orbstart.exe");
  rig.window.cmdgenerate2_Click();
  EXPECT_EQ(rig.BoxTexts(), std::vector<std::string>{kMissing});
}

TEST(MakeCd, AFailedMenuCfgIsReportedAndNoSuccessFollows) {
  MainWindowRig rig;
  ReadyMenu(rig);
  rig.files.failing_writes.insert("E:\\menu.cfg");
  rig.window.cmdgenerate2_Click();
  ASSERT_EQ(rig.messages.boxes.size(), 1u);
  EXPECT_NE(rig.messages.boxes[0].text.find("E:\\menu.cfg"), std::string::npos);
  EXPECT_EQ(rig.messages.boxes[0].icon, MsgIcon::Critical);
  EXPECT_EQ(rig.files.files.count("E:\\Orbstart.exe"), 0u);
}

TEST(MakeCd, FieldsOutsideTheRootAreNamedAndTheUserDecides) {
  MainWindowRig rig;
  ReadyMenu(rig);
  rig.window.Model().SetField(ProjectField::SoundFile, "D:\\music\\intro.wav");
  rig.messages.answers = {MsgResult::No};
  rig.window.cmdgenerate2_Click();
  EXPECT_TRUE(Only(rig.log.calls, "write").empty()) << "No writes nothing";
  ASSERT_EQ(rig.messages.boxes.size(), 1u);
  const ShownBox& box = rig.messages.boxes[0];
  EXPECT_EQ(box.buttons, MsgButtons::YesNo);
  EXPECT_NE(box.text.find("(E:\\)"), std::string::npos);
  EXPECT_NE(box.text.find("D:\\music\\intro.wav"), std::string::npos);
  EXPECT_NE(box.text.find("Do you want to go on?"), std::string::npos);
  rig.messages.answers = {MsgResult::Yes};
  rig.window.cmdgenerate2_Click();
  EXPECT_EQ(rig.BoxTexts().back(), kSuccessE);
  EXPECT_EQ(rig.files.files.count("E:\\menu.cfg"), 1u);
  // Test asks too, and starts nothing when the user says No.
  rig.log.calls.clear();
  rig.messages.answers = {MsgResult::No};
  rig.window.cmdpreview2_Click();
  EXPECT_TRUE(Only(rig.log.calls, "shell").empty());
  EXPECT_EQ(rig.window.PreviewTag(), "");
}

TEST(TestButton, GeneratesQuietlyStartsThePlayerAndClearsTheTag) {
  MainWindowRig rig;
  ReadyMenu(rig);
  rig.window.cmdpreview2_Click();
  EXPECT_TRUE(rig.messages.boxes.empty());
  EXPECT_EQ(rig.log.calls.back(), "shell:Open|E:\\Orbstart.exe|||1");
  EXPECT_EQ(rig.window.PreviewTag(), "");
  rig.window.cmdgenerate2_Click();  // Make Cd right after Test shows its success message again
  EXPECT_EQ(rig.BoxTexts(), std::vector<std::string>{kSuccessE});
  rig.log.calls.clear();
  rig.files.files.erase("C:\\Orb\\Orbstart.exe");
  rig.window.cmdpreview2_Click();
  EXPECT_EQ(Only(rig.log.calls, "box:"), std::vector<std::string>{std::string("box:") + kMissing});
  EXPECT_EQ(rig.log.calls.back(), "shell:Open|E:\\Orbstart.exe|||1");
}

TEST(MakeCd, FilesGoToTheRememberedRoot) {
  MainWindowRig rig;
  ReadyMenu(rig);
  // A root field changed by other code: the files still go to the remembered folder.
  rig.window.Model().SetField(ProjectField::RootFolder, "X:\\elsewhere\\");
  rig.window.cmdgenerate2_Click();
  EXPECT_EQ(Only(rig.log.calls, "write").front(), "write:E:\\menu.cfg");
}

// A signing command that answers as scripted; "signs" by putting the signed fixture in place.
struct ScriptedSigner : CommandRunner {
  FakeFiles& files;
  int exit_code = 0;
  std::string output;
  bool sign = true;
  std::vector<std::string> commands;
  explicit ScriptedSigner(FakeFiles& f) : files(f) {}
  CommandResult Run(const std::string& command_line, int timeout_seconds) override {
    commands.push_back(command_line);
    EXPECT_EQ(timeout_seconds, kSignTimeoutSeconds);
    if (sign) files.files["E:\\Orbstart.exe"] = fixtures::SigningFixture(fixtures::kSignedProgram);
    return {true, false, exit_code, output, ""};
  }
};

TEST(SigningThePlayer, TheCommandRunsOnTheCopyAndAFailureStopsTestAndTheImage) {
  MainWindowRig rig;
  ScriptedSigner signer(rig.files);
  rig.window.SetCommandRunner(&signer);
  rig.settings.Write("OBM", "Options", "SignCommand", "sign.cmd /f \"%1\" /q %1");
  int images = 0;
  rig.window.Hooks().make_disc_image = [&](const CheckSubject&, const std::string&) { ++images; };
  ReadyMenu(rig);

  rig.window.OnMenu(MainMenuCommand::MakeDiscImage);
  EXPECT_EQ(signer.commands,
            std::vector<std::string>{"sign.cmd /f \"E:\\Orbstart.exe\" /q E:\\Orbstart.exe"});
  EXPECT_EQ(images, 1);
  EXPECT_TRUE(rig.messages.boxes.empty());

  // A command that fails: its output in an error box, no image, no player started.
  signer.exit_code = 3;
  signer.output = "SignTool Error: No certificates were found.\r\n";
  rig.window.OnMenu(MainMenuCommand::MakeDiscImage);
  rig.window.cmdpreview2_Click();
  EXPECT_EQ(images, 1);
  EXPECT_TRUE(Only(rig.log.calls, "shell").empty());
  ASSERT_EQ(rig.messages.boxes.size(), 2u);
  const ShownBox& box = rig.messages.boxes[0];
  EXPECT_EQ(box.icon, MsgIcon::Critical);
  EXPECT_EQ(box.text,
            "E:\\Orbstart.exe was not signed: the signing command ended with exit code 3.\r\n\r\n"
            "Command: sign.cmd /f \"E:\\Orbstart.exe\" /q E:\\Orbstart.exe\r\n\r\n"
            "Its output:\r\nSignTool Error: No certificates were found.");

  // One that claims success and signs nothing is a failure too; Make Cd shows no success then.
  signer.exit_code = 0;
  signer.sign = false;
  rig.files.files["C:\\Orb\\Orbstart.exe"] = fixtures::SigningFixture(fixtures::kUnsignedProgram);
  rig.messages.boxes.clear();
  rig.window.cmdgenerate2_Click();
  ASSERT_EQ(rig.messages.boxes.size(), 1u);
  EXPECT_NE(rig.messages.boxes[0].text.find("but the file holds no signature"), std::string::npos);
}

TEST(SigningThePlayer, TheFileIsAddedQuotedWhenTheCommandDoesNotNameIt) {
  EXPECT_EQ(SignCommandLine("sign.cmd", "E:\\My CD\\Orbstart.exe"), "sign.cmd \"E:\\My CD\\Orbstart.exe\"");
  EXPECT_EQ(SignCommandLine("a %2 %%1", "x"), "a %2 %x");
}

}  // namespace
}  // namespace orb::test
