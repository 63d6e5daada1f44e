// libFuzzer target: the video container and sample-entry reader on arbitrary bytes, and the router's parsing
// of arbitrary command strings.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "common/VideoFormat.h"
#include "common/VideoRouter.h"

namespace {

// Says yes to everything, so that every command reaches the router's own parsing.
class NullTransport : public orb::MediaTransport {
 public:
  long Send(const std::string&, std::string*) override { return 0; }
  std::string ErrorText(long) override { return "error"; }
  std::string ShortPath(const std::string& path) override { return path; }
  bool WindowSize(orb::MediaWindow, int&, int&) override { return false; }
};

class NullEngine : public orb::VideoEngine {
 public:
  bool Place(int, int, int, int) override { return true; }
  bool Play() override { return true; }
  void Stop() override {}
  long LengthMs() override { return 1000; }
};

const std::string kMp4Head(
    "\0\0\0\x10"
    "ftypisom\0\0\0\0",
    16);

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  orb::VideoFormat format = orb::SniffVideo(bytes);
  // Only ISO media carries sample entries.
  if (format.hevc && format.container != orb::VideoContainer::IsoMedia) std::abort();
  NullTransport mci;
  // Half the inputs open every file as an MP4, so that commands also reach the engine's side.
  std::string head = size % 2 ? kMp4Head : std::string(bytes);
  orb::VideoRouter router(
      mci, [&](const std::string&) { return head; },
      [](const std::string&, orb::MediaWindow) { return std::make_unique<NullEngine>(); });
  // Each line one command.
  size_t start = 0;
  while (start <= bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    std::string reply;
    router.Send(std::string(bytes.substr(start, end - start)), &reply);
    start = end + 1;
  }
  return 0;
}
