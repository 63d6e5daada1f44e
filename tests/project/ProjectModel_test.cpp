// The project model's operations: spot positions, the spot list, Dirty, HasFile, the title and the
// remembered root folder.
#include "project/ProjectModel.h"

#include <gtest/gtest.h>

namespace orb {
namespace {

MenuSpot Named(const std::string& name) {
  MenuSpot spot;
  spot.Name = name;
  spot.RolloverImage = "C:\\cd\\imgmusic\\" + name + ".gif";
  return spot;
}

ProjectModel WithSpots(std::initializer_list<const char*> names) {
  ProjectModel model;
  for (const char* name : names) model.AddSpot(Named(name));
  return model;
}

TEST(ProjectModel, SelectAnActionIsStoredAsDoNothing) {
  EXPECT_EQ(ActionCodeForEntry(0), 7);
  EXPECT_STREQ(kActionEntryTexts[ActionCodeForEntry(0)], "Do Nothing");
  for (int entry = 1; entry <= 10; ++entry) EXPECT_EQ(ActionCodeForEntry(entry), entry);
  EXPECT_EQ(ActionCodeForEntry(11), 7);
  EXPECT_STREQ(kActionEntryTexts[ActionCode(ActionKind::GoToPage)], "Go to Page");
  EXPECT_STREQ(kActionEntryTexts[ActionCode(ActionKind::GoBack)], "Go Back");
  EXPECT_STREQ(kActionEntryTexts[ActionCode(ActionKind::SwitchLanguage)], "Switch Language");
}

TEST(ProjectModel, SpotListShowsTrimmedNamesWhileTheModelKeepsBlanks) {
  ProjectModel model = WithSpots({"  Intro ", "Setup"});
  EXPECT_EQ(model.Spot(1).Name, "  Intro ");
  EXPECT_EQ(model.SpotListEntries(), (std::vector<std::string>{" New Menu Spot", "Intro", "Setup"}));
}

TEST(ProjectModel, RemovingMovesLaterSpotsDown) {
  ProjectModel model = WithSpots({"a", "b", "c", "d"});
  ASSERT_TRUE(model.RemoveSpot(2));
  EXPECT_EQ(model.SpotCount(), 3);
  EXPECT_EQ(model.Spot(2).Name, "c");
  EXPECT_EQ(model.Spot(3).Name, "d");
  EXPECT_EQ(model.SpotListEntries(), (std::vector<std::string>{" New Menu Spot", "a", "c", "d"}));

  ProjectModel single = WithSpots({"only"});
  ASSERT_TRUE(single.RemoveSpot(1));
  EXPECT_EQ(single.SpotCount(), 0);
  EXPECT_EQ(single.SpotListEntries(), std::vector<std::string>{" New Menu Spot"});
}

TEST(ProjectModel, PositionsOutOfRangeChangeNothing) {
  ProjectModel model = WithSpots({"a"});
  model.MarkSaved("C:\\p.obm");
  EXPECT_FALSE(model.RemoveSpot(0));
  EXPECT_FALSE(model.RemoveSpot(2));
  EXPECT_FALSE(model.ReplaceSpot(2, Named("x")));
  EXPECT_EQ(model.SpotCount(), 1);
  EXPECT_FALSE(model.Dirty());
  EXPECT_TRUE(model.ReplaceSpot(1, Named("x")));
  EXPECT_EQ(model.Spot(1).Name, "x");
  EXPECT_TRUE(model.Dirty());
}

TEST(ProjectModel, SpotCountStopsAtTheSixteenBitLimit) {
  ProjectModel model;
  for (int i = 0; i < ProjectModel::kMaxSpots; ++i) ASSERT_TRUE(model.AddSpot(MenuSpot()));
  EXPECT_EQ(model.SpotCount(), 32767);
  EXPECT_FALSE(model.AddSpot(MenuSpot()));
  EXPECT_EQ(model.SpotCount(), 32767);
}

TEST(ProjectModel, DirtyFollowsRealChangesAndClearsOnNewLoadSaveAndModeSwitches) {
  ProjectModel model;
  model.SetField(ProjectField::CdTitle, "");
  EXPECT_FALSE(model.Dirty()) << "setting the text already held is no change";
  model.SetField(ProjectField::CdTitle, "My CD");
  EXPECT_TRUE(model.Dirty());
  model.MarkSaved("C:\\a.obm");
  EXPECT_FALSE(model.Dirty());
  model.AddSpot(Named("a"));
  EXPECT_TRUE(model.Dirty());
  model.New();
  EXPECT_FALSE(model.Dirty());
  model.SetRootFolderPicked("C:\\cd\\");
  EXPECT_TRUE(model.Dirty());
  model.ClearForLeavingMenuMode();
  EXPECT_FALSE(model.Dirty());
  model.SetField(ProjectField::BackgroundImage, "C:\\cd\\b.jpg");
  model.ClearForEnteringMenuMode();
  EXPECT_FALSE(model.Dirty());
}

TEST(ProjectModel, NewKeepsProjectPathAndRememberedRootButForgetsTheFile) {
  ProjectModel model;
  ProjectData data;
  data.RootFolder = "C:\\cd\\";
  data.CdTitle = "T";
  data.Spots.push_back(Named("a"));
  model.ReplaceWhole(data, "C:\\p.obm");
  EXPECT_TRUE(model.HasFile());
  EXPECT_EQ(model.RememberedRoot(), "C:\\cd\\");
  EXPECT_EQ(model.MenuModeTitle(), "Orbmenu v2.0 - (C:\\p.obm)");

  model.New();
  EXPECT_EQ(model.Data(), ProjectData());
  EXPECT_EQ(model.ProjectPath(), "C:\\p.obm");
  EXPECT_FALSE(model.HasFile()) << "the next Save must ask for a file name";
  EXPECT_EQ(model.RememberedRoot(), "C:\\cd\\");
  EXPECT_EQ(model.MenuModeTitle(), "Orbmenu v2.0 - (New project.obm)");
}

TEST(ProjectModel, ModeSwitchesEmptyTheRootsAndLeavingEmptiesTheProject) {
  ProjectModel model;
  model.SetRootFolderPicked("C:\\cd\\");
  model.ClearForEnteringMenuMode();
  EXPECT_EQ(model.Data().RootFolder, "");
  EXPECT_EQ(model.RememberedRoot(), "");

  ProjectData data;
  data.RootFolder = "C:\\cd\\";
  data.SplashImage = "C:\\cd\\s.jpg";
  data.Spots.push_back(Named("a"));
  model.ReplaceWhole(data, "C:\\p.obm");
  model.ClearForLeavingMenuMode();
  EXPECT_EQ(model.Data(), ProjectData());
  EXPECT_EQ(model.RememberedRoot(), "");
  EXPECT_FALSE(model.HasFile());
  EXPECT_EQ(model.ProjectPath(), "C:\\p.obm");
}

TEST(ProjectModel, PickingTheSameRootAgainStillRemembersIt) {
  ProjectModel model;
  model.SetRootFolderPicked("C:\\cd\\");
  model.New();
  EXPECT_EQ(model.RememberedRoot(), "C:\\cd\\");
  model.MarkSaved("C:\\p.obm");
  model.SetRootFolderPicked("D:\\other\\");
  EXPECT_EQ(model.RememberedRoot(), "D:\\other\\");
  EXPECT_EQ(model.Field(ProjectField::RootFolder), "D:\\other\\");
  EXPECT_TRUE(model.Dirty());
}

namespace pages {

MenuSpot LinkTo(const std::string& name, const std::string& target) {
  MenuSpot spot = Named(name);
  spot.Action = ActionCode(ActionKind::GoToPage);
  spot.Target = target;
  return spot;
}

// Home (spot "home1" -> Extras), Extras (spot "back" -> home), Docs (spot "x" -> EXTRAS ), saved.
ProjectModel ThreePages() {
  ProjectModel model;
  model.AddSpot(LinkTo("home1", "Extras"));
  EXPECT_EQ(model.AddPage("Extras"), PageNameProblem::None);
  EXPECT_EQ(model.AddPage(" Docs "), PageNameProblem::None);
  model.SelectPage(2);
  model.AddSpot(LinkTo("back", "home"));
  model.SelectPage(3);
  model.AddSpot(LinkTo(" x ", " EXTRAS "));
  model.SelectPage(1);
  model.MarkSaved("C:\\p.obm");
  return model;
}

TEST(ProjectModelPages, NamesAreTrimmedUniqueWithoutCaseAndNotEmpty) {
  ProjectModel model = ThreePages();
  EXPECT_EQ(model.PageNames(), (std::vector<std::string>{"Home", "Extras", "Docs"}));
  EXPECT_EQ(model.AddPage("  "), PageNameProblem::Empty);
  EXPECT_EQ(model.AddPage("HOME"), PageNameProblem::Taken);
  EXPECT_EQ(model.AddPage(" docs"), PageNameProblem::Taken);
  EXPECT_EQ(model.RenamePage(2, "docs"), PageNameProblem::Taken);
  EXPECT_EQ(model.PageCount(), 3);
  EXPECT_FALSE(model.Dirty()) << "a refused name changes nothing";
  EXPECT_EQ(model.RenamePage(2, "EXTRAS"), PageNameProblem::None) << "a page may change its own name's case";
  EXPECT_EQ(model.PageName(2), "EXTRAS");
  EXPECT_TRUE(model.Dirty());
  EXPECT_EQ(model.CurrentPage(), 1) << "adding a page does not leave the page being edited";
}

TEST(ProjectModelPages, SpotsTitleAndBackgroundAreTheCurrentPages) {
  ProjectModel model = ThreePages();
  model.SetField(ProjectField::CdTitle, "Start");
  model.SetField(ProjectField::BackgroundImage, "C:\\cd\\a.jpg");
  uint64_t revision = model.SpotListRevision();
  ASSERT_TRUE(model.SelectPage(2));
  EXPECT_NE(model.SpotListRevision(), revision);
  EXPECT_EQ(model.Field(ProjectField::CdTitle), "");
  model.SetField(ProjectField::CdTitle, "Extras ?");
  model.SetField(ProjectField::BackgroundImage, "C:\\cd\\b.jpg");
  model.AddSpot(Named("two"));
  EXPECT_EQ(model.SpotListEntries(), (std::vector<std::string>{" New Menu Spot", "back", "two"}));
  ASSERT_TRUE(model.RemoveSpot(1));
  EXPECT_FALSE(model.SelectPage(4));
  EXPECT_EQ(model.CurrentPage(), 2);

  const ProjectData& d = model.Data();
  EXPECT_EQ(d.CdTitle, "Start");
  EXPECT_EQ(d.BackgroundImage, "C:\\cd\\a.jpg");
  EXPECT_EQ(d.Spots.size(), 1u);
  EXPECT_EQ(d.Pages[0].CdTitle, "Extras ?");
  EXPECT_EQ(d.Pages[0].BackgroundImage, "C:\\cd\\b.jpg");
  ASSERT_EQ(d.Pages[0].Spots.size(), 1u);
  EXPECT_EQ(d.Pages[0].Spots[0].Name, "two");

  model.ReplaceWhole(ProjectData(d), "C:\\p.obm");
  EXPECT_EQ(model.CurrentPage(), 1) << "a loaded project opens on page 1";
  model.SelectPage(3);
  model.New();
  EXPECT_EQ(model.CurrentPage(), 1);
  EXPECT_EQ(model.PageCount(), 1);
}

TEST(ProjectModelPages, RenamingAPageTakesTheLinksToItAlong) {
  ProjectModel model = ThreePages();
  ASSERT_EQ(model.RenamePage(2, "Videos"), PageNameProblem::None);
  ASSERT_EQ(model.RenamePage(1, "Start"), PageNameProblem::None);
  EXPECT_EQ(model.Data().PageName, "Start");
  EXPECT_EQ(model.Spot(1).Target, "Videos");
  model.SelectPage(2);
  EXPECT_EQ(model.Spot(1).Target, "Start");
  model.SelectPage(3);
  EXPECT_EQ(model.Spot(1).Target, "Videos") << "a link matched without case and blanks";

  MenuSpot run = Named("run");  // a program that happens to be called like a page is no link
  run.Action = ActionCode(ActionKind::ExecuteFile);
  run.Target = "Docs";
  model.AddSpot(run);
  model.RenamePage(3, "Papers");
  EXPECT_EQ(model.Spot(2).Target, "Docs");
}

TEST(ProjectModelPages, DeletingNamesTheLinksAndKeepsPageOneFirst) {
  ProjectModel model = ThreePages();
  EXPECT_EQ(model.LinksTo(2), (std::vector<PageLink>{{1, 1, "home1"}, {3, 1, "x"}}));
  EXPECT_EQ(model.LinksTo(3), std::vector<PageLink>{});
  EXPECT_FALSE(model.DeletePage(1));
  EXPECT_FALSE(model.MovePage(1, 1));
  EXPECT_FALSE(model.MovePage(2, -1)) << "nothing goes above page 1";
  EXPECT_FALSE(model.MovePage(3, 1));
  EXPECT_FALSE(model.Dirty());

  model.SelectPage(3);
  ASSERT_TRUE(model.MovePage(3, -1));
  EXPECT_EQ(model.PageNames(), (std::vector<std::string>{"Home", "Docs", "Extras"}));
  EXPECT_EQ(model.CurrentPage(), 2) << "the page being edited moves with it";
  EXPECT_TRUE(model.Dirty());

  ASSERT_TRUE(model.DeletePage(3));
  EXPECT_EQ(model.PageNames(), (std::vector<std::string>{"Home", "Docs"}));
  EXPECT_EQ(model.CurrentPage(), 2);
  EXPECT_EQ(model.Spot(1).Target, " EXTRAS ") << "a dangling link stays for the check to name";
  ASSERT_TRUE(model.DeletePage(2));
  EXPECT_EQ(model.CurrentPage(), 1);
  EXPECT_EQ(model.Spot(1).Name, "home1");
}

}  // namespace pages

}  // namespace
}  // namespace orb
