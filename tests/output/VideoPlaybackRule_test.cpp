// The check's warnings on menu videos: Media Foundation needed, or no way to play at all.
#include "output/VideoPlaybackRule.h"

#include <gtest/gtest.h>

#include "tests/support/FakeFileSystem.h"

namespace orb {
namespace {

const std::string kMp4 = std::string(
    "\0\0\0\x10"
    "ftypisom\0\0\0\0",
    16);
const std::string kAvi = "RIFF\x10\0\0\0AVI LIST";
const std::string kMkv = std::string("\x1A\x45\xDF\xA3\x9F\x42\x86\x81\x01\x42\x82\x88matroska", 20);
std::string Box(const std::string& type, const std::string& body) {
  uint32_t n = uint32_t(8 + body.size());
  return std::string{char(n >> 24), char(n >> 16), char(n >> 8), char(n)} + type + body;
}
// ftyp, then moov/trak/mdia/minf/stbl/stsd with one 'hvc1' entry.
const std::string kHevc =
    kMp4 +
    Box("moov", Box("trak", Box("mdia", Box("minf", Box("stbl", Box("stsd", std::string(7, '\0') + "\x01" +
                                                                                Box("hvc1", "")))))));

std::vector<Finding> Check(FakeFileSystem& fs, const std::vector<std::pair<std::string, bool>>& files) {
  CheckSubject subject;
  subject.root = "E:\\cd\\";
  int n = 0;
  for (const auto& [path, video] : files) {
    NamedFile f{"spot " + std::to_string(++n) + ": target", path};
    f.video = video;
    subject.files.push_back(f);
  }
  CheckContext context(fs, subject);
  check_rules::VideoPlayback(context);
  return context.Findings();
}

TEST(VideoPlaybackRule, WarnsByContentNotByName) {
  FakeFileSystem fs;
  fs.files["E:\\cd\\v\\intro.avi"] = kMp4;  // an MP4 whatever its name says
  fs.files["E:\\cd\\v\\clip.mp4"] = kAvi;
  fs.files["E:\\cd\\v\\movie.mkv"] = kMkv;
  fs.files["E:\\cd\\v\\h265.mp4"] = kHevc;
  fs.files["E:\\cd\\v\\setup.exe"] = kMp4;  // not played in the menu
  std::vector<Finding> findings = Check(fs, {{"E:\\cd\\v\\intro.avi", true},
                                             {"E:\\cd\\v\\clip.mp4", true},
                                             {"E:\\cd\\v\\movie.mkv", true},
                                             {"E:\\cd\\v\\h265.mp4", true},
                                             {"E:\\cd\\v\\setup.exe", false},
                                             {"E:\\cd\\v\\gone.mp4", true}});
  ASSERT_EQ(findings.size(), 3u);
  for (const Finding& f : findings) EXPECT_EQ(f.severity, Severity::Warning);
  EXPECT_EQ(findings[0].file, "E:\\cd\\v\\intro.avi");
  EXPECT_EQ(findings[0].message,
            "the spot 1: target (\\v\\intro.avi) is MP4/MOV video, which the menu plays through Media "
            "Foundation: it will not play on the N editions of Windows unless the Media Feature Pack is "
            "installed");
  EXPECT_NE(findings[1].message.find("is a Matroska (MKV) file, which the menu cannot play"),
            std::string::npos);
  EXPECT_NE(findings[2].message.find("is HEVC (H.265) video"), std::string::npos);
}

}  // namespace
}  // namespace orb
