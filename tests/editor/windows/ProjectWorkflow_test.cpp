// New, Load, Save, the unsaved-changes question, the closing prompt and the start-up load.
#include "editor/windows/ProjectWorkflow.h"

#include <gtest/gtest.h>

#include "WindowFakes.h"
#include "project/ProjectFile.h"

namespace orb {
namespace {

using workfakes::FakeDialogs;
using workfakes::FakeFolders;
using workfakes::FakeHost;
using workfakes::FakeMessages;
using workfakes::MemoryFileSystem;

const char* const kNewTitle = "Orbmenu v2.0 - (New project.obm)";

ProjectData DemoProject(const std::string& root = "C:\\MyCd\\") {
  ProjectData d;
  d.RootFolder = root;
  d.CdTitle = "My CD";
  d.BackgroundImage = root + "imgmusic\\back.jpg";
  MenuSpot s;
  s.Name = "Start";
  s.Action = 1;
  s.Target = root + "setup.exe";
  s.RolloverImage = root + "imgmusic\\over.gif";
  s.X = 1200;
  s.Y = 900;
  d.Spots.push_back(s);
  return d;
}

struct WorkflowFixture : ::testing::Test {
  ProjectModel model;
  MemoryFileSystem fs;
  MemorySettingsStore settings;
  FakeMessages messages;
  FakeDialogs dialogs;
  FakeFolders folders;
  FakeHost host;
  ProjectWorkflow flow{model, fs, settings, messages, dialogs, folders, host};

  void PutProjectFile(const std::string& path, const ProjectData& d) { fs.files[path] = ProjectFileText(d); }
  // A project being edited without a file: root, background and one spot, unsaved.
  void EditUnsaved() {
    model.SetRootFolderPicked("C:\\MyCd\\");
    model.SetField(ProjectField::BackgroundImage, "C:\\MyCd\\imgmusic\\back.jpg");
    model.AddSpot(DemoProject().Spots[0]);
    fs.folders.push_back("C:\\MyCd");
  }
};

TEST_F(WorkflowFixture, FirstSaveAsksForANameChecksAndReports) {
  EditUnsaved();
  dialogs.save_answers = {"C:\\work\\demo"};
  EXPECT_EQ(flow.Save(), SaveOutcome::Saved);
  ASSERT_EQ(dialogs.saves.size(), 1u);
  const FileDialogRequest& r = dialogs.saves[0];
  EXPECT_EQ(r.title, "Enter a name for the project to be saved.");
  EXPECT_EQ(r.filter_description, "OBM Project Files (*.obm)");
  EXPECT_EQ(r.filter_pattern, "*.obm*");
  EXPECT_EQ(r.default_extension, "obm");
  EXPECT_EQ(r.initial_folder, "C:\\MyCd\\") << "the root folder, not the last media folder";
  EXPECT_EQ(fs.files.count("C:\\work\\demo.obm"), 1u);
  EXPECT_EQ(model.ProjectPath(), "C:\\work\\demo.obm");
  EXPECT_TRUE(model.HasFile());
  EXPECT_FALSE(model.Dirty());
  EXPECT_EQ(host.title, "Orbmenu v2.0 - (C:\\work\\demo.obm)");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Project successfully saved.");
  EXPECT_EQ(messages.shown[0].title, "Operation Complete.");
  EXPECT_EQ(messages.shown[0].icon, MsgIcon::Information);

  // The second save writes at once, without a dialog, and says "updated".
  model.SetField(ProjectField::CdTitle, "Other");
  EXPECT_EQ(flow.Save(), SaveOutcome::Saved);
  EXPECT_EQ(dialogs.saves.size(), 1u);
  EXPECT_EQ(messages.shown.back().text, "Project successfully updated and saved.");
}

TEST_F(WorkflowFixture, TypedObmNameIsNotDoubledAndAnExistingNameIsReplaced) {
  EditUnsaved();
  dialogs.save_answers = {"C:\\work\\demo.obm"};
  flow.Save();
  EXPECT_EQ(model.ProjectPath(), "C:\\work\\demo.obm");
  EXPECT_EQ(fs.files.count("C:\\work\\demo.obm.obm"), 0u);

  model.New();
  EditUnsaved();
  fs.files["C:\\work\\plain"] = "old";
  dialogs.save_answers = {"C:\\work\\plain"};
  messages.answers = {MsgResult::Yes};
  flow.Save();
  EXPECT_EQ(model.ProjectPath(), "C:\\work\\plain");
  EXPECT_EQ(fs.files["C:\\work\\plain"], ProjectFileText(model.Data()));
}

TEST_F(WorkflowFixture, FirstSaveAsksBeforeReplacingTheFileReallyWrittenAndNoGoesBackToTheDialog) {
  ProjectData two = DemoProject();
  two.Spots.push_back(two.Spots[0]);
  PutProjectFile("C:\\work\\mycd.obm", two);
  const std::string before = fs.files["C:\\work\\mycd.obm"];
  EditUnsaved();

  // "mycd" itself does not exist, but "mycd.obm", the name that would be written, does.
  dialogs.save_answers = {"C:\\work\\mycd", "C:\\work\\mycd.obm", "C:\\work\\other"};
  messages.answers = {MsgResult::No, MsgResult::No};
  EXPECT_EQ(flow.Save(), SaveOutcome::Saved);
  ASSERT_EQ(dialogs.saves.size(), 3u);
  EXPECT_EQ(dialogs.saves[1].initial_folder, "C:\\work\\");
  ASSERT_EQ(messages.shown.size(), 3u);
  EXPECT_EQ(messages.shown[0].text, "mycd.obm already exists.\r\nDo you want to replace it?");
  EXPECT_EQ(messages.shown[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(messages.shown[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(messages.shown[1].text, messages.shown[0].text);
  EXPECT_EQ(messages.shown[2].text, "Project successfully saved.");
  EXPECT_EQ(fs.files["C:\\work\\mycd.obm"], before);
  EXPECT_EQ(model.ProjectPath(), "C:\\work\\other.obm");

  // Cancelling the dialog shown again writes nothing; Yes replaces.
  model.New();
  EditUnsaved();
  int writes = fs.writes;
  dialogs.save_answers = {"C:\\work\\mycd"};
  messages.answers = {MsgResult::No};
  EXPECT_EQ(flow.Save(), SaveOutcome::Cancelled);
  EXPECT_EQ(fs.writes, writes);
  EXPECT_FALSE(model.HasFile());
  dialogs.save_answers = {"C:\\work\\mycd"};
  messages.answers = {MsgResult::Yes};
  EXPECT_EQ(flow.Save(), SaveOutcome::Saved);
  EXPECT_EQ(fs.files["C:\\work\\mycd.obm"], ProjectFileText(model.Data()));
  // The next save of the project's own file asks nothing.
  model.SetField(ProjectField::CdTitle, "Again");
  size_t shown = messages.shown.size();
  EXPECT_EQ(flow.Save(), SaveOutcome::Saved);
  ASSERT_EQ(messages.shown.size(), shown + 1);
  EXPECT_EQ(messages.shown.back().text, "Project successfully updated and saved.");
}

TEST_F(WorkflowFixture, SaveDialogOpensInTheProjectsFolderWhenItHasOne) {
  EditUnsaved();
  model.SetProjectPath("D:\\projects\\old.obm");  // e.g. after New, the last file's folder
  flow.Save();
  ASSERT_EQ(dialogs.saves.size(), 1u);
  EXPECT_EQ(dialogs.saves[0].initial_folder, "D:\\projects\\");
}

TEST_F(WorkflowFixture, FirstSaveChecksInOrderAndWritesNothing) {
  struct Case {
    bool root, background, spot;
    std::string text, title;
  };
  for (const Case& c : {Case{false, true, true, "Please select a Root Folder.", "Can not continue."},
                        Case{true, false, true, "Please select a background image. It is required.",
                             "Can not continue."},
                        Case{true, true, false, "Minimum one Menu spot is needed.Please Click Create.", ""}}) {
    ProjectModel m;
    if (c.root) m.SetRootFolderPicked("C:\\MyCd\\");
    if (c.background) m.SetField(ProjectField::BackgroundImage, "C:\\MyCd\\back.jpg");
    if (c.spot) m.AddSpot(DemoProject().Spots[0]);
    FakeMessages msgs;
    FakeDialogs dlgs;
    dlgs.save_answers = {"C:\\work\\demo"};
    ProjectWorkflow f(m, fs, settings, msgs, dlgs, folders, host);
    EXPECT_EQ(f.Save(), SaveOutcome::Failed);
    ASSERT_EQ(msgs.shown.size(), 1u);
    EXPECT_EQ(msgs.shown[0].text, c.text);
    EXPECT_EQ(msgs.shown[0].title, c.title);
    EXPECT_FALSE(m.HasFile());
    EXPECT_EQ(m.ProjectPath(), "");
  }
  EXPECT_EQ(fs.writes, 0);
}

TEST_F(WorkflowFixture, CancelledOrFailedSaveChangesNothingAndSaysNoSuccess) {
  EditUnsaved();
  EXPECT_EQ(flow.Save(), SaveOutcome::Cancelled);
  EXPECT_TRUE(messages.shown.empty());
  fs.fail_writes = true;
  dialogs.save_answers = {"C:\\work\\demo"};
  EXPECT_EQ(flow.Save(), SaveOutcome::Failed);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text.rfind("The project could not be saved.\r\nC:\\work\\demo.obm", 0), 0u);
  EXPECT_NE(messages.shown[0].text.find("the disk is full"), std::string::npos);
  EXPECT_EQ(messages.shown[0].icon, MsgIcon::Critical);
  EXPECT_FALSE(model.HasFile());
  EXPECT_TRUE(model.Dirty());
  EXPECT_EQ(host.title, kNewTitle);
}

TEST_F(WorkflowFixture, LoadReplacesTheProjectAndReports) {
  fs.folders.push_back("C:\\MyCd");
  PutProjectFile("C:\\p\\demo.obm", DemoProject());
  model.SetRootFolderPicked("D:\\old\\");
  model.SetField(ProjectField::SplashImage, "D:\\old\\splash.gif");
  dialogs.open_answers = {"C:\\p\\demo.obm"};
  EXPECT_TRUE(flow.Load());
  const FileDialogRequest& r = dialogs.opens.at(0);
  EXPECT_EQ(r.title, "Select a OBM Project file to Load");
  EXPECT_EQ(r.filter_description, "OBM Project File (*.obm)");
  EXPECT_EQ(r.filter_pattern, "*.obm*");
  EXPECT_EQ(r.initial_folder, "D:\\old\\");
  EXPECT_TRUE(r.must_exist);
  EXPECT_EQ(model.Data(), DemoProject());
  EXPECT_EQ(model.RememberedRoot(), "C:\\MyCd\\");
  EXPECT_EQ(host.shown, 1);
  EXPECT_EQ(host.title, "Orbmenu v2.0 - (C:\\p\\demo.obm)");
  EXPECT_TRUE(model.HasFile());
  EXPECT_FALSE(model.Dirty());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Project successfully loaded.");
  EXPECT_EQ(messages.shown[0].title, "Loading Complete.");
  EXPECT_EQ(fs.writes, 0);
}

TEST_F(WorkflowFixture, BadFilesGiveOneMessageAndLeaveTheProject) {
  EditUnsaved();
  ProjectModel before = model;
  fs.files["C:\\p\\cut.obm"] = "C:\\MyCd\\\r\nMy CD\r\n\r\n\r\nback.jpg\r\n\r\n 2 \r\n";
  fs.files["C:\\p\\junk.obm"] = "C:\\MyCd\\\r\nMy CD\r\n\r\n\r\nback.jpg\r\n\r\n two \r\n";
  for (const char* path : {"C:\\p\\missing.obm", "C:\\p\\cut.obm", "C:\\p\\junk.obm"}) {
    messages.shown.clear();
    dialogs.open_answers = {path};
    EXPECT_FALSE(flow.Load()) << path;
    ASSERT_EQ(messages.shown.size(), 1u) << path;
    const std::string& text = messages.shown[0].text;
    EXPECT_EQ(text.rfind("Error loading project.\r\n", 0), 0u) << text;
    EXPECT_NE(text.find(path), std::string::npos) << text;
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Critical);
    EXPECT_EQ(model.Data(), before.Data());
    EXPECT_EQ(host.title, kNewTitle);
    EXPECT_FALSE(model.HasFile());
  }
  EXPECT_NE(messages.shown[0].text.find("line 7"), std::string::npos) << messages.shown[0].text;
}

TEST_F(WorkflowFixture, MissingRootDeclinedShowsErrorAndChangesNothing) {
  PutProjectFile("C:\\p\\demo.obm", DemoProject());
  dialogs.open_answers = {"C:\\p\\demo.obm"};
  messages.answers = {MsgResult::No};
  EXPECT_FALSE(flow.Load());
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text,
            "Root Folder of the project not found. It might have been moved.\r\n"
            "Do you want to find the folder and set this path as current Root Folder?");
  EXPECT_EQ(messages.shown[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(messages.shown[0].icon, MsgIcon::Question);
  EXPECT_EQ(messages.shown[0].title, "Orbmenu");
  EXPECT_EQ(messages.shown[1].text, "Error loading project.");
  EXPECT_EQ(messages.shown[1].icon, MsgIcon::Critical);
  EXPECT_EQ(folders.calls, 0);
  EXPECT_FALSE(model.HasFile());
}

TEST_F(WorkflowFixture, MissingRootBrowserCancelledAbandonsTheLoad) {
  PutProjectFile("C:\\p\\demo.obm", DemoProject());
  std::string file_before = fs.files["C:\\p\\demo.obm"];
  dialogs.open_answers = {"C:\\p\\demo.obm"};
  messages.answers = {MsgResult::Yes};
  folders.answer = "";
  EXPECT_FALSE(flow.Load());
  EXPECT_EQ(folders.calls, 1);
  EXPECT_EQ(fs.writes, 0);
  EXPECT_EQ(fs.files["C:\\p\\demo.obm"], file_before);
  EXPECT_EQ(model.Data(), ProjectData());
  EXPECT_EQ(host.title, kNewTitle);
}

TEST_F(WorkflowFixture, MissingRootRelocatedLoadsAndSavesBackSilently) {
  PutProjectFile("C:\\p\\demo.obm", DemoProject());
  dialogs.open_answers = {"C:\\p\\demo.obm"};
  messages.answers = {MsgResult::Yes};
  folders.answer = "E:\\Moved\\";
  EXPECT_TRUE(flow.Load());
  EXPECT_EQ(model.Data(), DemoProject("E:\\Moved\\"));
  EXPECT_EQ(model.RememberedRoot(), "E:\\Moved\\");
  EXPECT_EQ(fs.folders.back(), "E:\\Moved\\imgmusic");
  // Written back with the new root on line 1 and the same relative paths.
  EXPECT_EQ(fs.files["C:\\p\\demo.obm"], ProjectFileText(DemoProject("E:\\Moved\\")));
  EXPECT_EQ(messages.Texts().back(), "Project successfully loaded.");
  EXPECT_EQ(messages.shown.size(), 2u);
  EXPECT_FALSE(model.Dirty());
  EXPECT_EQ(host.title, "Orbmenu v2.0 - (C:\\p\\demo.obm)");

  // The next save is an ordinary one again.
  flow.Save();
  EXPECT_EQ(messages.Texts().back(), "Project successfully updated and saved.");
}

TEST_F(WorkflowFixture, NewEmptiesTheProjectButKeepsPathAndRememberedRoot) {
  fs.folders.push_back("C:\\MyCd");
  PutProjectFile("C:\\p\\demo.obm", DemoProject());
  dialogs.open_answers = {"C:\\p\\demo.obm"};
  flow.Load();
  flow.mnunewprj_Click();
  EXPECT_EQ(model.Data(), ProjectData());
  EXPECT_EQ(model.ProjectPath(), "C:\\p\\demo.obm");
  EXPECT_EQ(model.RememberedRoot(), "C:\\MyCd\\");
  EXPECT_FALSE(model.HasFile());
  EXPECT_EQ(host.title, kNewTitle);
  EXPECT_EQ(host.shown, 2);
  // After New, Save asks for a name again.
  model.SetRootFolderPicked("C:\\MyCd\\");
  flow.Save();
  EXPECT_EQ(dialogs.saves.size(), 1u);
}

TEST_F(WorkflowFixture, QuitPromptAsksOnlyWhenDirtyWithTheTitleRest) {
  EXPECT_TRUE(flow.Form_QueryUnload());
  EXPECT_TRUE(messages.shown.empty());
  EditUnsaved();
  messages.answers = {MsgResult::Cancel};
  EXPECT_FALSE(flow.Form_QueryUnload());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Do you want to save changes to (New project.obm)");
  EXPECT_EQ(messages.shown[0].buttons, MsgButtons::YesNoCancel);
  EXPECT_EQ(messages.shown[0].icon, MsgIcon::None);
  EXPECT_EQ(messages.shown[0].title, "");
  messages.answers = {MsgResult::No};
  EXPECT_TRUE(flow.Form_QueryUnload());
  EXPECT_EQ(fs.writes, 0);
}

TEST_F(WorkflowFixture, QuitPromptYesClosesOnlyAfterASuccessfulSave) {
  EditUnsaved();
  messages.answers = {MsgResult::Yes};  // save dialog cancelled
  EXPECT_FALSE(flow.Form_QueryUnload());
  fs.fail_writes = true;
  messages.answers = {MsgResult::Yes};
  dialogs.save_answers = {"C:\\w\\demo"};
  EXPECT_FALSE(flow.Form_QueryUnload());
  model.SetRootFolderPicked("");
  messages.answers = {MsgResult::Yes};  // a failed check
  dialogs.save_answers = {"C:\\w\\demo"};
  EXPECT_FALSE(flow.Form_QueryUnload());
  model.SetRootFolderPicked("C:\\MyCd\\");
  fs.fail_writes = false;
  messages.answers = {MsgResult::Yes};
  dialogs.save_answers = {"C:\\w\\demo"};
  EXPECT_TRUE(flow.Form_QueryUnload());
  EXPECT_EQ(fs.files.count("C:\\w\\demo.obm"), 1u);
}

TEST_F(WorkflowFixture, NewAndLoadAskFirstWhenDirty) {
  EditUnsaved();
  ProjectData edited = model.Data();
  messages.answers = {MsgResult::Cancel};
  flow.mnunewprj_Click();
  EXPECT_EQ(model.Data(), edited);
  EXPECT_TRUE(model.Dirty());
  messages.answers = {MsgResult::Cancel};
  flow.mnuldprj_Click();
  EXPECT_TRUE(dialogs.opens.empty());
  EXPECT_EQ(model.Data(), edited);

  messages.answers = {MsgResult::Yes};  // save dialog cancelled: New does not go on
  flow.mnunewprj_Click();
  EXPECT_EQ(model.Data(), edited);

  messages.answers = {MsgResult::Yes};
  dialogs.save_answers = {"C:\\w\\demo"};
  flow.mnunewprj_Click();
  EXPECT_EQ(fs.files.count("C:\\w\\demo.obm"), 1u);
  EXPECT_EQ(model.Data(), ProjectData());

  EditUnsaved();
  messages.answers = {MsgResult::No};
  flow.mnuldprj_Click();
  EXPECT_EQ(dialogs.opens.size(), 1u);
}

TEST_F(WorkflowFixture, StartupPrefersTheCommandLineThenLastSavedThenImm) {
  fs.folders.push_back("C:\\MyCd");
  PutProjectFile("C:\\p\\cmd.obm", DemoProject());
  PutProjectFile("C:\\p\\last.obm", DemoProject());
  settings.Write("OBM", "Options", "LastSaved", "1");
  settings.Write("OBM", "Options", "SavedPrjName", "C:\\p\\last.obm");
  settings.Write("OBM", "Options", "IMM", "1");
  flow.SetCommandLineProject("C:\\p\\cmd.obm");
  flow.Form_Activate();
  EXPECT_EQ(host.entered, 1);
  EXPECT_TRUE(flow.StartupLoadPending());
  flow.Form_Activate();  // later activations do nothing
  EXPECT_EQ(host.entered, 1);
  flow.MenuModeEntered();
  EXPECT_FALSE(flow.StartupLoadPending());
  EXPECT_TRUE(dialogs.opens.empty());
  EXPECT_EQ(model.ProjectPath(), "C:\\p\\cmd.obm");
  EXPECT_EQ(host.title, "Orbmenu v2.0 - (C:\\p\\cmd.obm)");
  flow.MenuModeEntered();  // a later switch does not load again
  EXPECT_EQ(host.shown, 1);
}

TEST_F(WorkflowFixture, StartupLastSavedWinsOverImmAndBlankNameFallsThrough) {
  fs.folders.push_back("C:\\MyCd");
  PutProjectFile("C:\\p\\last.obm", DemoProject());
  settings.Write("OBM", "Options", "LastSaved", "1");
  settings.Write("OBM", "Options", "SavedPrjName", "C:\\p\\last.obm");
  flow.Form_Activate();
  flow.MenuModeEntered();
  EXPECT_EQ(model.ProjectPath(), "C:\\p\\last.obm");
  EXPECT_TRUE(model.HasFile());

  for (const char* name : {"   ", ""}) {
    ProjectModel m;
    FakeHost h;
    MemorySettingsStore s;
    s.Write("OBM", "Options", "LastSaved", "1");
    s.Write("OBM", "Options", "SavedPrjName", name);
    s.Write("OBM", "Options", "IMM", "1");
    ProjectWorkflow f(m, fs, s, messages, dialogs, folders, h);
    f.Form_Activate();
    EXPECT_EQ(h.entered, 1);
    EXPECT_FALSE(f.StartupLoadPending());
  }
  ProjectModel m;
  FakeHost h;
  MemorySettingsStore off;
  off.Write("OBM", "Options", "IMM", "0");
  ProjectWorkflow f(m, fs, off, messages, dialogs, folders, h);
  f.Form_Activate();
  EXPECT_EQ(h.entered, 0);
}

TEST_F(WorkflowFixture, StartupLoadOfADeletedLastProjectKeepsTheEditorRunning) {
  settings.Write("OBM", "Options", "LastSaved", "1");
  settings.Write("OBM", "Options", "SavedPrjName", "C:\\p\\gone.obm");
  flow.Form_Activate();
  flow.MenuModeEntered();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("C:\\p\\gone.obm"), std::string::npos);
  EXPECT_FALSE(model.HasFile());
  EXPECT_EQ(host.title, kNewTitle);
}

}  // namespace
}  // namespace orb
