// Generate, Preview, Make Cd and Test: the order of checks, generator steps, messages and the player start.
#include <gtest/gtest.h>

#include "tests/editor/windows/MainWindowFakes.h"

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
  rig.window.Model().AddSpot(NamedSpot("Go"));
  rig.log.calls.clear();
}

TEST(GenerateSimple, NeedsARootFolder) {
  MainWindowRig rig;
  rig.window.cmdgenerate_Click();
  rig.window.cmdpreview_Click();
  EXPECT_EQ(rig.log.calls, (std::vector<std::string>{"box:Please select a Root Folder.",
                                                     "box:Please select a Root Folder."}));
  EXPECT_EQ(rig.messages.boxes[0].title, "");
  EXPECT_EQ(rig.messages.boxes[0].icon, MsgIcon::Information);
}

TEST(GenerateSimple, RunsTheStepWithTheFieldsThenShowsSuccess) {
  MainWindowRig rig;
  SimpleRoot(rig, "E:\\");
  rig.window.txtcmdline_Change(" -q ");
  rig.window.cmdgenerate_Click();
  EXPECT_EQ(rig.log.calls, (std::vector<std::string>{"simple:E:\\", "box:" + kSuccessE}));
  EXPECT_EQ(rig.messages.boxes[0].title, "Success");
  EXPECT_EQ(rig.generator.last_simple.CommandLine, " -q ");
  EXPECT_EQ(rig.generator.last_simple.RootFolder, "E:\\");
}

TEST(GenerateSimple, AMissingPlayerIsAnErrorWithoutSuccess) {
  MainWindowRig rig;
  SimpleRoot(rig, "E:\\");
  rig.generator.player_found = false;
  rig.window.cmdgenerate_Click();
  ASSERT_EQ(rig.messages.boxes.size(), 1u);
  EXPECT_EQ(rig.messages.boxes[0].text, kMissing);
  EXPECT_EQ(rig.messages.boxes[0].title, "Error");
  EXPECT_EQ(rig.messages.boxes[0].icon, MsgIcon::Critical);
}

TEST(PreviewSimple, GeneratesThenStartsThePlayerWithoutSuccessMessage) {
  MainWindowRig rig;
  SimpleRoot(rig, "C:\\My Cd\\");
  rig.window.cmdpreview_Click();
  EXPECT_EQ(rig.log.calls, (std::vector<std::string>{"simple:C:\\My Cd\\",
                                                     "shell:Open|C:\\My Cd\\Orbstart.exe|||1"}));
  rig.log.calls.clear();
  rig.generator.player_found = false;
  rig.window.cmdpreview_Click();
  EXPECT_EQ(rig.log.calls, (std::vector<std::string>{"simple:C:\\My Cd\\", std::string("box:") + kMissing,
                                                     "shell:Open|C:\\My Cd\\Orbstart.exe|||1"}));
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
  for (const std::string& call : rig.log.calls) {
    EXPECT_EQ(call.rfind("menucfg", 0), std::string::npos);
    EXPECT_EQ(call.rfind("shell", 0), std::string::npos);
  }
}

TEST(MakeCd, WritesMenuCfgThenTheMenuStepThenSuccess) {
  MainWindowRig rig;
  ReadyMenu(rig);
  rig.window.cmdgenerate2_Click();
  EXPECT_EQ(rig.log.calls, (std::vector<std::string>{"menucfg:E:\\", "menu:E:\\", "box:" + kSuccessE}));
}

TEST(MakeCd, AMissingPlayerIsReportedWithoutSuccess) {
  MainWindowRig rig;
  ReadyMenu(rig);
  rig.generator.player_found = false;
  rig.window.cmdgenerate2_Click();
  EXPECT_EQ(rig.BoxTexts(), std::vector<std::string>{kMissing});
}

TEST(MakeCd, AFailedMenuCfgIsReportedAndNothingElseIsWritten) {
  MainWindowRig rig;
  ReadyMenu(rig);
  rig.generator.menu_cfg_error = "E:\\menu.cfg: disk full";
  rig.window.cmdgenerate2_Click();
  EXPECT_EQ(rig.log.calls, (std::vector<std::string>{"menucfg:E:\\", "box:E:\\menu.cfg: disk full"}));
  EXPECT_EQ(rig.messages.boxes[0].icon, MsgIcon::Critical);
}

TEST(MakeCd, FieldsOutsideTheRootAreNamedAndTheUserDecides) {
  MainWindowRig rig;
  ReadyMenu(rig);
  rig.generator.outside = {"Sound File", "spot 1 (Go): Rollover Image"};
  rig.messages.answers = {MsgResult::No};
  rig.window.cmdgenerate2_Click();
  ASSERT_EQ(rig.log.calls.size(), 1u) << "No writes nothing";
  const ShownBox& box = rig.messages.boxes[0];
  EXPECT_EQ(box.buttons, MsgButtons::YesNo);
  EXPECT_NE(box.text.find("(E:\\)"), std::string::npos);
  EXPECT_NE(box.text.find("\r\nSound File\r\nspot 1 (Go): Rollover Image\r\n"), std::string::npos);
  rig.messages.answers = {MsgResult::Yes};
  rig.window.cmdgenerate2_Click();
  EXPECT_EQ(rig.log.calls.back(), "box:" + kSuccessE);
  // Test asks once too, and starts nothing when the user says No.
  rig.log.calls.clear();
  rig.messages.answers = {MsgResult::No};
  rig.window.cmdpreview2_Click();
  EXPECT_EQ(rig.log.calls.size(), 1u);
  EXPECT_EQ(rig.window.PreviewTag(), "");
}

TEST(TestButton, GeneratesQuietlyStartsThePlayerAndClearsTheTag) {
  MainWindowRig rig;
  ReadyMenu(rig);
  rig.window.cmdpreview2_Click();
  EXPECT_EQ(rig.log.calls, (std::vector<std::string>{"menucfg:E:\\", "menu:E:\\", "shell:Open|E:\\Orbstart.exe|||1"}));
  EXPECT_EQ(rig.window.PreviewTag(), "");
  rig.log.calls.clear();
  rig.window.cmdgenerate2_Click();  // Make Cd right after Test shows its success message again
  EXPECT_EQ(rig.log.calls.back(), "box:" + kSuccessE);
  rig.log.calls.clear();
  rig.generator.player_found = false;
  rig.window.cmdpreview2_Click();
  EXPECT_EQ(rig.log.calls, (std::vector<std::string>{"menucfg:E:\\", "menu:E:\\", std::string("box:") + kMissing,
                                                     "shell:Open|E:\\Orbstart.exe|||1"}));
}

TEST(MakeCd, UsesTheRememberedRootForAllFiles) {
  MainWindowRig rig;
  ReadyMenu(rig);
  // A root typed into the field by other code: the files still go to the remembered folder.
  rig.window.Model().SetField(ProjectField::RootFolder, "X:\\elsewhere\\");
  rig.window.cmdgenerate2_Click();
  EXPECT_EQ(rig.log.calls.front(), "menucfg:E:\\");
}

}  // namespace
}  // namespace orb::test
