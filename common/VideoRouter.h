// A media transport that plays MP4/MOV and WMV videos through a second engine (Media Foundation on
// Windows) and hands every other command to the media control interface, so that callers keep sending the
// same command strings and aliases whichever way a video plays.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "common/MediaCommands.h"
#include "common/VideoFormat.h"

namespace orb {

// The words of a media command: blank-separated, a word in double quotes keeping its blanks (without the
// quotes).
std::vector<std::string> Words(const std::string& command);
// The word after a keyword (any case) among words[from...], empty when there is none.
std::string After(const std::vector<std::string>& words, const char* keyword, size_t from);
// ASCII letters in lower case, as aliases and keywords compare.
std::string Lower(std::string text);

// One video opened outside the media control interface, drawn inside its parent window.
class VideoEngine {
 public:
  virtual ~VideoEngine() = default;
  virtual bool Place(int left, int top, int width, int height) = 0;
  // From the start to the end; does not wait.
  virtual bool Play() = 0;
  virtual void Stop() = 0;
  // Milliseconds; -1 while not known.
  virtual long LengthMs() = 0;
  // The engine gave up on its file (it never opened, or no frames came in time); its frame is hidden.
  virtual bool Failed() { return false; }
};

// Opens a file in a window; null where the engine is missing or cannot open the file, and the media control
// interface gets the file instead.
using VideoEngineOpener =
    std::function<std::unique_ptr<VideoEngine>(const std::string& path, MediaWindow parent)>;
// The first bytes of a file (up to kVideoSniffBytes); empty when it cannot be read.
using FileHeadReader = std::function<std::string(const std::string& path)>;
// What is wrong with the structure of an MP4/MOV or WMV file (see VideoStructure.h); empty when it is sound.
using VideoFileCheck = std::function<std::string(const std::string& path, VideoContainer container)>;

// Codes as the media control interface gives them, so that its error texts read right.
inline constexpr long kMediaUnrecognizedCommand = 261;
inline constexpr long kMediaHardwareError = 262;
inline constexpr long kMediaDuplicateAlias = 289;

class VideoRouter : public MediaTransport {
 public:
  VideoRouter(MediaTransport& fallback, FileHeadReader read_head, VideoEngineOpener open,
              VideoFileCheck check = nullptr)
      : fallback_(fallback), read_head_(std::move(read_head)), open_(std::move(open)), check_(std::move(check)) {}

  long Send(const std::string& command, std::string* returned) override;
  std::string ErrorText(long code) override { return fallback_.ErrorText(code); }
  std::string ShortPath(const std::string& path) override { return fallback_.ShortPath(path); }
  bool WindowSize(MediaWindow window, int& width, int& height) override {
    return fallback_.WindowSize(window, width, height);
  }

  // Whether an alias plays through the engine (for tests and diagnostics).
  bool PlaysThroughEngine(const std::string& alias) const;
  // Whether a video file failed (refused, or given up by its engine), so that it is not opened again.
  bool Failed(const std::string& path);

 private:
  struct Video {
    std::unique_ptr<VideoEngine> engine;
    std::string path;           // in lower case
    bool milliseconds = false;  // the time format last set
  };
  // The open command of a video, handled here when the engine takes it; false leaves it to the fallback.
  bool OpenThroughEngine(const std::string& command, long& code);
  long SendToEngine(Video& video, const std::string& verb, const std::string& rest, std::string* returned);

  MediaTransport& fallback_;
  FileHeadReader read_head_;
  VideoEngineOpener open_;
  VideoFileCheck check_;
  std::map<std::string, Video> videos_;     // by alias in lower case
  std::set<std::string> fallback_aliases_;  // aliases the fallback holds open
  std::set<std::string> failed_;            // video files in lower case, never opened again
};

}  // namespace orb
