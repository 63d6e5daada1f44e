// Telling video containers apart by content; see VideoFormat.h.
#include "common/VideoFormat.h"

#include <cstdint>
#include <cstring>

namespace orb {
namespace {

uint32_t Be32(std::string_view d, size_t at) {
  return (uint32_t(uint8_t(d[at])) << 24) | (uint32_t(uint8_t(d[at + 1])) << 16) |
         (uint32_t(uint8_t(d[at + 2])) << 8) | uint32_t(uint8_t(d[at + 3]));
}

bool At(std::string_view d, size_t at, std::string_view what) {
  return d.size() >= at + what.size() && d.substr(at, what.size()) == what;
}

// Boxes of one level: calls visit(type, body) for each box that fits; stops at the first that does not.
template <typename Visit>
void EachBox(std::string_view d, Visit visit) {
  size_t at = 0;
  while (d.size() - at >= 8) {
    uint64_t size = Be32(d, at);
    size_t header = 8;
    if (size == 1) {
      if (d.size() - at < 16) return;
      size = (uint64_t(Be32(d, at + 8)) << 32) | Be32(d, at + 12);
      header = 16;
    } else if (size == 0) {
      size = d.size() - at;  // runs to the end of the file
    }
    if (size < header || size > d.size() - at) return;
    visit(d.substr(at + 4, 4), d.substr(at + header, size_t(size) - header));
    at += size_t(size);
  }
}

// Walks moov/trak/mdia/minf/stbl down to the sample descriptions; depth bounds hostile nesting.
bool HasHevcEntry(std::string_view body, int depth) {
  bool found = false;
  EachBox(body, [&](std::string_view type, std::string_view inner) {
    if (found || depth > 8) return;
    if (type == "trak" || type == "mdia" || type == "minf" || type == "stbl") {
      found = HasHevcEntry(inner, depth + 1);
    } else if (type == "stsd" && inner.size() > 8) {
      // Version, flags and entry count come before the entries, which are boxes of their own.
      EachBox(inner.substr(8), [&](std::string_view entry, std::string_view) {
        if (entry == "hvc1" || entry == "hev1") found = true;
      });
    }
  });
  return found;
}

bool IsIsoMedia(std::string_view d) {
  if (d.size() < 8 || Be32(d, 0) < 8) return false;
  // Files from before 'ftyp' (old QuickTime) start straight with one of these.
  for (const char* type : {"ftyp", "moov", "mdat", "wide"})
    if (At(d, 4, type)) return true;
  return false;
}

constexpr unsigned char kAsfHeader[16] = {0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11,
                                          0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C};

}  // namespace

VideoFormat SniffVideo(std::string_view head) {
  VideoFormat format;
  if (IsIsoMedia(head)) {
    format.container = VideoContainer::IsoMedia;
    EachBox(head, [&](std::string_view type, std::string_view body) {
      if (type == "moov" && HasHevcEntry(body, 0)) format.hevc = true;
    });
  } else if (head.size() >= 16 && std::memcmp(head.data(), kAsfHeader, 16) == 0) {
    format.container = VideoContainer::Asf;
  } else if (At(head, 0, "RIFF") && At(head, 8, "AVI ")) {
    format.container = VideoContainer::Avi;
  } else if (At(head, 0, std::string_view("\0\0\x01\xBA", 4)) ||
             At(head, 0, std::string_view("\0\0\x01\xB3", 4))) {
    format.container = VideoContainer::Mpeg;
  } else if (At(head, 0, "\x1A\x45\xDF\xA3")) {
    // The DocType element near the start says which of the two the EBML file is.
    std::string_view start = head.substr(0, kVideoSniffBytes);
    format.container =
        start.find("webm") != std::string_view::npos ? VideoContainer::WebM : VideoContainer::Matroska;
  }
  return format;
}

VideoRoute RouteFor(VideoContainer container) {
  return container == VideoContainer::IsoMedia || container == VideoContainer::Asf
             ? VideoRoute::MediaFoundation
             : VideoRoute::MediaControl;
}

const char* ContainerName(VideoContainer container) {
  switch (container) {
    case VideoContainer::IsoMedia:
      return "MP4/MOV";
    case VideoContainer::Asf:
      return "WMV (ASF)";
    case VideoContainer::Avi:
      return "AVI";
    case VideoContainer::Mpeg:
      return "MPEG";
    case VideoContainer::Matroska:
      return "Matroska (MKV)";
    case VideoContainer::WebM:
      return "WebM";
    case VideoContainer::Unknown:
      break;
  }
  return "unknown";
}

}  // namespace orb
