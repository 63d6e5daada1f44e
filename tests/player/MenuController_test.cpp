// The menu window's rules through its intents: loading, hovering, every action code, videos, click sounds
// and the closing sequence, checked as the exact log of media commands and window effects.
#include "player/MenuController.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "tests/player/PlayerFakes.h"

namespace orb {
namespace {

MenuConfig Config(std::vector<PlayerSpot> spots, std::string title = " My CD ") {
  MenuConfig c;
  c.MenuMode = true;
  c.BackgroundPath = "D:\\back.jpg";
  c.CdTitle = std::move(title);
  c.Spots = std::move(spots);
  c.SpotCount = static_cast<int16_t>(c.Spots.size());
  return c;
}

struct MenuTest : ::testing::Test {
  Log log;
  LoggedMedia media{log};
  FakeMenuView view{log};
  MenuConfig config;
  std::unique_ptr<MenuController> menu;

  void SetUp() override {
    view.files["D:\\autorun.inf"] = "[AutoRun]\r\nOPEN=Orbstart.exe\r\nIcon=Orbstart.exe\r\n";
    media.short_paths["D:\\click.wav"] = "D:\\CLICK.WAV";
  }
  void Load(MenuConfig c) {
    config = std::move(c);
    menu = std::make_unique<MenuController>(config, "D:", media, view);
    std::string error;
    ASSERT_TRUE(menu->Form_Load(error)) << error;
    log.clear();
  }
  Log Take() {
    Log out;
    out.swap(log);
    return out;
  }
};

TEST_F(MenuTest, LoadBuildsFramedMenuOpensMoveSoundsAndPlacesSpotsInPicturePixels) {
  view.files["D:\\autorun.inf"] = "[AutoRun]\r\nOPEN=Orbstart.exe\r\nIcon=\\imgmusic\\cd.ico\r\n";
  media.short_paths["D:\\imgmusic\\move one.wav"] = "D:\\IMGMUSIC\\MOVEON~1.WAV";
  PlayerSpot first = Spot(1, "D:\\setup.exe", "\\imgmusic\\move one.wav ");
  first.X = 1200;
  first.Y = 900;
  first.ToolTip = "  Run setup ";
  first.MousePointer = "D:\\hand.cur";
  PlayerSpot video = Spot(5, "D:\\v.avi");
  video.VideoX = 1500, video.VideoY = 750, video.VideoWidth = 4800, video.VideoHeight = 3600;
  config = Config({first, video});
  MenuController m(config, "D:", media, view);
  std::string error;
  ASSERT_TRUE(m.Form_Load(error)) << error;
  EXPECT_EQ(Take(), (Log{"framed [My CD] D:\\back.jpg",
                         "mci open D:\\IMGMUSIC\\MOVEON~1.WAV type MPEGVideo Alias alias1 parent 200 Style 1073741824",
                         "icon D:\\imgmusic\\cd.ico",
                         "spot 1 at 80,60 tip [Run setup] D:\\over.bmp cursor D:\\hand.cur",
                         "spot 2 at 0,0 tip [] D:\\over.bmp video 100,50,320,240"}));
}

TEST_F(MenuTest, QuestionMarkAnywhereInTheTitleGivesTheShapedVariant) {
  for (const char* title : {"?Menu", "Menu?", "a?b"}) {
    Load(Config({Spot(7)}, title));
    menu = std::make_unique<MenuController>(config, "D:", media, view);
    std::string error;
    ASSERT_TRUE(menu->Form_Load(error));
    EXPECT_EQ(Take().front(), "shaped D:\\back.jpg") << title;
  }
}

TEST_F(MenuTest, LoadFailuresNameTheFileAndTheProblem) {
  struct Case {
    const char* broken;
    const char* inf;
    const char* message;
  } cases[] = {
      {"D:\\back.jpg", "", "D:\\back.jpg: the background picture cannot be read"},
      {"", nullptr, "D:\\autorun.inf: the file is missing or cannot be read"},
      {"", "[AutoRun]\r\n", "D:\\autorun.inf, line 2: "},
      {"D:\\cd.ico", "[AutoRun]\r\nOPEN=Orbstart.exe\r\nIcon=\\cd.ico\r\n",
       "D:\\cd.ico: the icon named in D:\\autorun.inf cannot be read"},
      {"D:\\over.bmp", "", "D:\\over.bmp: cannot be read"},
  };
  for (const Case& c : cases) {
    view.broken_pictures = {c.broken};
    if (!c.inf) {
      view.files.erase("D:\\autorun.inf");
    } else if (*c.inf) {
      view.files["D:\\autorun.inf"] = c.inf;
    } else {
      SetUp();
    }
    config = Config({Spot(7)});
    MenuController m(config, "D:", media, view);
    std::string error;
    EXPECT_FALSE(m.Form_Load(error));
    EXPECT_EQ(error.rfind(c.message, 0), 0u) << error;
  }
}

TEST_F(MenuTest, HugeTextsAreCutToWhatWindowsShowsAndHugePathsToAReadableMessage) {
  PlayerSpot spot = Spot(7);
  spot.ToolTip = "  " + std::string(10 * 1024 * 1024, 't') + "  ";
  Load(Config({spot}, " " + std::string(10 * 1024 * 1024, 'c') + " "));
  // The log of the load is gone; build again to see what the window was handed.
  MenuController again(config, "D:", media, view);
  std::string error;
  ASSERT_TRUE(again.Form_Load(error));
  Log got = Take();
  std::string caption = "framed [" + std::string(kMaxCaptionText - 3, 'c') + "...] D:\\back.jpg";
  std::string tip = "tip [" + std::string(kMaxTooltipText - 3, 't') + "...]";
  EXPECT_NE(std::find(got.begin(), got.end(), caption), got.end());
  ASSERT_EQ(std::count_if(got.begin(), got.end(),
                          [&](const std::string& l) { return l.find(tip) != std::string::npos; }),
            1);
  EXPECT_EQ(ShownText("short", kMaxTooltipText), "short");
  std::string alphas;  // two bytes each: a cut by bytes would count half as many and split one
  for (int i = 0; i < 6; ++i) alphas += "\xCE\xB1";
  EXPECT_EQ(ShownText(alphas, 6), alphas);
  EXPECT_EQ(ShownText(alphas + "b", 6), alphas.substr(0, 6) + "...");

  // A background path of 10 MB: the message keeps the start, the file name and the problem.
  MenuConfig huge = Config({Spot(7)});
  huge.BackgroundPath = "D:\\" + std::string(10 * 1024 * 1024, 'p') + "\\back.jpg";
  view.broken_pictures = {huge.BackgroundPath};
  MenuController broken(huge, "D:", media, view);
  EXPECT_FALSE(broken.Form_Load(error));
  EXPECT_LT(error.size(), 320u);
  EXPECT_NE(error.find("...\\back.jpg: the background picture cannot be read"), std::string::npos);
}

TEST_F(MenuTest, HoverFromSpotToSpotSwapsRolloversAndMoveSounds) {
  Load(Config({Spot(7, "", "\\m1.wav"), Spot(7, "", "\\m2.wav"), Spot(7)}));
  menu->PointerOverSpot(1);
  EXPECT_EQ(Take(), (Log{"show 1", "mci Stop alias0", "mci play alias1 from 0"}));
  menu->PointerOverSpot(1);  // every mouse move: nothing new
  EXPECT_TRUE(Take().empty());
  menu->PointerOverSpot(2);  // straight onto the neighbour
  EXPECT_EQ(Take(), (Log{"show 2", "hide 1", "mci Stop alias1", "mci play alias2 from 0"}));
  menu->PointerOverSpot(3);  // no move sound: the previous one plays on
  EXPECT_EQ(Take(), (Log{"show 3", "hide 2"}));
  EXPECT_EQ(menu->LastSpot(), 3);
  menu->PointerOverSpot(1);
  EXPECT_EQ(Take(), (Log{"show 1", "hide 3", "mci Stop alias3", "mci play alias1 from 0"}));
}

TEST_F(MenuTest, LeavingAndReenteringRestartsTheMoveSound) {
  Load(Config({Spot(7, "", "\\m1.wav")}));
  menu->PointerOverSpot(1);
  Take();
  menu->PointerOverBackground();
  EXPECT_EQ(Take(), (Log{"hide 1"}));
  EXPECT_EQ(menu->CurrentSpot(), 0);
  EXPECT_EQ(menu->LastSpot(), 1);
  menu->PointerOverBackground();
  EXPECT_TRUE(Take().empty());
  menu->PointerOverSpot(1);
  EXPECT_EQ(Take(), (Log{"show 1", "mci Stop alias1", "mci play alias1 from 0"}));
}

TEST_F(MenuTest, MoveSoundsWorkForSpotsBeyondTwelve) {
  std::vector<PlayerSpot> spots(14, Spot(7));
  spots[12] = Spot(7, "", "\\m13.wav");
  media.short_paths["D:\\m13.wav"] = "D:\\M13.WAV";
  config = Config(spots);
  MenuController m(config, "D:", media, view);
  std::string error;
  ASSERT_TRUE(m.Form_Load(error));
  EXPECT_EQ(std::count(log.begin(), log.end(),
                       "mci open D:\\M13.WAV type MPEGVideo Alias alias13 parent 200 Style 1073741824"),
            1);
  log.clear();
  m.PointerOverSpot(13);
  EXPECT_EQ(Take(), (Log{"show 13", "mci Stop alias0", "mci play alias13 from 0"}));
}

TEST_F(MenuTest, EachActionCodeDoesItsEffectThenTheClickSound) {
  const std::string click_open = "mci open D:\\CLICK.WAV type MPEGVideo Alias audio2 parent 200 Style 1073741824";
  struct Case {
    PlayerSpot spot;
    Log effect;
  } cases[] = {
      {Spot(1, "D:\\setup.exe"), {"shell 200 open [D:\\setup.exe] [] [D:\\]"}},
      {Spot(2, "http://example.org/x"), {"shell 200 open [http://example.org/x] [] [D:\\]"}},
      {Spot(3, "ignored"), {"shell 200 open [D:\\] [] [D:\\]"}},
      {Spot(4, "ignored"), {std::string("shell 200 open [mailto:") + kSupportMailAddress + "] [] [D:\\]"}},
      {Spot(0, "x"), {}},
      {Spot(42, "x"), {}},
      {Spot(-3, "x"), {}},
  };
  for (Case& c : cases) {
    c.spot.ClickSound = "D:\\click.wav";
    Load(Config({c.spot}));
    menu->img_Click(1);
    Log want = c.effect;
    want.insert(want.end(), {"mci Close ", click_open, "mci play audio2"});
    EXPECT_EQ(Take(), want) << "action " << c.spot.Action;
    menu->img_Click(1);  // the second click cuts the first sound off
    EXPECT_EQ(Take()[c.effect.size()], "mci Close audio2");
  }
}

TEST_F(MenuTest, DoNothingAndExitPlayNoClickSound) {
  Load(Config({Spot(7, "", "", "D:\\click.wav"), Spot(6, "", "", "D:\\click.wav"), Spot(1, "D:\\a.exe")}));
  menu->img_Click(7 - 6);  // DoNothing
  EXPECT_TRUE(Take().empty());
  menu->img_Click(3);
  Take();
  menu->img_Click(2);  // ExitMenu: close the click sound in use, then the window
  EXPECT_EQ(Take(), (Log{"mci Close audio2", "close menu"}));
}

TEST_F(MenuTest, ExitBeforeAnyClickClosesTheEmptyAlias) {
  Load(Config({Spot(6, "", "", "D:\\click.wav")}));
  menu->img_Click(1);
  EXPECT_EQ(Take(), (Log{"mci Close ", "close menu"}));
}

TEST_F(MenuTest, VideoPlaysInItsFrameAndASecondClickOnlyPlaysTheClickSound) {
  PlayerSpot video = Spot(5, "D:\\movie.avi", "", "D:\\click.wav");
  video.VideoWidth = 4800, video.VideoHeight = 3600;
  Load(Config({Spot(7), video}));
  media.short_paths["D:\\movie.avi"] = "D:\\MOVIE.AVI";
  media.window_sizes[302] = {320, 240};
  media.answers["status playthemovie2 length"] = {0, "125"};
  menu->img_Click(2);
  EXPECT_EQ(Take(), (Log{"mci open D:\\MOVIE.AVI type MpegVideo Alias playthemovie2 parent 302 Style 1073741824",
                         "mci put playthemovie2 window at 0 0 320 240", "mci set playthemovie2 time format frames",
                         "mci status playthemovie2 length", "mci play playthemovie2 from 0 to 125", "show frame 2",
                         "mci Close ",
                         "mci open D:\\CLICK.WAV type MPEGVideo Alias audio2 parent 200 Style 1073741824",
                         "mci play audio2"}));
  EXPECT_EQ(menu->VideoAliasBase(), "playthemovie");
  // The alias is still open, so the open fails and nothing else of the video is sent.
  media.answers["open D:\\MOVIE.AVI type MpegVideo Alias playthemovie2 parent 302 Style 1073741824"] = {289, ""};
  menu->img_Click(2);
  EXPECT_EQ(Take(), (Log{"mci open D:\\MOVIE.AVI type MpegVideo Alias playthemovie2 parent 302 Style 1073741824",
                         "mci Close audio2",
                         "mci open D:\\CLICK.WAV type MPEGVideo Alias audio2 parent 200 Style 1073741824",
                         "mci play audio2"}));
}

TEST_F(MenuTest, FailedPutLeavesTheFrameHidden) {
  Load(Config({Spot(5, "D:\\movie.avi")}));
  media.answers["put playthemovie1 window at 0 0 0 0"] = {263, ""};
  menu->img_Click(1);
  Log got = Take();
  EXPECT_EQ(std::count(got.begin(), got.end(), "show frame 1"), 0);
  EXPECT_EQ(got[1], "mci put playthemovie1 window at 0 0 0 0");
  EXPECT_EQ(got[2], "mci Close ");
}

TEST_F(MenuTest, VideoSpotWithBlankTargetOnlyPlaysItsClickSound) {
  Load(Config({Spot(5, "D:", "", "D:\\click.wav")}));  // the reader put the folder before a blank line
  EXPECT_TRUE(view.frames.empty());
  menu->img_Click(1);
  EXPECT_EQ(Take(), (Log{"mci Close ",
                         "mci open D:\\CLICK.WAV type MPEGVideo Alias audio2 parent 200 Style 1073741824",
                         "mci play audio2"}));
  EXPECT_EQ(menu->VideoAliasBase(), "");
}

TEST_F(MenuTest, ClosingClosesEverySpotsAliasesOnce) {
  Load(Config({Spot(7), Spot(7)}));
  menu->Form_Unload();
  EXPECT_EQ(Take(), (Log{"mci Close alias1", "mci Close 1", "mci Close alias2", "mci Close 2", "mci Close audio2",
                         "unload startup"}));
  menu->Form_Unload();
  EXPECT_TRUE(Take().empty());
  menu->img_Click(1);
  EXPECT_TRUE(Take().empty());
}

TEST_F(MenuTest, ClosingAfterAVideoClickClosesTheVideoAliases) {
  Load(Config({Spot(5, "D:\\m.avi"), Spot(7)}));
  media.default_code = 263;  // the video does not even open: the aliases still change
  menu->img_Click(1);
  Take();
  menu->Form_Unload();
  EXPECT_EQ(Take(), (Log{"mci Close alias1", "mci Close playthemovie1", "mci Close alias2",
                         "mci Close playthemovie2", "mci Close audio2", "unload startup"}));
}

// Home (a video and a Go to Page), Extras (framed, a move sound), Docs (shaped).
MenuConfig ThreePages() {
  PlayerSpot video = Spot(5, "D:\\movie.avi");
  video.VideoWidth = 4800, video.VideoHeight = 3600;
  MenuConfig c = Config({video, Spot(8, " extras ", "", "D:\\click.wav")});
  c.PageName = "Home";
  c.Pages = {{"Extras", "More things", "D:\\extras.jpg",
              {Spot(8, "DOCS"), Spot(9, "", "\\m.wav"), Spot(8, "none")}},
             {"Docs", "?Docs", "D:\\docs.bmp", {Spot(8, "home"), Spot(9)}}};
  return c;
}

TEST_F(MenuTest, PagesChangeInTheSameWindowAndGoBackWalksTheRoadTaken) {
  media.short_paths["D:\\m.wav"] = "D:\\M.WAV";
  Load(ThreePages());
  menu->img_Click(1);  // a video plays on page 1
  Take();
  menu->img_Click(2);  // the name matched without case or blanks
  EXPECT_EQ(Take(), (Log{"mci Close playthemovie1", "leave page",
                         "framed [More things] D:\\extras.jpg",
                         "mci open D:\\M.WAV type MPEGVideo Alias alias2 parent 200 Style 1073741824",
                         "spot 1 at 0,0 tip [] D:\\over.bmp", "spot 2 at 0,0 tip [] D:\\over.bmp",
                         "spot 3 at 0,0 tip [] D:\\over.bmp", "page shown", "mci Close audio2",
                         "mci open D:\\CLICK.WAV type MPEGVideo Alias audio2 parent 200 Style 1073741824",
                         "mci play audio2"}));
  EXPECT_EQ(menu->Page(), 2);
  EXPECT_EQ(menu->PageTitle(), "More things");
  menu->img_Click(3);  // no such page: nothing but the click sound's alias
  EXPECT_EQ(Take(), (Log{"mci Close audio2"}));
  menu->img_Click(1);
  EXPECT_EQ(Take().at(2), "shaped D:\\docs.bmp");  // after the move sound's close and the leave
  menu->img_Click(1);  // Go to Page "home" from Docs: Home -> Extras -> Docs -> Home
  EXPECT_EQ(menu->Page(), 1);
  menu->img_Click(2);
  EXPECT_EQ(menu->Page(), 2);
  menu->PointerOverSpot(2);  // the move sound of the page shown
  Take();
  // Back walks Extras <- Home <- Docs <- Extras <- Home, closing what the page left had open.
  menu->img_Click(2);
  EXPECT_EQ(Take(), (Log{"mci Close alias2", "leave page", "framed [My CD] D:\\back.jpg",
                         "spot 1 at 0,0 tip [] D:\\over.bmp video 0,0,320,240",
                         "spot 2 at 0,0 tip [] D:\\over.bmp", "page shown", "mci Close audio2"}));
  for (int expected : {3, 2, 1}) {
    menu->GoBack();
    EXPECT_EQ(menu->Page(), expected);
  }
  EXPECT_FALSE(menu->CanGoBack());
  Take();
  menu->GoBack();  // page 1, no history: nothing
  EXPECT_TRUE(Take().empty());
  menu->GoToPage("HOME");  // the page shown: nothing, and no history grows
  EXPECT_FALSE(menu->CanGoBack());

  // Closing closes the aliases of the page shown.
  menu->GoToPage("docs");
  Take();
  menu->Form_Unload();
  EXPECT_EQ(Take(), (Log{"mci Close alias1", "mci Close playthemovie1", "mci Close alias2",
                         "mci Close playthemovie2", "mci Close audio2", "unload startup"}));
}

TEST_F(MenuTest, SwitchLanguageShowsThePageAgainInThatVersionAndKeepsTheRoadBack) {
  media.short_paths["D:\\m.wav"] = "D:\\M.WAV";
  MenuConfig c = ThreePages();
  c.DefaultLanguage = "en";
  c.Languages = {{"ar", {{LanguageField::Title, 2, 0, "Arabic"}, {LanguageField::ToolTip, 2, 1, "Tip"}}}};
  c.Pages[0].Spots[2] = Spot(10, " AR ", "", "D:\\click.wav");
  Load(c);
  menu->GoToPage("Extras");
  Take();
  menu->img_Click(3);
  EXPECT_EQ(Take(), (Log{"mci Close alias2", "leave page", "right to left", "framed [Arabic] D:\\extras.jpg",
                         "mci open D:\\M.WAV type MPEGVideo Alias alias2 parent 200 Style 1073741824",
                         "spot 1 at 0,0 tip [Tip] D:\\over.bmp", "spot 2 at 0,0 tip [] D:\\over.bmp",
                         "spot 3 at 0,0 tip [] D:\\over.bmp", "page shown", "mci Close ",
                         "mci open D:\\CLICK.WAV type MPEGVideo Alias audio2 parent 200 Style 1073741824",
                         "mci play audio2"}));
  EXPECT_EQ(menu->Language(), "ar");  // as the menu spells it
  // The shown language, an unknown tag and none: nothing, as for an unknown page.
  for (const char* tag : {"Ar", "fr", ""}) menu->SwitchLanguage(tag);
  EXPECT_TRUE(Take().empty());
  menu->GoBack();  // the road back kept, in the version shown
  EXPECT_EQ(menu->Page(), 1);
  EXPECT_EQ(Take().at(2), "framed [My CD] D:\\back.jpg");
  menu->SwitchLanguage("EN");  // the default's tag
  EXPECT_EQ(Take().at(1), "left to right");
  menu->GoToPage("extras");
  EXPECT_EQ(menu->PageTitle(), "More things");
}

TEST_F(MenuTest, APageThatCannotBeBuiltEndsThePlayerWithItsMessage) {
  Load(ThreePages());
  view.broken_pictures = {"D:\\extras.jpg"};
  menu->GoToPage("Extras");
  Log got = Take();
  EXPECT_EQ(got.back(), "fail D:\\extras.jpg: the background picture cannot be read");
}

TEST_F(MenuTest, WorkingFolderOfAFolderIsTheFolderItself) {
  config = Config({Spot(1, "C:\\My Cd\\a.exe")});
  MenuController m(config, "C:\\My Cd", media, view);
  EXPECT_EQ(m.WorkingFolder(), "C:\\My Cd");
}

}  // namespace
}  // namespace orb
