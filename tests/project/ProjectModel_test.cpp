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
  for (int entry = 1; entry <= 7; ++entry) EXPECT_EQ(ActionCodeForEntry(entry), entry);
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

}  // namespace
}  // namespace orb
