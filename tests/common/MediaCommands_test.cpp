// The media command layer: exact command texts, result strings, lengths and the order of a video sequence.
#include "common/MediaCommands.h"

#include <gtest/gtest.h>

#include "tests/support/FakeMediaTransport.h"

namespace orb {
namespace {

using Commands = std::vector<std::string>;

TEST(MediaCommands, OpenBuildsTheCommandFromTheShortPath) {
  FakeMediaTransport media;
  media.short_paths["C:\\My Cd\\imgmusic\\intro movie.avi"] = "C:\\MYCD~1\\IMGMUS~1\\INTROM~1.AVI";
  EXPECT_EQ(OpenMultimedia(media, 1234, "playmovie", "C:\\My Cd\\imgmusic\\intro movie.avi", kVideoDevice),
            "Success");
  EXPECT_EQ(media.Commands(),
            Commands{"open C:\\MYCD~1\\IMGMUS~1\\INTROM~1.AVI type MpegVideo Alias playmovie "
                     "parent 1234 Style 1073741824"});
  EXPECT_FALSE(media.sent[0].with_buffer);
}

TEST(MediaCommands, ShortPathThatStillHoldsBlanksIsQuoted) {
  FakeMediaTransport media;
  media.short_paths["D:\\a b\\c.wav"] = "D:\\a b\\c.wav";  // 8.3 names switched off
  OpenSound(media, "D:\\a b\\c.wav", "audio2", 7);
  EXPECT_EQ(media.Commands(),
            Commands{"open \"D:\\a b\\c.wav\" type MPEGVideo Alias audio2 parent 7 Style 1073741824"});
  EXPECT_EQ(MediaPathArgument("D:\\AB\\C.WAV"), "D:\\AB\\C.WAV");
}

TEST(MediaCommands, MissingFileOpensWithEmptyPathAndReportsTheErrorText) {
  FakeMediaTransport media;
  media.default_code = 263;
  EXPECT_EQ(OpenMultimedia(media, 5, "playthemovie3", "D:\\gone.avi", kVideoDevice), "error 263");
  EXPECT_EQ(media.Commands(), Commands{"open  type MpegVideo Alias playthemovie3 parent 5 Style 1073741824"});
}

TEST(MediaCommands, WindowHandlesAreWrittenAsSigned32BitNumbers) {
  EXPECT_EQ(WindowText(0x10020), "65568");
  EXPECT_EQ(WindowText(static_cast<MediaWindow>(0xFFFFFFFEu)), "-2");
}

TEST(MediaCommands, PutFillsZeroSizesFromTheWindowAndWritesThemBack) {
  FakeMediaTransport media;
  media.window_sizes[42] = {320, 240};
  int width = 0, height = 17;  // one zero is enough to take both from the window
  EXPECT_EQ(PutMultimediaWindow(media, 42, "playmovie", 0, 0, width, height), "Success");
  EXPECT_EQ(width, 320);
  EXPECT_EQ(height, 240);
  width = 100, height = 50;
  PutMultimediaWindow(media, 42, "playmovie", 3, 4, width, height);
  EXPECT_EQ(media.Commands(),
            (Commands{"put playmovie window at 0 0 320 240", "put playmovie window at 3 4 100 50"}));
}

TEST(MediaCommands, PlayAlwaysRunsFromZeroToTheLengthInFrames) {
  FakeMediaTransport media;
  media.answers["status playthemovie1 length"] = {0, "250"};
  std::string from = "77", to = "whatever";
  EXPECT_EQ(PlayMultimedia(media, "playthemovie1", from, to), "Success");
  EXPECT_EQ(from, "0");
  EXPECT_EQ(to, "250");
  EXPECT_EQ(media.Commands(), (Commands{"set playthemovie1 time format frames", "status playthemovie1 length",
                                        "play playthemovie1 from 0 to 250"}));
  EXPECT_TRUE(media.sent[0].with_buffer);
  EXPECT_TRUE(media.sent[1].with_buffer);
  EXPECT_FALSE(media.sent[2].with_buffer);
}

TEST(MediaCommands, UnreadableLengthPlaysToMinusOne) {
  FakeMediaTransport media;
  media.answers["status v length"] = {266, "junk"};
  media.answers["play v from 0 to -1"] = {277, ""};
  std::string from, to;
  EXPECT_EQ(GetMultimediaLength(media, "v"), -1);
  EXPECT_EQ(PlayMultimedia(media, "v", from, to), "error 277");
  EXPECT_EQ(to, "-1");
}

TEST(MediaCommands, MillisecondsSwitchFormatsAndBack) {
  FakeMediaTransport media;
  media.answers["status audio3 length"] = {0, "10400.6"};
  EXPECT_EQ(GetMultimediaMilliseconds(media, "audio3"), 10401);
  EXPECT_EQ(media.Commands(),
            (Commands{"set audio3 time format ms", "status audio3 length", "set audio3 time format frames"}));
  EXPECT_TRUE(media.sent[1].with_buffer);
  EXPECT_FALSE(media.sent[2].with_buffer);
  media.answers["status audio3 length"] = {263, ""};
  EXPECT_EQ(GetMultimediaMilliseconds(media, "audio3"), -1);
}

TEST(MediaCommands, StatusNumbersAreReadLikeADecimalValue) {
  EXPECT_EQ(ParseMediaNumber("1234"), 1234);
  EXPECT_EQ(ParseMediaNumber(" 12.5xyz"), 12);  // halves to even
  EXPECT_EQ(ParseMediaNumber("13.5"), 14);
  EXPECT_EQ(ParseMediaNumber("abc"), 0);
  EXPECT_EQ(ParseMediaNumber(""), 0);
  EXPECT_EQ(ParseMediaNumber("-3.7"), -4);
  EXPECT_EQ(ParseMediaNumber("99999999999999999999"), 2147483647);
}

TEST(MediaCommands, CloseNamesTheAlias) {
  FakeMediaTransport media;
  media.answers["Close 3"] = {263, ""};
  EXPECT_EQ(CloseMultimedia(media, "playthemovie3"), "Success");
  EXPECT_EQ(CloseMultimedia(media, "3"), "error 263");
  EXPECT_EQ(media.Commands(), (Commands{"Close playthemovie3", "Close 3"}));
}

}  // namespace
}  // namespace orb
