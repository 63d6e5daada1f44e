// What kind of video a file holds, told from its first bytes (not its name), and which of the player's two
// ways of playing it can show it.
#pragma once

#include <cstddef>
#include <string_view>

namespace orb {

enum class VideoContainer {
  Unknown,   // empty, garbage, or nothing a video device knows
  IsoMedia,  // MP4, M4V, MOV (ISO base media / QuickTime boxes)
  Asf,       // WMV, WMA
  Avi,       // RIFF AVI
  Mpeg,      // MPEG-1/2 program stream or video elementary stream
  Matroska,  // MKV
  WebM,
};

struct VideoFormat {
  VideoContainer container = VideoContainer::Unknown;
  // An ISO media file whose sample entries seen so far include HEVC ('hvc1' or 'hev1').
  bool hevc = false;
};

// Which transport the player uses for a file.
enum class VideoRoute {
  MediaControl,    // the media control interface (DirectShow underneath)
  MediaFoundation  // falls back to the media control interface where Media Foundation is missing
};

// How many leading bytes the container choice needs; the codec may need more (the whole 'moov' box).
inline constexpr std::size_t kVideoSniffBytes = 64;

// Reads the container from the head of a file and, for ISO media, the sample entries of every 'moov' box
// that lies wholly inside the given bytes.
VideoFormat SniffVideo(std::string_view head);
VideoRoute RouteFor(VideoContainer container);
// "MP4", "WMV", "Matroska (MKV)", ... for messages.
const char* ContainerName(VideoContainer container);

}  // namespace orb
