// Files whose structure would hang or crash a decoder are refused before one sees them; sound ones pass.
#include "common/VideoStructure.h"

#include <gtest/gtest.h>

#include <string>

namespace orb {
namespace {

std::string Be32(uint32_t v) { return {char(v >> 24), char(v >> 16), char(v >> 8), char(v)}; }
std::string Box(const std::string& type, const std::string& body) { return Be32(uint32_t(8 + body.size())) + type + body; }
std::string Full(const std::string& type, const std::string& body) { return Box(type, std::string(4, '\0') + body); }

// One track of `samples` frames (handler `kind`) whose one chunk starts at `offset`.
std::string Track(const std::string& kind, uint32_t samples, uint32_t offset) {
  std::string stbl = Box("stbl", Full("stsz", Be32(0) + Be32(samples)) + Full("stco", Be32(1) + Be32(offset)));
  return Box("trak", Box("mdia", Full("hdlr", Be32(0) + kind + std::string(12, '\0')) + Box("minf", stbl)));
}
std::string Movie(const std::string& tracks) {
  return Box("ftyp", "isom" + Be32(0)) + Box("moov", Box("mvhd", std::string(100, '\0')) + tracks) +
         Box("mdat", std::string(64, 'x'));
}

std::string Check(VideoContainer container, const std::string& file) {
  return CheckVideoStructure(container, file.size(), [&](uint64_t at, size_t n, std::string& out) {
    if (at > file.size() || n > file.size() - at) return false;
    out = file.substr(size_t(at), n);
    return true;
  });
}

std::string Asf(uint64_t header_size, uint32_t objects, const std::string& body, uint64_t data_size,
                size_t data_bytes) {
  auto le = [](uint64_t v, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += char(v >> (8 * i));
    return s;
  };
  return std::string("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C", 16) + le(header_size, 8) +
         le(objects, 4) + std::string(2, '\0') + body +
         std::string("\x36\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C", 16) + le(data_size, 8) +
         std::string(26 + data_bytes, '\0');
}

TEST(VideoStructure, PassesSoundFilesAndNamesWhatIsWrongWithBrokenOnes) {
  const std::string good = Movie(Track("vide", 10, 200) + Track("soun", 5, 200));
  ASSERT_EQ(Check(VideoContainer::IsoMedia, good), "");
  EXPECT_EQ(Check(VideoContainer::IsoMedia, Movie(Track("soun", 0, 200))), "") << "a silent sound track is no harm";
  EXPECT_EQ(Check(VideoContainer::Avi, "garbage"), "") << "other containers are not looked at";
  std::string many;
  for (int i = 0; i < 65; ++i) many += Track("vide", 1, 200);
  std::string last_moov = Box("ftyp", "isom" + Be32(0)) + Box("mdat", std::string(64, 'x')) +
                          Box("moov", Track("vide", 1, 20));
  struct Case {
    const char* what;
    std::string file;
    const char* why;
  } cases[] = {
      {"cut at 10 %", good.substr(0, good.size() / 10), "runs past the end of the file"},
      {"cut inside the last box", good.substr(0, good.size() - 1), "runs past the end of the file"},
      {"cut before its moov", last_moov.substr(0, last_moov.size() / 2), "runs past the end of the file"},
      {"cut at a box boundary", Box("ftyp", "isom" + Be32(0)) + Box("free", ""), "no movie box"},
      {"ftyp then garbage", Box("ftyp", "isom" + Be32(0)) + std::string(100, '\xEE'), "runs past the end of the file"},
      {"65 tracks", Movie(many), "more than 64 tracks"},
      {"no frames", Movie(Track("vide", 0, 200)), "holds no frames"},
      {"no tracks", Movie(""), "no tracks"},
      {"frames past the end", Movie(Track("vide", 3, 1u << 30)), "past the end of the file"},
      {"a box smaller than its header", Box("ftyp", "isom") + Be32(3) + "moov", "smaller than its header"},
      {"an inner box larger than its parent",
       Box("ftyp", "isom") + Box("moov", Be32(4000) + "trak" + std::string(16, '\0')), "past the end of what holds it"},
      {"two movies", Movie(Track("vide", 1, 10)) + Box("moov", Track("vide", 1, 10)), "two movie boxes"},
      {"a 64-bit size past the end", Box("ftyp", "isom") + Be32(1) + "mdat" + Be32(0xFFFF) + Be32(0), "past the end"},
  };
  for (const Case& c : cases) EXPECT_NE(Check(VideoContainer::IsoMedia, c.file).find(c.why), std::string::npos)
      << c.what << ": " << Check(VideoContainer::IsoMedia, c.file);

  const std::string object = std::string(16, 'o') + std::string("\x18\0\0\0\0\0\0\0", 8);
  EXPECT_EQ(Check(VideoContainer::Asf, Asf(54, 1, object, 60, 10)), "");
  EXPECT_NE(Check(VideoContainer::Asf, Asf(54, 1, object, 600, 10)).find("data runs past"), std::string::npos);
  EXPECT_NE(Check(VideoContainer::Asf, Asf(54, 2, object, 60, 10)).find("cut short"), std::string::npos);
  EXPECT_NE(Check(VideoContainer::Asf, Asf(1u << 20, 1, object, 60, 10)).find("past the end"), std::string::npos);
  EXPECT_NE(Check(VideoContainer::Asf, Asf(54, 5000, object, 60, 10)).find("too many"), std::string::npos);
}

}  // namespace
}  // namespace orb
