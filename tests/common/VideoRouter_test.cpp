// Video commands routed by content: MP4 and WMV to the engine, the rest and every fallback to the media
// control interface, with the callers' command sequences and aliases unchanged.
#include "common/VideoRouter.h"

#include <gtest/gtest.h>

#include "tests/support/FakeMediaTransport.h"

namespace orb {
namespace {

struct EngineLog {
  std::vector<std::string> calls;
  int alive = 0;
  bool failed = false;  // what every engine says when asked
};

class FakeEngine : public VideoEngine {
 public:
  FakeEngine(EngineLog& log, const std::string& path, MediaWindow parent) : log_(log) {
    ++log_.alive;
    log_.calls.push_back("open " + path + " in " + std::to_string(parent));
  }
  ~FakeEngine() override {
    --log_.alive;
    log_.calls.push_back("shut");
  }
  bool Place(int l, int t, int w, int h) override {
    log_.calls.push_back("place " + std::to_string(l) + " " + std::to_string(t) + " " + std::to_string(w) +
                         " " + std::to_string(h));
    return true;
  }
  bool Play() override {
    log_.calls.push_back("play");
    return true;
  }
  void Stop() override { log_.calls.push_back("stop"); }
  long LengthMs() override { return 2000; }
  bool Failed() override { return log_.failed; }

 private:
  EngineLog& log_;
};

class VideoRouterTest : public ::testing::Test {
 protected:
  VideoRouterTest() {
    heads["C:\\CLIP.MP4"] = std::string(
        "\0\0\0\x10"
        "ftypisom\0\0\0\0",
        16);
    heads["C:\\CLIP.WMV"] =
        std::string("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C", 16);
    heads["C:\\INTRO.AVI"] = "RIFF\x10\0\0\0AVI LIST";
    heads["C:\\JUNK.MP4"] = "not a video";
    heads["C:\\EMPTY.MP4"] = "";
    for (const auto& [path, head] : heads) mci.short_paths[path] = path;
    mci.window_sizes[7] = {320, 240};
  }

  // The menu's video sequence for spot 1, as the callers send it.
  std::string PlayVideo(const std::string& path) {
    std::string result = OpenMultimedia(router, 7, "playthemovie1", path, kVideoDevice);
    if (result != kMediaSuccess) return result;
    int w = 0, h = 0;
    result = PutMultimediaWindow(router, 7, "playthemovie1", 0, 0, w, h);
    if (result != kMediaSuccess) return result;
    std::string from = "x", to = "y";
    return PlayMultimedia(router, "playthemovie1", from, to);
  }

  FakeMediaTransport mci;
  std::map<std::string, std::string> heads;
  EngineLog log;
  bool engine_present = true;
  std::map<std::string, std::string> broken;  // what the structure check says of a file
  int checks = 0;
  VideoRouter router{mci, [this](const std::string& p) { return heads[p]; },
                     [this](const std::string& p, MediaWindow parent) -> std::unique_ptr<VideoEngine> {
                       if (!engine_present) return nullptr;
                       return std::make_unique<FakeEngine>(log, p, parent);
                     },
                     [this](const std::string& p, VideoContainer) {
                       ++checks;
                       return broken[p];
                     }};
};

TEST_F(VideoRouterTest, Mp4AndWmvPlayThroughTheEngineAndCloseEndsIt) {
  for (const char* path : {"C:\\CLIP.MP4", "C:\\CLIP.WMV"}) {
    SCOPED_TRACE(path);
    log = {};
    EXPECT_EQ(PlayVideo(path), kMediaSuccess);
    EXPECT_TRUE(router.PlaysThroughEngine("PlayTheMovie1"));
    EXPECT_EQ(log.calls,
              (std::vector<std::string>{std::string("open ") + path + " in 7", "place 0 0 320 240", "play"}));
    // A second click: the alias is still open, so nothing restarts.
    EXPECT_NE(OpenMultimedia(router, 7, "playthemovie1", path, kVideoDevice), kMediaSuccess);
    EXPECT_EQ(log.alive, 1);
    EXPECT_EQ(CloseMultimedia(router, "playthemovie1"), kMediaSuccess);
    EXPECT_EQ(log.alive, 0);
    EXPECT_FALSE(router.PlaysThroughEngine("playthemovie1"));
  }
  EXPECT_TRUE(mci.sent.empty());
}

TEST_F(VideoRouterTest, LengthsAnswerInTheTimeFormatSet) {
  ASSERT_EQ(PlayVideo("C:\\CLIP.MP4"), kMediaSuccess);
  EXPECT_EQ(GetMultimediaMilliseconds(router, "playthemovie1"), 2000);
  EXPECT_EQ(GetMultimediaLength(router, "playthemovie1"), 60);
  EXPECT_EQ(router.Send("seek playthemovie1 to start", nullptr), kMediaUnrecognizedCommand);
  EXPECT_TRUE(mci.sent.empty());
}

TEST_F(VideoRouterTest, EverythingElseGoesToTheMediaControlInterfaceUnchanged) {
  // AVI, a file that is no video, an empty file, a missing one, a sound in an MP4 file.
  for (const char* path : {"C:\\INTRO.AVI", "C:\\JUNK.MP4", "C:\\EMPTY.MP4", "C:\\GONE.MP4"}) {
    SCOPED_TRACE(path);
    mci.sent.clear();
    PlayVideo(path);
    ASSERT_FALSE(mci.sent.empty());
    EXPECT_EQ(mci.sent[0].command.rfind("open ", 0), 0u);
    EXPECT_FALSE(router.PlaysThroughEngine("playthemovie1"));
    CloseMultimedia(router, "playthemovie1");
  }
  OpenSound(router, "C:\\CLIP.MP4", "audio2", 9);
  EXPECT_EQ(mci.sent.back().command,
            "open C:\\CLIP.MP4 type MPEGVideo Alias audio2 parent 9 Style 1073741824");
  EXPECT_TRUE(log.calls.empty());
}

TEST_F(VideoRouterTest, WithoutTheEngineMp4FallsBackAndStaysThere) {
  engine_present = false;
  EXPECT_EQ(PlayVideo("C:\\CLIP.MP4"), kMediaSuccess);  // the fake interface says yes to everything
  EXPECT_EQ(mci.Commands().front(),
            "open C:\\CLIP.MP4 type MpegVideo Alias playthemovie1 parent 7 Style 1073741824");
  // The alias is the interface's now: a second open goes there too, even once the engine would take it.
  engine_present = true;
  size_t before = mci.sent.size();
  OpenMultimedia(router, 7, "playthemovie1", "C:\\CLIP.MP4", kVideoDevice);
  EXPECT_EQ(mci.sent.size(), before + 1);
  EXPECT_TRUE(log.calls.empty());
  // Once the interface closed it, the next open may take the engine.
  CloseMultimedia(router, "playthemovie1");
  EXPECT_EQ(PlayVideo("C:\\CLIP.MP4"), kMediaSuccess);
  EXPECT_TRUE(router.PlaysThroughEngine("playthemovie1"));
}

TEST_F(VideoRouterTest, MenuClosingClosesEngineVideosAndPassesTheRestOn) {
  ASSERT_EQ(PlayVideo("C:\\CLIP.MP4"), kMediaSuccess);
  for (int n = 1; n <= 2; ++n) {
    SendMediaCommand(router, "Close alias" + std::to_string(n));
    CloseMultimedia(router, "playthemovie" + std::to_string(n));
  }
  SendMediaCommand(router, "Close audio2");
  EXPECT_EQ(log.alive, 0);
  EXPECT_EQ(mci.Commands(), (std::vector<std::string>{"Close alias1", "Close alias2", "Close playthemovie2",
                                                      "Close audio2"}));
}

}  // namespace
}  // namespace orb

namespace orb {
namespace {

TEST_F(VideoRouterTest, FilesThatFailAreRefusedSilentlyAndNeverOpenedAgain) {
  // A broken structure: no engine and no fallback sees the file, now or at any later click.
  broken["C:\\CLIP.MP4"] = "the box 'mdat' runs past the end of the file";
  for (int i = 0; i < 3; ++i) EXPECT_NE(PlayVideo("C:\\CLIP.MP4"), kMediaSuccess);
  EXPECT_EQ(checks, 1);
  EXPECT_TRUE(log.calls.empty());
  EXPECT_TRUE(router.Failed("c:\\clip.mp4"));

  // An engine that gives up after opening: its alias stays (a second click restarts nothing), and another
  // spot with the same file is refused without a new engine.
  ASSERT_EQ(PlayVideo("C:\\CLIP.WMV"), kMediaSuccess);
  log.failed = true;
  size_t calls = log.calls.size();
  EXPECT_NE(OpenMultimedia(router, 7, "playthemovie2", "C:\\CLIP.WMV", kVideoDevice), kMediaSuccess);
  EXPECT_EQ(log.calls.size(), calls);

  // A video the fallback fails on is not sent to it again; sounds are not remembered.
  mci.answers["open C:\\INTRO.AVI type MpegVideo Alias playthemovie3 parent 7 Style 1073741824"] = {263, ""};
  EXPECT_NE(OpenMultimedia(router, 7, "playthemovie3", "C:\\INTRO.AVI", kVideoDevice), kMediaSuccess);
  size_t sent = mci.sent.size();
  EXPECT_NE(OpenMultimedia(router, 7, "playthemovie3", "C:\\INTRO.AVI", kVideoDevice), kMediaSuccess);
  EXPECT_EQ(mci.sent.size(), sent);
}

}  // namespace
}  // namespace orb
