// A bounded look at the structure of an MP4/MOV (ISO media boxes) or ASF (WMV) file before any decoder sees
// it. Decoders trust these structures: a file cut short, a box that claims more than the file holds or a
// movie of thousands of tracks has hung or crashed them, so such a file is refused here and never opened.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "common/VideoFormat.h"

namespace orb {

// Reads count bytes at offset into out; false when they cannot all be read.
using VideoBytesReader = std::function<bool(std::uint64_t offset, std::size_t count, std::string& out)>;

// Within these a file is refused: far beyond any real video, small enough to read and walk at a click.
inline constexpr std::uint64_t kMaxMovieBoxBytes = 32u << 20;  // 'moov', read whole
inline constexpr std::uint64_t kMaxAsfHeaderBytes = 16u << 20;
inline constexpr int kMaxTracks = 64;
inline constexpr int kMaxTopLevelBoxes = 100000;
inline constexpr int kMaxInnerBoxes = 20000;
inline constexpr int kMaxAsfObjects = 1024;

// Empty when the file's structure is sound enough for a decoder; otherwise what is wrong with it. Containers
// other than ISO media and ASF are not looked at (empty).
std::string CheckVideoStructure(VideoContainer container, std::uint64_t file_size, const VideoBytesReader& read);

}  // namespace orb
