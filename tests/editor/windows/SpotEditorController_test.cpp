// The menu spot editor: action rule, browse and Locate buttons, OK checks, storing new and edited spots.
#include "editor/windows/SpotEditorController.h"

#include <gtest/gtest.h>

#include "WindowFakes.h"

namespace orb {
namespace {

using workfakes::FakeList;
using workfakes::FakeMessages;
using workfakes::FakePicker;

MenuSpot NamedSpot(const std::string& name) {
  MenuSpot s;
  s.Name = name;
  s.Action = 1;
  s.Target = "C:\\cd\\setup.exe";
  s.RolloverImage = "C:\\cd\\imgmusic\\over.gif";
  s.X = 1200;
  s.Y = 900;
  s.VideoWidth = 30;
  return s;
}

struct SpotEditorFixture : ::testing::Test {
  ProjectModel model;
  FakeList list;
  FakeMessages messages;
  FakePicker picker;
  std::vector<PlacementInputs> placements;
  std::optional<PlacementOutputs> placement_answer;
  std::vector<int> help;
  SpotEditorController editor{model,
                              list,
                              messages,
                              picker,
                              [this](const PlacementInputs& in) {
                                placements.push_back(in);
                                return placement_answer;
                              },
                              [this](int context) { help.push_back(context); }};

  void AddSpots(int n) {
    for (int i = 1; i <= n; ++i) {
      model.AddSpot(NamedSpot(" spot " + std::to_string(i) + " "));
      list.AppendEntry("spot " + std::to_string(i));
    }
  }
  void FillRequired() {
    editor.SetText(SpotText::Name, "  Start ");
    editor.SetText(SpotText::Rollover, "C:\\cd\\imgmusic\\over.gif");
  }
};

TEST_F(SpotEditorFixture, ActionRuleChangesOnlyAvailability) {
  editor.PresetNew();
  EXPECT_TRUE(editor.TargetEnabled() && editor.TargetBrowseEnabled() && editor.VideoGroupEnabled());
  struct Row {
    int entry;
    bool target, browse, video;
  };
  for (Row r : {Row{1, true, true, false}, Row{2, true, false, false}, Row{4, true, false, false},
                Row{3, false, false, false}, Row{6, false, false, false}, Row{8, true, false, false},
                Row{9, false, false, false}, Row{5, true, true, true}}) {
    editor.cmbact_Click(r.entry);
    EXPECT_EQ(editor.TargetEnabled(), r.target) << r.entry;
    EXPECT_EQ(editor.TargetBrowseEnabled(), r.browse) << r.entry;
    EXPECT_EQ(editor.VideoGroupEnabled(), r.video) << r.entry;
  }
  // "Do Nothing" and "Select an Action" leave everything as the previous entry set it.
  editor.cmbact_Click(7);
  EXPECT_TRUE(editor.VideoGroupEnabled());
  editor.cmbact_Click(3);
  editor.cmbact_Click(0);
  EXPECT_FALSE(editor.TargetEnabled());
  // No field is emptied.
  editor.SetText(SpotText::Target, "C:\\cd\\setup.exe");
  editor.cmbact_Click(2);
  EXPECT_EQ(editor.Text(SpotText::Target), "C:\\cd\\setup.exe");
}

TEST_F(SpotEditorFixture, BrowseButtonsUseTheirDialogsAndImgmusic) {
  model.SetRootFolderPicked("C:\\cd\\");
  picker.answer = "C:\\cd\\imgmusic\\click.wav";
  editor.imgbrowse_Click(3);
  EXPECT_EQ(editor.Text(SpotText::ClickSound), "C:\\cd\\imgmusic\\click.wav");
  ASSERT_EQ(picker.requests.size(), 1u);
  EXPECT_EQ(picker.requests[0].title, "Select a Sound File.");
  EXPECT_EQ(picker.requests[0].filters.size(), 4u);
  EXPECT_EQ(picker.requests[0].filters[0].second, "*.wav;*.mp3;*.mid*");
  EXPECT_EQ(picker.destinations[0], "C:\\cd\\imgmusic\\");

  EXPECT_EQ(SpotBrowseRequest(1).title, "Select a Rollover Image for the Menu Spot.");
  EXPECT_EQ(SpotBrowseRequest(1).filters[0].second, "*.bmp;*.dib;*.gif;*.jpg;*.png;*.ico;*.cur;*.wmf;*.emf");
  EXPECT_EQ(SpotBrowseRequest(4).title, "Select a Program(or a File) for the Menu Spot.");
  EXPECT_EQ(SpotBrowseRequest(0).filters[0].first, "All Files (*.*)");

  // Cancelled: the field keeps its text. Disabled target browse: no dialog.
  picker.answer = "";
  editor.imgbrowse_Click(3);
  EXPECT_EQ(editor.Text(SpotText::ClickSound), "C:\\cd\\imgmusic\\click.wav");
  editor.cmbact_Click(2);
  editor.imgbrowse_Click(0);
  EXPECT_EQ(picker.requests.size(), 2u);
}

TEST_F(SpotEditorFixture, LocateChecksAndWritesBack) {
  model.SetField(ProjectField::BackgroundImage, "C:\\cd\\imgmusic\\back.jpg");
  editor.cmdlocate_Click();
  editor.cmdvidlocate_Click();
  EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"Please select a Rollover image first.",
                                                        "Please select a Video file first."}));
  EXPECT_EQ(messages.shown[0].icon, MsgIcon::Information);
  EXPECT_TRUE(placements.empty());

  editor.SetText(SpotText::Rollover, "C:\\cd\\imgmusic\\over.gif");
  placement_answer = PlacementOutputs{false, "4650", "2490", "", ""};
  editor.cmdlocate_Click();
  ASSERT_EQ(placements.size(), 1u);
  EXPECT_FALSE(placements[0].video_mode);
  EXPECT_EQ(placements[0].background_image, "C:\\cd\\imgmusic\\back.jpg");
  EXPECT_EQ(placements[0].txtx, "0");
  EXPECT_EQ(editor.Text(SpotText::X), "4650");
  EXPECT_EQ(editor.Text(SpotText::Y), "2490");

  editor.SetText(SpotText::Target, " C:\\cd\\movie.avi ");
  placement_answer = PlacementOutputs{true, "15", "30", "4800", "3600"};
  editor.cmdvidlocate_Click();
  EXPECT_TRUE(placements[1].video_mode);
  EXPECT_EQ(placements[1].video_file, "C:\\cd\\movie.avi");
  EXPECT_EQ(editor.VidLocateTag(), "");
  EXPECT_EQ(editor.Text(SpotText::VidX), "15");
  EXPECT_EQ(editor.Text(SpotText::VidHeight), "3600");
  EXPECT_EQ(editor.Text(SpotText::X), "4650");

  EXPECT_TRUE(placements[0].other_spots.empty()) << "a new spot in an empty menu has no others to line up with";

  // Cancel in the placement window changes nothing and still clears the tag.
  placement_answer.reset();
  editor.cmdvidlocate_Click();
  EXPECT_EQ(editor.VidLocateTag(), "");
  EXPECT_EQ(editor.Text(SpotText::VidX), "15");

  // The menu's other spots come along to be shown faintly; the spot being edited and spots without a
  // picture do not.
  AddSpots(4);
  MenuSpot spot = model.Spot(1);
  spot.RolloverImage = "C:\\cd\\imgmusic\\one.gif";
  spot.X = 150;
  spot.Y = 300;
  model.ReplaceSpot(1, spot);
  spot.RolloverImage = " ";
  model.ReplaceSpot(3, spot);
  editor.PresetFromSpot(2);
  editor.cmdlocate_Click();
  ASSERT_EQ(placements.back().other_spots.size(), 2u);
  EXPECT_EQ(placements.back().other_spots[0].image, "C:\\cd\\imgmusic\\one.gif");
  EXPECT_EQ(placements.back().other_spots[0].x, 150);
  EXPECT_EQ(placements.back().other_spots[0].y, 300);
  EXPECT_EQ(placements.back().other_spots[1].image, "C:\\cd\\imgmusic\\over.gif");  // spot 4
  EXPECT_EQ(placements.back().other_spots[1].x, 1200);
}

TEST_F(SpotEditorFixture, OkChecksInOrderAndKeepsTheDialogOpen) {
  editor.PresetNew();
  editor.SetText(SpotText::X, "100");
  EXPECT_FALSE(editor.cmdok_Click());
  editor.SetText(SpotText::Name, "Start");
  EXPECT_FALSE(editor.cmdok_Click());
  editor.SetText(SpotText::Rollover, "over.gif");
  editor.SetText(SpotText::Y, "");
  EXPECT_FALSE(editor.cmdok_Click());
  EXPECT_EQ(messages.Texts(), (std::vector<std::string>{
                                  "Please Enter a menu name.",
                                  "Please select a Rollover image and its co-ordinates.",
                                  "Please Click Locate & locate the co-ordinates of rollover image.",
                              }));
  for (const auto& m : messages.shown) {
    EXPECT_EQ(m.icon, MsgIcon::Information);
    EXPECT_EQ(m.title, "");
  }
  EXPECT_EQ(model.SpotCount(), 0);
  EXPECT_EQ(editor.Text(SpotText::Name), "Start");

  // A coordinate a 16-bit field cannot hold is refused rather than wrapped.
  editor.SetText(SpotText::Y, "40000");
  EXPECT_FALSE(editor.cmdok_Click());
  EXPECT_EQ(model.SpotCount(), 0);
}

TEST_F(SpotEditorFixture, NewSpotIsAppendedWithActionSevenAndTrimmedListEntry) {
  AddSpots(1);
  editor.PresetNew();
  FillRequired();
  editor.SetText(SpotText::X, "4650.5");
  editor.SetText(SpotText::Y, "2490");
  ASSERT_TRUE(editor.cmdok_Click());
  ASSERT_EQ(model.SpotCount(), 2);
  const MenuSpot& s = model.Spot(2);
  EXPECT_EQ(s.Name, "  Start ");
  EXPECT_EQ(s.Action, 7);
  EXPECT_EQ(s.X, 4650);
  EXPECT_EQ(s.Y, 2490);
  EXPECT_TRUE(model.Dirty());
  EXPECT_EQ(list.entries, (std::vector<std::string>{" New Menu Spot", "spot 1", "Start"}));
}

TEST_F(SpotEditorFixture, EditReplacesSpotKAndItsEntry) {
  AddSpots(5);
  MenuSpot before = model.Spot(3);
  editor.PresetFromSpot(3);
  EXPECT_EQ(editor.Tag(), "3");
  EXPECT_EQ(editor.Action(), 1);
  EXPECT_EQ(editor.Text(SpotText::X), "1200");
  EXPECT_EQ(editor.Text(SpotText::VidWidth), "30");
  EXPECT_FALSE(editor.VideoGroupEnabled());
  editor.SetText(SpotText::Name, "Third");
  editor.cmbact_Click(5);
  ASSERT_TRUE(editor.cmdok_Click());
  EXPECT_EQ(model.SpotCount(), 5);
  MenuSpot expected = before;
  expected.Name = "Third";
  expected.Action = 5;
  EXPECT_EQ(model.Spot(3), expected);
  EXPECT_EQ(list.entries[3], "Third");
  EXPECT_EQ(list.entries.size(), 6u);
  EXPECT_EQ(editor.Tag(), "");
}

TEST_F(SpotEditorFixture, GoToPagePicksAPageAndGoBackStoresNoTarget) {
  AddSpots(1);
  model.SetField(ProjectField::BackgroundImage, "C:\\cd\\home.jpg");
  model.AddPage("Extras");
  model.SelectPage(2);
  model.SetField(ProjectField::BackgroundImage, "C:\\cd\\extras.jpg");
  editor.PresetNew();
  FillRequired();
  editor.cmbact_Click(8);
  EXPECT_TRUE(editor.TargetIsPage());
  EXPECT_EQ(editor.PageChoices(), (std::vector<std::string>{"Home", "Extras"}));
  EXPECT_EQ(editor.PageChoice(), -1);
  EXPECT_FALSE(editor.cmdok_Click()) << "a Go to Page spot needs its page";
  EXPECT_EQ(messages.shown.back().text, "Please select the page this menu spot leads to.");
  editor.cmbpage_Click(0);
  EXPECT_EQ(editor.Text(SpotText::Target), "Home");
  editor.cmdlocate_Click();
  ASSERT_EQ(placements.size(), 1u);
  EXPECT_EQ(placements[0].background_image, "C:\\cd\\extras.jpg") << "placed on the page being edited";
  EXPECT_TRUE(placements[0].other_spots.empty()) << "page 1's spot is not on this page";
  ASSERT_TRUE(editor.cmdok_Click());
  ASSERT_EQ(model.SpotCount(), 1);
  EXPECT_EQ(model.Spot(1).Action, 8);
  EXPECT_EQ(model.Spot(1).Target, "Home");

  model.RenamePage(1, "start");
  editor.PresetFromSpot(1);
  EXPECT_EQ(editor.PageChoice(), 0) << "reopened on the page it leads to";
  editor.cmbact_Click(9);
  EXPECT_FALSE(editor.TargetIsPage());
  ASSERT_TRUE(editor.cmdok_Click());
  EXPECT_EQ(model.Spot(1).Action, 9);
  EXPECT_EQ(model.Spot(1).Target, "");
  model.SelectPage(1);
  EXPECT_EQ(model.Spot(1).Name, " spot 1 ");
}

TEST_F(SpotEditorFixture, ActionSevenReopensAsDoNothing) {
  MenuSpot s = NamedSpot("x");
  s.Action = 7;
  model.AddSpot(s);
  editor.PresetFromSpot(1);
  EXPECT_EQ(editor.Action(), 7);
}

TEST_F(SpotEditorFixture, CancelLeavesSpotAndListAsTheyWere) {
  AddSpots(2);
  ProjectModel before = model;
  FakeList list_before = list;
  {
    SpotEditorController other(model, list, messages, picker, nullptr, nullptr);
    other.PresetFromSpot(2);
    other.SetText(SpotText::Name, "changed");
    other.SetText(SpotText::Rollover, "other.gif");
    other.cmbact_Click(6);
    other.Form_KeyDown_F1();  // no help seam: nothing happens
  }
  EXPECT_EQ(model.Data(), before.Data());
  EXPECT_EQ(model.Dirty(), before.Dirty());
  EXPECT_EQ(list.entries, list_before.entries);
}

TEST_F(SpotEditorFixture, F1OpensHelpTopic1004) {
  editor.Form_KeyDown_F1();
  EXPECT_EQ(help, (std::vector<int>{1004}));
}

TEST_F(SpotEditorFixture, SwitchLanguagePicksOrTypesATagAndAVersionEditsOnlyItsTexts) {
  model.SetDefaultLanguage("en");
  model.AddLanguage("de");
  model.AddLanguage("pt-BR");
  AddSpots(2);
  editor.PresetNew();
  FillRequired();
  editor.cmbact_Click(10);
  EXPECT_TRUE(editor.TargetIsLanguage() && editor.TargetEnabled() && !editor.TargetBrowseEnabled());
  EXPECT_EQ(editor.LanguageChoices(), (std::vector<std::string>{"en", "de", "pt-BR"}));
  editor.SetText(SpotText::Target, "pt_BR");
  EXPECT_FALSE(editor.cmdok_Click());
  EXPECT_EQ(messages.Texts().back(), "Please choose or type the language this menu spot switches to: a tag such as de, fr or pt-BR.");
  editor.cmblanguage_Click(2);
  ASSERT_TRUE(editor.cmdok_Click());
  EXPECT_EQ(model.Spot(3).Action, 10);
  EXPECT_EQ(model.Spot(3).Target, "pt-BR");

  // In the version "de", spot 1's tooltip, rollover and target are the version's; the rest is the default's.
  model.SelectLanguage(1);
  model.SetLanguageText(LanguageField::ToolTip, 1, 1, "Einrichten");
  editor.PresetFromSpot(1);
  EXPECT_EQ(editor.Text(SpotText::ToolTip), "Einrichten");
  EXPECT_EQ(editor.Text(SpotText::Target), "");
  EXPECT_EQ(editor.Hint(SpotText::Target), "C:\\cd\\setup.exe");
  EXPECT_EQ(editor.Hint(SpotText::ToolTip), "");
  EXPECT_TRUE(editor.FieldEnabled(SpotText::Rollover) && editor.FieldEnabled(SpotText::Target));
  EXPECT_FALSE(editor.FieldEnabled(SpotText::Name) || editor.FieldEnabled(SpotText::MoveSound) || editor.ActionEnabled());
  editor.cmdlocate_Click();
  EXPECT_TRUE(placements.empty()) << "the position is the default's";
  editor.SetText(SpotText::Target, "C:\\cd\\setup-de.exe");
  editor.SetText(SpotText::ToolTip, "");
  ASSERT_TRUE(editor.cmdok_Click());
  EXPECT_EQ(model.Spot(1), NamedSpot(" spot 1 ")) << "the default's spot is untouched";
  EXPECT_EQ(model.Data().Languages[0].Texts,
            (std::vector<LanguageText>{{LanguageField::Target, 1, 1, "C:\\cd\\setup-de.exe"}}));
  // A Switch Language spot's target is a tag, the same in every version.
  editor.PresetFromSpot(3);
  EXPECT_FALSE(editor.FieldEnabled(SpotText::Target));
  EXPECT_EQ(editor.Text(SpotText::Target), "pt-BR");
}

}  // namespace
}  // namespace orb
