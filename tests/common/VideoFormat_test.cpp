// The container and codec read from a file's first bytes, and the transport that follows from them.
#include "common/VideoFormat.h"

#include <gtest/gtest.h>

#include <string>

namespace orb {
namespace {

std::string Be32(uint32_t v) { return {char(v >> 24), char(v >> 16), char(v >> 8), char(v)}; }
std::string Box(const std::string& type, const std::string& body) {
  return Be32(uint32_t(8 + body.size())) + type + body;
}

// moov/trak/mdia/minf/stbl/stsd with one sample entry of the given codec.
std::string Movie(const std::string& codec) {
  std::string entry = Box(codec, std::string(78, '\0'));
  std::string stsd = Box("stsd", std::string("\0\0\0\0\0\0\0\x01", 8) + entry);
  return Box("moov",
             Box("mvhd", std::string(100, '\0')) + Box("trak", Box("mdia", Box("minf", Box("stbl", stsd)))));
}
std::string Ftyp(const std::string& brand) {
  return Box("ftyp", brand + std::string("\0\0\0\0", 4) + "isom");
}

TEST(VideoFormat, TellsContainersByContent) {
  const std::string asf("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C\x10\x00", 18);
  struct Case {
    std::string bytes;
    VideoContainer want;
  } cases[] = {
      {Ftyp("isom") + Box("mdat", "xx"), VideoContainer::IsoMedia},
      {Ftyp("M4V ") + Box("free", ""), VideoContainer::IsoMedia},
      {Ftyp("qt  "), VideoContainer::IsoMedia},
      {Box("moov", "") + Box("mdat", ""), VideoContainer::IsoMedia},  // QuickTime before 'ftyp'
      {asf, VideoContainer::Asf},
      {"RIFF" + Be32(100) + "AVI LIST", VideoContainer::Avi},
      {"RIFF" + Be32(100) + "WAVEfmt ", VideoContainer::Unknown},  // a sound, not a video
      {std::string("\0\0\x01\xBA\x21\0\x01", 7), VideoContainer::Mpeg},
      {std::string("\0\0\x01\xB3\x16\0", 6), VideoContainer::Mpeg},
      {std::string("\x1A\x45\xDF\xA3\x9F\x42\x86\x81\x01\x42\x82\x88matroska", 20), VideoContainer::Matroska},
      {std::string("\x1A\x45\xDF\xA3\x9F\x42\x86\x81\x01\x42\x82\x84webm", 16), VideoContainer::WebM},
      {"", VideoContainer::Unknown},
      {"ftyp", VideoContainer::Unknown},
      {std::string("\0\0\0\0ftypisom", 12),
       VideoContainer::Unknown},  // a box cannot be smaller than its header
      {"this is no video at all, just some text", VideoContainer::Unknown},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(SniffVideo(c.bytes).container, c.want);
  }
}

TEST(VideoFormat, RoutesOnlyMp4AndWmvToMediaFoundation) {
  EXPECT_EQ(RouteFor(VideoContainer::IsoMedia), VideoRoute::MediaFoundation);
  EXPECT_EQ(RouteFor(VideoContainer::Asf), VideoRoute::MediaFoundation);
  for (VideoContainer c : {VideoContainer::Avi, VideoContainer::Mpeg, VideoContainer::Unknown,
                           VideoContainer::Matroska, VideoContainer::WebM})
    EXPECT_EQ(RouteFor(c), VideoRoute::MediaControl);
}

TEST(VideoFormat, FindsHevcSampleEntries) {
  EXPECT_TRUE(SniffVideo(Ftyp("isom") + Movie("hvc1")).hevc);
  EXPECT_TRUE(SniffVideo(Ftyp("isom") + Box("mdat", "data") + Movie("hev1")).hevc);
  EXPECT_FALSE(SniffVideo(Ftyp("isom") + Movie("avc1")).hevc);
  // Codec names in the media data are no sample entries.
  EXPECT_FALSE(SniffVideo(Ftyp("isom") + Box("mdat", Box("hvc1", "")) + Movie("avc1")).hevc);
  // A moov cut short by the end of what was read tells nothing.
  std::string movie = Movie("hvc1");
  EXPECT_FALSE(SniffVideo(Ftyp("isom") + movie.substr(0, movie.size() - 4)).hevc);
  // A 64-bit box size and a last box running to the end of the file.
  std::string large =
      Be32(1) + "moov" + Be32(0) + Be32(uint32_t(Movie("hvc1").size() + 8)) + Movie("hvc1").substr(8);
  EXPECT_TRUE(SniffVideo(Ftyp("isom") + large).hevc);
  std::string open_ended = Be32(0) + Movie("hvc1").substr(4);
  EXPECT_TRUE(SniffVideo(Ftyp("isom") + open_ended).hevc);
}

}  // namespace
}  // namespace orb
