// The mode switch: the slide arithmetic of cmdani, what each direction empties, titles and menu entries.
#include <gtest/gtest.h>

#include "editor/windows/MakerLinks.h"
#include "tests/editor/windows/MainWindowFakes.h"

namespace orb::test {
namespace {

TEST(MainWindowSlide, UpMovesTheBarInFortyThreeStepsAndEndsOnTheFortyFourthTick) {
  MainWindowRig rig;
  MainWindowController& w = rig.window;
  EXPECT_EQ(w.PanelMark(), "0");
  EXPECT_EQ(w.BarTop(), 5160);
  EXPECT_EQ(w.SimplePanelHeight(), 4815);
  w.cmdani_Click();
  ASSERT_TRUE(w.UpTimerEnabled());
  for (int step = 1; step <= 43; ++step) {
    w.tmraniup_Timer();
    EXPECT_EQ(w.BarTop(), 5160 - 120 * step) << "step " << step;
    EXPECT_TRUE(w.UpTimerEnabled());
    EXPECT_EQ(w.PanelMark(), "0") << "the mark changes only when the slide ends";
    if (step == 40) {
      EXPECT_EQ(w.SimplePanelHeight(), 15);
    }
    if (step == 41) {
      EXPECT_EQ(w.SimplePanelHeight(), 0);
    }
  }
  EXPECT_FALSE(w.BarShowsArrowDown());
  w.tmraniup_Timer();  // 44th tick
  EXPECT_FALSE(w.UpTimerEnabled());
  EXPECT_EQ(w.SlideCounter(), 0);
  EXPECT_EQ(w.BarTop(), 0);
  EXPECT_EQ(w.SimplePanelHeight(), 0);
  EXPECT_EQ(w.PanelMark(), "1");
  EXPECT_TRUE(w.BarShowsArrowDown());
  EXPECT_EQ(w.Title(), "Orbmenu v2.0 - (New project.obm)");
  EXPECT_TRUE(w.ProjectEntriesEnabled());
}

TEST(MainWindowSlide, DownRestsTheSimplePanelAt4935) {
  MainWindowRig rig;
  MainWindowController& w = rig.window;
  rig.EnterMenuPanel();
  w.cmdani_Click();
  ASSERT_TRUE(w.DownTimerEnabled());
  EXPECT_FALSE(w.ProjectEntriesEnabled()) << "entries are disabled as the slide starts";
  EXPECT_EQ(w.Title(), "Orbmenu v2.0");
  std::vector<int> heights;
  for (int step = 1; step <= 43; ++step) {
    w.tmranidown_Timer();
    heights.push_back(w.SimplePanelHeight());
    EXPECT_EQ(w.BarTop(), 120 * step);
  }
  EXPECT_EQ(heights[40], 4920);
  EXPECT_EQ(heights[41], 4815);
  EXPECT_EQ(heights[42], 4935);
  w.tmranidown_Timer();
  EXPECT_FALSE(w.DownTimerEnabled());
  EXPECT_EQ(w.SimplePanelHeight(), 4935);
  EXPECT_EQ(w.BarTop(), 5160);
  EXPECT_EQ(w.PanelMark(), "0");
  EXPECT_FALSE(w.BarShowsArrowDown());
}

TEST(MainWindowSlide, ASecondUpSlideFromTheTallerRestStillEndsAtZero) {
  MainWindowRig rig;
  rig.EnterMenuPanel();
  rig.window.cmdani_Click();
  rig.FinishSlide();
  rig.window.cmdani_Click();
  EXPECT_EQ(rig.FinishSlide(), 44);
  EXPECT_EQ(rig.window.SimplePanelHeight(), 0);
  EXPECT_EQ(rig.window.BarTop(), 0);
}

TEST(MainWindowSlide, ASecondClickMidSlideRepeatsThePreparationsAndLetsTheSlideGoOn) {
  MainWindowRig rig;
  MainWindowController& w = rig.window;
  w.cmdani_Click();
  for (int i = 0; i < 10; ++i) w.tmraniup_Timer();
  w.Model().SetField(ProjectField::CdTitle, "typed during the slide");
  w.cmdani_Click();  // still mark "0": the same direction again
  EXPECT_TRUE(w.UpTimerEnabled());
  EXPECT_FALSE(w.DownTimerEnabled());
  EXPECT_EQ(w.BarTop(), 5160 - 1200) << "the running slide is not restarted";
  EXPECT_EQ(rig.FinishSlide(), 34);
  EXPECT_EQ(w.PanelMark(), "1");
}

TEST(MainWindowSlide, EnteringTheMenuModeEmptiesTheSimpleFieldsAndTheRoot) {
  MainWindowRig rig;
  MainWindowController& w = rig.window;
  rig.folders.answer = "C:\\Cd\\";
  w.cmdroot_Click();
  w.txtcmdline_Change("/s");
  rig.files.files["C:\\Cd\\setup.exe"] = "x";
  rig.dialogs.answer = "C:\\Cd\\setup.exe";
  w.cmdindex_Click(1);
  ASSERT_EQ(w.FieldText(MainField::txtindex1), "C:\\Cd\\setup.exe");
  w.cmdani_Click();
  for (MainField f : {MainField::txtroot, MainField::txtindex0, MainField::txtindex1, MainField::txtindex2,
                      MainField::txtcmdline, MainField::txtroot2})
    EXPECT_EQ(w.FieldText(f), "");
  EXPECT_EQ(w.Model().RememberedRoot(), "");
  EXPECT_FALSE(w.Model().Dirty());
}

TEST(MainWindowSlide, LeavingTheMenuModeEmptiesTheProjectAndSpotList) {
  MainWindowRig rig;
  MainWindowController& w = rig.window;
  rig.EnterMenuPanel();
  rig.folders.answer = "D:\\Menu\\";
  w.cmdroot2_Click();
  w.txtcdtitle_Change("My CD");
  w.Model().SetField(ProjectField::BackgroundImage, "D:\\Menu\\imgmusic\\back.jpg");
  w.Model().AddSpot(NamedSpot("One"));
  w.Model().MarkSaved("D:\\p.obm");
  w.SelectSpot(1);
  w.cmdani_Click();
  EXPECT_EQ(w.SpotListEntries(), std::vector<std::string>{" New Menu Spot"});
  EXPECT_EQ(w.SelectedSpot(), 0);
  EXPECT_EQ(w.Model().SpotCount(), 0);
  for (MainField f : {MainField::txtroot2, MainField::txtcdtitle, MainField::txtindex2_0, MainField::txtindex2_1,
                      MainField::txtindex2_2, MainField::txtindex2_3})
    EXPECT_EQ(w.FieldText(f), "");
  EXPECT_FALSE(w.Model().HasFile());
  EXPECT_FALSE(w.Model().Dirty());
  EXPECT_EQ(w.Model().RememberedRoot(), "");
  EXPECT_EQ(w.Model().ProjectPath(), "D:\\p.obm") << "the last project stays for the settings";
}

TEST(MainWindowSlide, TheEndOfTheUpSlideRunsTheStartupLoadHookOnce) {
  MainWindowRig rig;
  int ended = 0;
  rig.window.Hooks().menu_slide_ended = [&] { ++ended; };
  rig.EnterMenuPanel();
  EXPECT_EQ(ended, 1);
  rig.window.cmdani_Click();
  rig.FinishSlide();
  EXPECT_EQ(ended, 1) << "sliding back down is not the end of a slide into the menu";
}

TEST(MainWindowMenu, ProjectEntriesWorkOnlyInTheMenuPanelAndHelpFollowsThePanel) {
  MainWindowRig rig;
  MainWindowController& w = rig.window;
  int loads = 0;
  std::vector<int> contexts;
  w.Hooks().load_project = [&] { ++loads; };
  w.Hooks().help = [&](int c) { contexts.push_back(c); };
  w.OnMenu(MainMenuCommand::LoadProject);
  w.OnMenu(MainMenuCommand::Contents);
  EXPECT_EQ(loads, 0);
  rig.EnterMenuPanel();
  w.OnMenu(MainMenuCommand::LoadProject);
  w.OnMenu(MainMenuCommand::Contents);
  EXPECT_EQ(loads, 1);
  EXPECT_EQ(contexts, (std::vector<int>{1001, 1002}));
  w.OnMenu(MainMenuCommand::About);  // unwired entries do nothing
  w.OnMenu(MainMenuCommand::Website);
  w.OnMenu(MainMenuCommand::MoreSoftware);
  ASSERT_EQ(rig.log.calls.size(), 2u);
  EXPECT_EQ(rig.log.calls[0], std::string("shell:open|") + kMakerWebsite + "|||1");
  EXPECT_EQ(rig.log.calls[1], std::string("shell:open|") + kMakerProductsPage + "|||1");
}

TEST(MainWindowLoad, EditorFolderAndStartupProjectPath) {
  EXPECT_EQ(EditorFolderFromModulePath("C:\\Program Files\\Orb\\Orbmenu.exe"), "C:\\Program Files\\Orb\\");
  EXPECT_EQ(EditorFolderFromModulePath("E:\\Orbmenu.exe"), "E:\\");
  MainWindowRig rig;
  auto exists = [](const std::string& p) { return p == "C:\\My Cds\\demo.obm"; };
  auto full = [](const std::string& p) { return "FULL(" + p + ")"; };
  rig.window.Form_Load("  \"C:\\My Cds\\demo.obm\" ", "C:\\Orb\\Orbmenu.exe", exists, full);
  EXPECT_EQ(rig.window.StartupProjectPath(), "FULL(C:\\My Cds\\demo.obm)");
  EXPECT_EQ(rig.window.EditorFolder(), "C:\\Orb\\");
  rig.window.Form_Load("missing.obm", "C:\\Orb\\Orbmenu.exe", exists, full);
  EXPECT_EQ(rig.window.StartupProjectPath(), "");
  EXPECT_FALSE(rig.window.ProjectEntriesEnabled());
}

TEST(MainWindowLoad, ClosingRecordsTheLastProjectOnlyWhenLastSavedIsOne) {
  MainWindowRig rig;
  rig.settings.Write("OBM", "Options", "SavedPrjName", "C:\\old.obm");
  rig.window.Model().MarkSaved("C:\\new.obm");
  rig.window.Form_Unload();
  EXPECT_EQ(rig.settings.Read("OBM", "Options", "SavedPrjName"), "C:\\old.obm");
  rig.settings.Write("OBM", "Options", "LastSaved", "1");
  rig.window.Form_Unload();
  EXPECT_EQ(rig.settings.Read("OBM", "Options", "SavedPrjName"), "C:\\new.obm");
  MainWindowRig fresh;  // nothing loaded or saved in this run: an empty name is recorded
  fresh.settings.Write("OBM", "Options", "LastSaved", "1");
  fresh.settings.Write("OBM", "Options", "SavedPrjName", "C:\\old.obm");
  fresh.window.Form_Unload();
  EXPECT_EQ(fresh.settings.Read("OBM", "Options", "SavedPrjName"), "");
}

}  // namespace
}  // namespace orb::test
