// The editor's windows joined: the command line's project loads after the slide, the spot buttons run the
// spot editor on the main window's model, and leaving the menu mode or closing asks about unsaved work.
#include "editor/windows/EditorSession.h"

#include <gtest/gtest.h>

#include "project/ProjectFile.h"
#include "tests/editor/windows/MainWindowFakes.h"

namespace orb::test {
namespace {

const char* const kProject = "C:\\MyCd\\demo.obm";

ProjectData DemoProject() {
  ProjectData d;
  d.RootFolder = "C:\\MyCd\\";
  d.BackgroundImage = "C:\\MyCd\\imgmusic\\back.jpg";
  MenuSpot s;
  s.Name = "Start";
  s.RolloverImage = "C:\\MyCd\\imgmusic\\over.gif";
  s.X = 1200;
  s.Y = 900;
  d.Spots.push_back(s);
  return d;
}

// A main window started with (or without) a project on its command line, joined to scripted windows.
struct SessionRig : MainWindowRig {
  std::function<bool(SpotEditorController&)> spot_editor;  // what the user does in the spot editor
  std::vector<int> help_topics;
  std::unique_ptr<EditorSession> session;

  explicit SessionRig(const std::string& command_line = "") {
    files.files[kProject] = ProjectFileText(DemoProject());
    files.folders.insert("C:\\MyCd\\");
    window.Form_Load(
        command_line, "C:\\Orb\\Orbmenu.exe", [this](const std::string& p) { return files.Exists(p); },
        [](const std::string& p) { return p; });
    EditorWindows windows;
    windows.spot_editor = [this](SpotEditorController& c) { return spot_editor ? spot_editor(c) : false; };
    windows.help = [this](int context) { help_topics.push_back(context); };
    session = std::make_unique<EditorSession>(
        window, EditorSession::Seams{messages, dialogs, folders, files, settings}, windows);
  }
  void Activate() {
    window.Form_Activate();
    FinishSlide();
  }
};

TEST(EditorSession, TheCommandLinesProjectLoadsOnceTheSlideIntoTheMenuModeHasEnded) {
  SessionRig rig(std::string("\"") + kProject + "\"");
  rig.window.Form_Activate();
  EXPECT_TRUE(rig.window.UpTimerEnabled()) << "the first activation switches to the menu mode";
  EXPECT_TRUE(rig.BoxTexts().empty()) << "nothing loads before the slide has ended";
  rig.FinishSlide();
  EXPECT_EQ(rig.window.Title(), std::string("Orbmenu v2.0 - (") + kProject + ")");
  EXPECT_EQ(rig.window.SpotListEntries(), (std::vector<std::string>{" New Menu Spot", "Start"}));
  EXPECT_EQ(rig.window.FieldText(MainField::txtindex2_2), "C:\\MyCd\\imgmusic\\back.jpg");
  EXPECT_EQ(rig.BoxTexts(), std::vector<std::string>{"Project successfully loaded."});
  rig.Activate();  // later activations load nothing again
  EXPECT_EQ(rig.messages.boxes.size(), 1u);
}

TEST(EditorSession, CreateAndEditRunTheSpotEditorOnTheMainWindowsProject) {
  SessionRig rig(kProject);
  rig.Activate();
  rig.window.SelectSpot(1);
  std::string preset_name;
  rig.spot_editor = [&](SpotEditorController& c) {
    preset_name = c.Text(SpotText::Name);
    c.SetText(SpotText::Name, " Start here ");
    return c.cmdok_Click();
  };
  rig.window.cmdedit_Click();
  EXPECT_EQ(preset_name, "Start");
  EXPECT_EQ(rig.window.Model().Data().Spots.at(0).Name, " Start here ");
  EXPECT_EQ(rig.window.SpotListEntries().at(1), "Start here");
  EXPECT_TRUE(rig.window.Model().Dirty());

  // A new spot whose rollover lies outside the root is copied into imgmusic through the main window's rule.
  rig.files.files["D:\\art\\web.gif"] = "gif";
  rig.dialogs.answer = "D:\\art\\web.gif";
  rig.spot_editor = [&](SpotEditorController& c) {
    EXPECT_EQ(c.Tag(), "") << "a new spot starts with an empty tag";
    c.SetText(SpotText::Name, "Web");
    c.imgbrowse_Click(1);
    c.SetText(SpotText::X, "30");
    c.SetText(SpotText::Y, "45");
    c.Form_KeyDown_F1();
    return c.cmdok_Click();
  };
  rig.window.cmdmenuspots_Click();
  ASSERT_EQ(rig.window.Model().SpotCount(), 2);
  EXPECT_EQ(rig.window.SelectedSpot(), 2) << "the new spot is selected, not the placeholder";
  EXPECT_EQ(rig.window.Model().Data().Spots[1].RolloverImage, "C:\\MyCd\\imgmusic\\web.gif");
  EXPECT_EQ(rig.files.files.count("C:\\MyCd\\imgmusic\\web.gif"), 1u);
  EXPECT_EQ(rig.help_topics, std::vector<int>{1004});

  // Cancel stores nothing.
  rig.spot_editor = [](SpotEditorController& c) {
    c.SetText(SpotText::Name, "Lost");
    return false;
  };
  rig.window.cmdmenuspots_Click();
  EXPECT_EQ(rig.window.Model().SpotCount(), 2);
  EXPECT_EQ(rig.window.SelectedSpot(), 2);
}

TEST(EditorSession, LeavingTheMenuModeAsksAboutUnsavedChangesFirst) {
  SessionRig rig(kProject);
  rig.Activate();
  rig.window.txtcdtitle_Change("Changed");
  rig.messages.answers = {MsgResult::Cancel};
  rig.window.cmdani_Click();
  EXPECT_EQ(rig.messages.boxes.back().text, std::string("Do you want to save changes to (") + kProject + ")");
  EXPECT_FALSE(rig.window.DownTimerEnabled()) << "Cancel stays in the menu mode";
  EXPECT_EQ(rig.window.FieldText(MainField::txtcdtitle), "Changed");

  rig.messages.answers = {MsgResult::Yes};  // Yes saves to the project's file, then leaves
  rig.window.cmdani_Click();
  EXPECT_TRUE(rig.window.DownTimerEnabled());
  ProjectData saved;
  FormatError error;
  ASSERT_TRUE(ParseProjectFile(rig.files.files[kProject], kProject, std::nullopt, saved, error));
  EXPECT_EQ(saved.CdTitle, "Changed");
}

TEST(EditorSession, AYesWhoseSaveIsCancelledKeepsTheEditorOpen) {
  SessionRig rig;
  rig.window.cmdani_Click();
  rig.FinishSlide();
  rig.window.txtcdtitle_Change("Unsaved");
  rig.messages.answers = {MsgResult::Yes};
  rig.dialogs.answer = "";  // the save dialog is cancelled
  EXPECT_FALSE(rig.window.Form_QueryUnload());
  rig.messages.answers = {MsgResult::No};
  EXPECT_TRUE(rig.window.Form_QueryUnload());
}

}  // namespace
}  // namespace orb::test
