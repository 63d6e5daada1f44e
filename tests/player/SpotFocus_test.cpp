// The menu's keyboard: arrow-key geometry and Tab order, the keys driving the menu's own rollovers, move
// sounds and actions (seen in the fakes' log), the sharing of the lit spot with the pointer, and the
// spots' accessible names.
#include "player/SpotFocus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "tests/player/PlayerFakes.h"

namespace orb {
namespace {

SpotArea Box(int x, int y, int w = 40, int h = 20) { return {x, y, x + w, y + h}; }

TEST(SpotGeometry, ArrowsFindTheNearestSpotThatWay) {
  // 1 2 3
  // 4 . 5      6 far right, level with row two
  std::vector<SpotArea> grid = {Box(0, 0),   Box(100, 0),   Box(200, 0),
                                Box(0, 100), Box(200, 100), Box(600, 100)};
  EXPECT_EQ(NearestSpot(grid, 1, Direction::Right), 2);
  EXPECT_EQ(NearestSpot(grid, 2, Direction::Right), 3);
  EXPECT_EQ(NearestSpot(grid, 3, Direction::Left), 2);
  EXPECT_EQ(NearestSpot(grid, 1, Direction::Down), 4);
  EXPECT_EQ(NearestSpot(grid, 5, Direction::Up), 3);
  // From 4 the level spot 5 beats 2, which is nearer but off to the side.
  EXPECT_EQ(NearestSpot(grid, 4, Direction::Right), 5);
  EXPECT_EQ(NearestSpot(grid, 5, Direction::Right), 6);
  // Nothing lies that way.
  EXPECT_EQ(NearestSpot(grid, 1, Direction::Left), 0);
  EXPECT_EQ(NearestSpot(grid, 1, Direction::Up), 0);
  EXPECT_EQ(NearestSpot(grid, 6, Direction::Right), 0);
  EXPECT_EQ(NearestSpot(grid, 4, Direction::Down), 0);
  // A taller neighbour in the same row reaches lower, but it is beside, not below.
  std::vector<SpotArea> row = {Box(0, 0, 80, 40), Box(180, 0, 60, 30), Box(0, 130, 60, 30)};
  EXPECT_EQ(NearestSpot(row, 2, Direction::Down), 3);
  EXPECT_EQ(NearestSpot(row, 1, Direction::Up), 0);
  EXPECT_EQ(NearestSpot(row, 2, Direction::Up), 0);
}

TEST(SpotGeometry, TiesGoToTheNearerCentreThenTheEarlierSpot) {
  // 2 and 3 lie the same gap to the right, in the same row band; 3's centre is level with 1's.
  std::vector<SpotArea> near = {Box(0, 10), Box(100, 0, 40, 25), Box(100, 10)};
  EXPECT_EQ(NearestSpot(near, 1, Direction::Right), 3);
  // Mirror images above and below: the same score and distance, so menu.cfg order decides.
  std::vector<SpotArea> mirror = {Box(0, 100), Box(100, 40), Box(100, 160)};
  EXPECT_EQ(NearestSpot(mirror, 1, Direction::Right), 2);
  std::swap(mirror[1], mirror[2]);
  EXPECT_EQ(NearestSpot(mirror, 1, Direction::Right), 2);
}

TEST(SpotGeometry, OverlappingSpotsAndDegenerateMenus) {
  // 2 overlaps 1 and its centre lies right of 1's; 3 sits exactly on 1 (same centre: no way leads there).
  std::vector<SpotArea> stack = {Box(0, 0, 100, 50), Box(60, 10, 100, 50), Box(0, 0, 100, 50)};
  EXPECT_EQ(NearestSpot(stack, 1, Direction::Right), 2);
  EXPECT_EQ(NearestSpot(stack, 2, Direction::Left), 1);
  EXPECT_EQ(NearestSpot(stack, 1, Direction::Down), 2);
  EXPECT_EQ(NearestSpot(stack, 2, Direction::Up), 1);
  EXPECT_EQ(NearestSpot({Box(5, 5)}, 1, Direction::Right), 0);
  EXPECT_EQ(NearestSpot({}, 1, Direction::Down), 0);
  EXPECT_EQ(NearestSpot(stack, 0, Direction::Down), 0);
  EXPECT_EQ(NearestSpot(stack, 9, Direction::Down), 0);
}

TEST(SpotGeometry, TabOrderWrapsAndStartsAtTheEnds) {
  EXPECT_EQ(NextSpotInOrder(3, 1, true), 2);
  EXPECT_EQ(NextSpotInOrder(3, 3, true), 1);
  EXPECT_EQ(NextSpotInOrder(3, 1, false), 3);
  EXPECT_EQ(NextSpotInOrder(3, 0, true), 1);
  EXPECT_EQ(NextSpotInOrder(3, 0, false), 3);
  EXPECT_EQ(NextSpotInOrder(1, 1, true), 1);
  EXPECT_EQ(NextSpotInOrder(0, 0, true), 0);
  EXPECT_EQ(NextSpotInOrder(0, 0, false), 0);
}

struct KeysTest : ::testing::Test {
  Log log;
  LoggedMedia media{log};
  FakeMenuView view{log};
  MenuConfig config;
  std::unique_ptr<MenuController> menu;
  std::unique_ptr<SpotFocus> keys;

  // Spots in one row, 100 pixels apart, in menu.cfg order.
  void Load(std::vector<PlayerSpot> spots) {
    view.files["D:\\autorun.inf"] = "[AutoRun]\r\nOPEN=Orbstart.exe\r\nIcon=Orbstart.exe\r\n";
    media.short_paths["D:\\click.wav"] = "D:\\CLICK.WAV";
    config.MenuMode = true;
    config.BackgroundPath = "D:\\back.bmp";
    config.CdTitle = "CD";
    config.Spots = std::move(spots);
    config.SpotCount = static_cast<int16_t>(config.Spots.size());
    menu = std::make_unique<MenuController>(config, "D:", media, view);
    keys = std::make_unique<SpotFocus>(*menu, view);
    std::string error;
    ASSERT_TRUE(menu->Form_Load(error)) << error;
    std::vector<SpotArea> areas;
    for (size_t i = 0; i < config.Spots.size(); ++i) areas.push_back(Box(static_cast<int>(i) * 100, 0));
    keys->SetAreas(areas);
    log.clear();
  }
  Log Press(MenuKey key) {
    EXPECT_TRUE(keys->KeyDown(key));
    Log out;
    out.swap(log);
    return out;
  }
};

TEST_F(KeysTest, TabHomeEndAndArrowsLightSpotsAsThePointerDoes) {
  Load({Spot(7, "", "\\m1.wav"), Spot(7, "", "\\m2.wav"), Spot(7)});
  EXPECT_FALSE(keys->CuesShown());
  EXPECT_EQ(Press(MenuKey::Tab), (Log{"show 1", "mci Stop alias0", "mci play alias1 from 0"}));
  EXPECT_TRUE(keys->CuesShown());
  EXPECT_EQ(Press(MenuKey::Tab), (Log{"show 2", "hide 1", "mci Stop alias1", "mci play alias2 from 0"}));
  EXPECT_EQ(Press(MenuKey::Tab), (Log{"show 3", "hide 2"}));
  EXPECT_EQ(Press(MenuKey::Tab), (Log{"show 1", "hide 3", "mci Stop alias3", "mci play alias1 from 0"}));
  EXPECT_EQ(Press(MenuKey::ShiftTab), (Log{"show 3", "hide 1"}));
  EXPECT_EQ(Press(MenuKey::Home), (Log{"show 1", "hide 3", "mci Stop alias3", "mci play alias1 from 0"}));
  EXPECT_TRUE(Press(MenuKey::Home).empty());  // already there: no sound again
  EXPECT_EQ(Press(MenuKey::End), (Log{"show 3", "hide 1"}));
  EXPECT_EQ(Press(MenuKey::Left), (Log{"show 2", "hide 3", "mci Stop alias3", "mci play alias2 from 0"}));
  EXPECT_TRUE(Press(MenuKey::Up).empty());  // nothing above
  EXPECT_EQ(keys->Focused(), 2);
}

TEST_F(KeysTest, EnterAndSpaceClickTheFocusedSpotAndEscapeCloses) {
  Load({Spot(1, "D:\\setup.exe", "", "D:\\click.wav"), Spot(6, "", "", "D:\\click.wav")});
  EXPECT_TRUE(Press(MenuKey::Enter).empty());  // nothing focused yet
  Press(MenuKey::Home);
  const std::string click_open =
      "mci open D:\\CLICK.WAV type MPEGVideo Alias audio2 parent 200 Style 1073741824";
  EXPECT_EQ(Press(MenuKey::Enter),
            (Log{"shell 200 open [D:\\setup.exe] [] [D:\\]", "mci Close ", click_open, "mci play audio2"}));
  EXPECT_EQ(Press(MenuKey::Space), (Log{"shell 200 open [D:\\setup.exe] [] [D:\\]", "mci Close audio2",
                                        click_open, "mci play audio2"}));
  Press(MenuKey::End);
  EXPECT_EQ(Press(MenuKey::Space), (Log{"mci Close audio2", "close menu"}));
  // Escape is the close box: no click alias, just the window.
  EXPECT_EQ(Press(MenuKey::Escape), (Log{"close menu"}));
}

TEST_F(KeysTest, AMenuWithoutSpotsOnlyCloses) {
  Load({});
  for (MenuKey key : {MenuKey::Tab, MenuKey::ShiftTab, MenuKey::Home, MenuKey::End, MenuKey::Right,
                      MenuKey::Enter, MenuKey::Space}) {
    EXPECT_TRUE(Press(key).empty());
  }
  EXPECT_EQ(keys->Focused(), 0);
  EXPECT_EQ(Press(MenuKey::Escape), (Log{"close menu"}));
}

TEST_F(KeysTest, PointerAndKeyboardShareOneLitSpot) {
  Load({Spot(7), Spot(7), Spot(1, "D:\\a.exe"), Spot(7)});
  Press(MenuKey::Tab);
  // The pointer takes over: one rollover only, and the keyboard goes on from there.
  menu->PointerOverSpot(3);
  EXPECT_EQ(log, (Log{"show 3", "hide 1"}));
  log.clear();
  EXPECT_EQ(keys->Focused(), 3);
  EXPECT_EQ(Press(MenuKey::Tab), (Log{"show 4", "hide 3"}));
  // Back to the background: nothing is lit, so Enter presses nothing ...
  menu->PointerOverSpot(3);
  menu->PointerOverBackground();
  log.clear();
  EXPECT_EQ(keys->Focused(), 0);
  EXPECT_TRUE(Press(MenuKey::Enter).empty());
  // ... and the keyboard still goes on from the spot last lit.
  EXPECT_EQ(Press(MenuKey::ShiftTab), (Log{"show 2"}));
  menu->PointerOverBackground();
  log.clear();
  EXPECT_EQ(Press(MenuKey::Up), (Log{"show 2"}));  // nothing above: the spot left lights again
  menu->PointerOverBackground();
  log.clear();
  EXPECT_EQ(Press(MenuKey::Right), (Log{"show 3"}));
}

TEST_F(KeysTest, PagesByKeysEscapeGoesBackUntilPageOneWhereItCloses) {
  config.Pages = {{"Next", "Next", "D:\\next.bmp", {Spot(9, "", "\\m1.wav"), Spot(8, "Last")}},
                  {"Last", "Last", "D:\\last.bmp", {Spot(7), Spot(7)}}};
  Load({Spot(7, "", "\\m1.wav"), Spot(8, "Next")});
  int under_pointer = 0;
  view.on_page_shown = [&] { keys->PageShown({Box(0, 0), Box(100, 0)}, under_pointer); };
  auto leads_to = [this](const Log& got) {
    return std::find(got.begin(), got.end(), "page shown") != got.end() ? menu->Page() : 0;
  };

  // By the pointer: no keyboard yet, so the spot under the resting pointer is lit without its sound.
  under_pointer = 1;
  menu->img_Click(2);
  EXPECT_EQ(std::count(log.begin(), log.end(), "show 1"), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "mci play alias1 from 0"), 0);
  log.clear();
  menu->PointerOverSpot(1);  // still the same spot: no sound either
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(leads_to(Press(MenuKey::Escape)), 1);
  EXPECT_EQ(menu->Page(), 1);

  // By the keys: every page starts with its first spot focused, and the way back is Escape or Backspace.
  under_pointer = 0;
  Press(MenuKey::End);
  EXPECT_EQ(leads_to(Press(MenuKey::Enter)), 2);
  EXPECT_EQ(keys->Focused(), 1);
  Press(MenuKey::Tab);
  EXPECT_EQ(leads_to(Press(MenuKey::Space)), 3);
  EXPECT_EQ(keys->Focused(), 1);
  EXPECT_EQ(leads_to(Press(MenuKey::Back)), 2);
  EXPECT_EQ(keys->Focused(), 1);
  EXPECT_EQ(leads_to(Press(MenuKey::Escape)), 1);
  EXPECT_EQ(keys->Focused(), 1);
  EXPECT_TRUE(Press(MenuKey::Back).empty());  // page 1 reached by no other: nothing
  EXPECT_EQ(Press(MenuKey::Escape), (Log{"close menu"}));
}

TEST_F(KeysTest, OnlyRealPointerMovesCount) {
  Load({Spot(7)});
  EXPECT_TRUE(keys->PointerMoved(10, 10));
  EXPECT_FALSE(keys->PointerMoved(10, 10));
  EXPECT_TRUE(keys->PointerMoved(11, 10));
  EXPECT_TRUE(keys->PointerMoved(10, 10));
}

TEST(SpotNames, TooltipThenTargetFileThenNumber) {
  PlayerSpot s = Spot(1, "D:\\tools\\setup.exe");
  s.ToolTip = "  Install  ";
  EXPECT_EQ(SpotAccessibleName(s, 1, "D:"), "Install");
  s.ToolTip = "   ";
  EXPECT_EQ(SpotAccessibleName(s, 1, "D:"), "setup.exe");
  EXPECT_EQ(SpotAccessibleName(Spot(5, "D:\\imgmusic\\intro.avi"), 2, "D:"), "intro.avi");
  EXPECT_EQ(SpotAccessibleName(Spot(2, "http://example.org/"), 2, "D:"), "example.org");
  EXPECT_EQ(SpotAccessibleName(Spot(2, "readme.txt"), 2, "D:"), "readme.txt");
  // A blank target (the folder alone) and targets the action does not use name nothing.
  EXPECT_EQ(SpotAccessibleName(Spot(1, "D:"), 3, "D:"), "Spot 3");
  EXPECT_EQ(SpotAccessibleName(Spot(3, "D:\\x.exe"), 4, "D:"), "Spot 4");
  EXPECT_EQ(SpotAccessibleName(Spot(6, "bye.exe"), 12, "D:"), "Spot 12");
  EXPECT_EQ(SpotAccessibleName(Spot(2, "///"), 5, "D:"), "Spot 5");
}

}  // namespace
}  // namespace orb
