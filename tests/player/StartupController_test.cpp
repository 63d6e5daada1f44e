// The player's start sequence in both modes, with and without start sound and splash, driven through fake
// timers: what is opened, played, shown and unloaded, in which order and on which tick.
#include "player/StartupController.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "cdformat/CdFormats.h"
#include "cdformat/PagesText.h"
#include "cdformat/PlayerFolder.h"
#include "tests/player/PlayerFakes.h"

namespace orb {
namespace {

// A record of autorun.des with the given entries, filled up with blanks as the editor writes it.
std::string Des(const std::string& program, const std::string& sound, const std::string& command_line) {
  std::string slot(616, '\0');
  slot[2] = static_cast<char>(program.size());
  slot[4] = static_cast<char>(command_line.size());
  slot[10] = static_cast<char>(sound.size());
  std::string text = program + sound + command_line;
  text.resize(300, ' ');
  slot.replace(12, 300, text);
  return slot;
}

const std::string kMenuCfg = "true\r\n\\back.jpg\r\nMy CD\r\n\\splash.bmp\r\n 1 \r\nA\r\n\r\n 7 \r\n\r\n\\r.bmp\r\n 0 "
                             "\r\n 0 \r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";

struct StartupTest : ::testing::Test {
  Log log;
  LoggedMedia media{log};
  FakeStartupView view{log};
  StartupController startup{"D:", media, view};

  void Start() {
    ASSERT_TRUE(startup.Load());
    startup.Run();
  }
  Log Take() {
    Log out;
    out.swap(log);
    return out;
  }
};

TEST_F(StartupTest, SimpleModeOpensTheProgramWithBlankLedParametersAndEnds) {
  view.files["D:\\menu.cfg"] = "false\r\n";
  view.files["D:\\autorun.des"] = Des("\\setup.exe", "", "-x");
  Start();
  EXPECT_EQ(Take(), (Log{"shell 100 Open [D:\\setup.exe] [ -x" + std::string(288, ' ') + "] []", "tmrplay on",
                         "tmrplay off", "mci Close audio3", "unload startup"}));
  EXPECT_TRUE(startup.Unloaded());
}

// A program and command line outside the code page: autorun.des holds "?", pages.cfg the true texts, which
// the player opens; a pages.cfg it cannot read leaves autorun.des's texts, as the program must start.
TEST_F(StartupTest, SimpleModeOpensTheTrueProgramOfPagesCfg) {
  SimpleAutorun simple{"C:\\cd\\", "C:\\cd\\ファイル.exe", "", "", "-lang Ελληνικά"};
  const std::string pages = SimplePagesText(simple, "C:\\cd\\");
  EXPECT_EQ(SimplePagesText(SimpleAutorun{"C:\\cd\\", "C:\\cd\\café.exe", "", "", "-x"}, "C:\\cd\\"), "");
  view.files["D:\\menu.cfg"] = "false\r\n";
  view.files["D:\\autorun.des"] = AutorunDes(AutorunEntriesForSimple(simple, "C:\\cd\\"));
  view.files["D:\\pages.cfg"] = pages;
  Start();
  EXPECT_EQ(Take().front(), "shell 100 Open [D:\\ファイル.exe] [ -lang Ελληνικά] []");

  StartupController again{"D:", media, view};
  view.files["D:\\pages.cfg"] = "Orbmenu pages 9\r\n";
  ASSERT_TRUE(again.Load());
  again.Run();
  EXPECT_EQ(Take().front().rfind("shell 100 Open [D:\\????.exe] [ -lang ???????? ", 0), 0u);
}

TEST_F(StartupTest, SimpleModeWithSoundOpensTheFolderAndEndsOneTickAfterTheSound) {
  view.files["D:\\menu.cfg"] = "false\r\n";
  view.files["D:\\autorun.des"] = Des("", "\\intro sound.wav", "");
  media.short_paths["D:\\intro sound.wav"] = "D:\\INTROS~1.WAV";
  media.answers["status audio3 length"] = {0, "10400"};
  Start();
  EXPECT_EQ(Take(), (Log{"shell 100 Open [D:] [" + std::string(285, ' ') + "] []",
                         "mci open D:\\INTROS~1.WAV type MPEGVideo Alias audio3 parent 100 Style 1073741824",
                         "mci set audio3 time format ms", "mci status audio3 length",
                         "mci set audio3 time format frames", "mci play audio3", "tmrplay on"}));
  EXPECT_EQ(startup.StartSoundSeconds(), 10);
  for (int tick = 1; tick <= 10; ++tick) startup.tmrplay_Timer();
  EXPECT_TRUE(Take().empty());
  startup.tmrplay_Timer();
  EXPECT_EQ(Take(), (Log{"tmrplay off", "mci Close audio3", "unload startup"}));
  startup.tmrplay_Timer();
  EXPECT_TRUE(Take().empty());
}

TEST_F(StartupTest, MissingDescriptorOpensTheFolderAndEndsAtOnce) {
  view.files["D:\\menu.cfg"] = "true \r\n";  // not exactly "true": the simple mode
  Start();
  EXPECT_EQ(Take(), (Log{"shell 100 Open [D:] [] []", "tmrplay on", "tmrplay off", "mci Close audio3",
                         "unload startup"}));
}

TEST_F(StartupTest, StartProgramBeginningWithNulIsNotOpened) {
  view.files["D:\\menu.cfg"] = "false\r\n";
  view.files["D:\\autorun.des"] = Des(std::string("\0x", 2), "", "");
  Start();
  EXPECT_EQ(Take().front(), "tmrplay on");
}

TEST_F(StartupTest, UnreadableStartSoundEndsAtTheFirstTick) {
  view.files["D:\\menu.cfg"] = "false\r\n";
  view.files["D:\\autorun.des"] = Des("\\a.exe", "\\gone.wav", "");
  media.default_code = 263;
  Start();
  EXPECT_EQ(startup.StartSoundSeconds(), 0);
  EXPECT_FALSE(startup.Unloaded());
  startup.tmrplay_Timer();
  EXPECT_TRUE(startup.Unloaded());
}

TEST_F(StartupTest, MenuModeWithSplashShowsTheMenuOnTheFourthTick) {
  view.files["D:\\menu.cfg"] = kMenuCfg;
  // A start sound the code page lacks: autorun.des holds its fallback, pages.cfg the name that plays.
  view.files["D:\\autorun.des"] = Des("", "\\????.wav", "");
  view.files["D:\\pages.cfg"] =
      "Orbmenu pages 2\r\nHome\r\n 0 \r\n\r\n 0 \r\nTexts outside the code page\r\n 1 \r\nsound\r\n\\ようこそ.wav\r\n";
  media.short_paths["D:\\ようこそ.wav"] = "D:\\S.WAV";
  media.answers["status audio3 length"] = {0, "2500"};  // 2.5 s: halves go to the even number
  Start();
  Log first = Take();
  EXPECT_EQ(first.front(), "splash D:\\splash.bmp");
  EXPECT_EQ(first[1], "tmrstay on");
  EXPECT_EQ(first.back(), "tmrplay on");
  EXPECT_EQ(first[2].rfind("mci open D:\\S.WAV ", 0), 0u) << first[2];  // the true name's short path
  EXPECT_EQ(std::count(first.begin(), first.end(), "menu"), 0);
  EXPECT_EQ(startup.StartSoundSeconds(), 2);
  for (int tick = 1; tick <= 3; ++tick) {
    startup.tmrstay_Timer();
    startup.tmrplay_Timer();
  }
  // The start-up window went after the sound (third tick); the splash is still there.
  EXPECT_EQ(Take(), (Log{"tmrplay off", "mci Close audio3", "unload startup"}));
  startup.tmrstay_Timer();
  EXPECT_EQ(Take(), (Log{"tmrstay off", "unload splash", "menu"}));
}

TEST_F(StartupTest, MenuModeWithoutSplashShowsTheMenuAtOnceAndDropsTheStartupWindowAfterOneTick) {
  std::string cfg = kMenuCfg;
  cfg.replace(cfg.find("\\splash.bmp"), 11, "");
  view.files["D:\\menu.cfg"] = cfg;
  Start();
  EXPECT_EQ(Take(), (Log{"tmrplay on", "menu"}));
  startup.tmrplay_Timer();
  EXPECT_EQ(Take(), (Log{"tmrplay off", "mci Close audio3", "unload startup"}));
}

TEST_F(StartupTest, FailuresShowOneMessageNamingTheFileAndStop) {
  EXPECT_FALSE(startup.Load());
  startup.Run();
  EXPECT_EQ(Take(), (Log{"fail D:\\menu.cfg: the file is missing or cannot be read"}));

  StartupController second("D:", media, view);
  view.files["D:\\menu.cfg"] = "true\r\n\\b.jpg\r\nT\r\n\r\n x \r\n";
  EXPECT_FALSE(second.Load());
  Log got = Take();
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].rfind("fail D:\\menu.cfg, line 5: ", 0), 0u) << got[0];

  // A file too large to be a menu is named as such, with the limit, not as missing.
  StartupController large("D:", media, view);
  view.too_large.insert("D:\\menu.cfg");
  EXPECT_FALSE(large.Load());
  EXPECT_EQ(Take(),
            (Log{"fail D:\\menu.cfg: the file is too large: the player reads files of at most 64 MB"}));
  view.too_large.clear();

  StartupController third("D:", media, view);
  view.files["D:\\menu.cfg"] = kMenuCfg;
  view.broken_pictures.insert("D:\\splash.bmp");
  ASSERT_TRUE(third.Load());
  third.Run();
  EXPECT_EQ(Take(), (Log{"splash D:\\splash.bmp", "fail D:\\splash.bmp: the splash picture cannot be read"}));
}

TEST_F(StartupTest, PagesFileBesideTheMenuIsReadAndABadOneFailsByName) {
  view.files["D:\\menu.cfg"] = kMenuCfg;
  ASSERT_TRUE(startup.Load());
  EXPECT_TRUE(startup.Config().Pages.empty());  // none beside it: the one page of old

  const std::string spot = "A\r\n\r\n 9 \r\n\r\n\\r.bmp\r\n 0 \r\n 0 \r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
  view.files["D:\\pages.cfg"] =
      "Orbmenu pages 1\r\nStart\r\n 1 \r\nMore\r\nMore\r\n\\more.jpg\r\n 1 \r\n" + spot;
  StartupController paged("D:", media, view);
  ASSERT_TRUE(paged.Load());
  ASSERT_EQ(paged.Config().Pages.size(), 1u);
  EXPECT_EQ(paged.Config().PageName, "Start");
  EXPECT_EQ(paged.Config().Pages[0].BackgroundPath, "D:\\more.jpg");

  // Version 2's languages: the one the user prefers is chosen.
  view.files["D:\\pages.cfg"] = "Orbmenu pages 2\r\nHome\r\n 0 \r\nen\r\n 1 \r\nde\r\n 0 \r\n";
  view.preferred = {"de-CH"};
  StartupController german("D:", media, view);
  ASSERT_TRUE(german.Load());
  EXPECT_EQ(german.Language(), "de");

  view.files["D:\\pages.cfg"] = "Orbmenu pages 7\r\n";
  StartupController newer("D:", media, view);
  EXPECT_FALSE(newer.Load());
  Log got = Take();
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].rfind("fail D:\\pages.cfg, line 1: the pages are of another version", 0), 0u) << got[0];

  view.too_large.insert("D:\\pages.cfg");
  StartupController large("D:", media, view);
  EXPECT_FALSE(large.Load());
  EXPECT_EQ(Take(),
            (Log{"fail D:\\pages.cfg: the file is too large: the player reads files of at most 64 MB"}));
}

TEST_F(StartupTest, MenuThatCannotBeBuiltFails) {
  std::string cfg = kMenuCfg;
  cfg.replace(cfg.find("\\splash.bmp"), 11, "");
  view.files["D:\\menu.cfg"] = cfg;
  view.menu_error = "D:\\back.jpg: the background picture cannot be read";
  Start();
  EXPECT_EQ(Take(), (Log{"tmrplay on", "menu", "fail D:\\back.jpg: the background picture cannot be read"}));
}

TEST(PlayerFolder, DriveRootLosesItsBackslash) {
  EXPECT_EQ(PlayerFolder("D:\\"), "D:");
  EXPECT_EQ(PlayerFolder("C:\\MyCd"), "C:\\MyCd");
  EXPECT_EQ(PlayerFolder(ProgramFolder("D:\\Orbstart.exe")), "D:");
  EXPECT_EQ(PlayerFolder(ProgramFolder("C:\\My Cd\\Orbstart.exe")), "C:\\My Cd");
  EXPECT_EQ(PlayerFolder(ProgramFolder("\\\\server\\share\\Orbstart.exe")), "\\\\server\\share");
}

TEST(PlayerFolder, TwipsAreFifteenToAPicturePixel) {
  EXPECT_EQ(TwipsToPixels(1200), 80);
  EXPECT_EQ(TwipsToPixels(0), 0);
  EXPECT_EQ(TwipsToPixels(7), 0);
  EXPECT_EQ(TwipsToPixels(8), 1);
  EXPECT_EQ(TwipsToPixels(-8), -1);
  EXPECT_EQ(TwipsToPixels(32767), 2184);
  EXPECT_EQ(TwipsToPixels(-32768), -2185);
}

}  // namespace
}  // namespace orb
