// Checking a video file's boxes or ASF header before decoding; see VideoStructure.h.
#include "common/VideoStructure.h"

#include <cstring>
#include <string_view>

namespace orb {
namespace {

std::uint64_t Be(std::string_view d, std::size_t at, int bytes) {
  std::uint64_t v = 0;
  for (int i = 0; i < bytes; ++i) v = v << 8 | std::uint8_t(d[at + static_cast<std::size_t>(i)]);
  return v;
}
std::uint64_t Le(std::string_view d, std::size_t at, int bytes) {
  std::uint64_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | std::uint8_t(d[at + static_cast<std::size_t>(i)]);
  return v;
}

struct Box {
  std::string_view type;
  std::uint64_t start = 0;   // of the header
  std::uint64_t header = 0;  // 8 or 16 bytes
  std::uint64_t size = 0;    // header included
};

// The box whose header starts at `at` of a level ending at `end`; false with a reason when it does not fit.
bool ReadBox(std::string_view head, std::uint64_t at, std::uint64_t end, Box& box, const char*& why,
             bool top) {
  box.start = at;
  box.type = head.substr(4, 4);
  box.size = Be(head, 0, 4);
  box.header = 8;
  if (box.size == 1) {
    if (head.size() < 16) return why = "a box header is cut short", false;
    box.size = Be(head, 8, 8);
    box.header = 16;
  } else if (box.size == 0) {
    box.size = end - at;  // to the end of its level
  }
  if (box.size < box.header) return why = "a box is smaller than its header", false;
  if (box.size > end - at)
    return why = top ? "a box runs past the end of the file" : "a box runs past the end of what holds it", false;
  return true;
}

// The walk of the movie box, read whole into memory.
class MovieWalk {
 public:
  MovieWalk(std::string_view movie, std::uint64_t file_size) : movie_(movie), file_size_(file_size) {}

  const char* Run() {
    Level(0, movie_.size(), 0);
    if (!why_ && tracks_ == 0) why_ = "the movie has no tracks";
    if (!why_ && video_without_samples_ && !fragmented_) why_ = "a video track holds no frames";
    return why_;
  }

 private:
  void Level(std::size_t from, std::size_t end, int depth) {
    std::size_t at = from;
    while (!why_ && at < end) {
      if (end - at < 8) return void(why_ = "a box header is cut short");
      if (++boxes_ > kMaxInnerBoxes) return void(why_ = "the movie holds too many boxes");
      Box box;
      if (!ReadBox(movie_.substr(at, end - at), at, end, box, why_, false)) return;
      std::size_t body = at + static_cast<std::size_t>(box.header), stop = at + static_cast<std::size_t>(box.size);
      Inner(box.type, body, stop, depth);
      at = stop;
    }
  }

  void Inner(std::string_view type, std::size_t body, std::size_t end, int depth) {
    std::string_view d = movie_.substr(body, end - body);
    if (type == "trak") {
      if (++tracks_ > kMaxTracks) return void(why_ = "the movie declares more than 64 tracks");
      handler_video_ = false;
      samples_ = -1;
      Level(body, end, depth + 1);
      if (handler_video_ && samples_ == 0) video_without_samples_ = true;
    } else if (type == "mdia" || type == "minf" || type == "stbl" || type == "edts" || type == "mvex") {
      if (depth > 6) return void(why_ = "the boxes are nested too deeply");
      if (type == "mvex") fragmented_ = true;
      Level(body, end, depth + 1);
    } else if (type == "hdlr") {
      if (d.size() < 12) return void(why_ = "a handler box is cut short");
      handler_video_ = d.substr(8, 4) == "vide";
    } else if (type == "stsz" || type == "stz2") {
      if (d.size() < 12) return void(why_ = "a sample size box is cut short");
      samples_ = static_cast<long long>(Be(d, 8, 4));
    } else if (type == "stco" || type == "co64") {
      int width = type == "stco" ? 4 : 8;
      if (d.size() < 8) return void(why_ = "a chunk offset box is cut short");
      std::uint64_t count = Be(d, 4, 4);
      if (count > (d.size() - 8) / static_cast<std::uint64_t>(width))
        return void(why_ = "a chunk offset box holds fewer entries than it declares");
      for (std::uint64_t i = 0; i < count; ++i)
        if (Be(d, 8 + static_cast<std::size_t>(i) * static_cast<std::size_t>(width), width) >= file_size_)
          return void(why_ = "frames lie past the end of the file");
    }
  }

  std::string_view movie_;
  std::uint64_t file_size_;
  const char* why_ = nullptr;
  int boxes_ = 0, tracks_ = 0;
  bool handler_video_ = false, video_without_samples_ = false, fragmented_ = false;
  long long samples_ = -1;
};

const char* CheckIsoMedia(std::uint64_t file_size, const VideoBytesReader& read) {
  std::uint64_t at = 0;
  int boxes = 0;
  bool have_movie = false;
  const char* why = nullptr;
  std::string head;
  while (at < file_size) {
    if (file_size - at < 8) return "the file ends inside a box header";
    if (++boxes > kMaxTopLevelBoxes) return "the file holds too many boxes";
    std::size_t want = file_size - at < 16 ? static_cast<std::size_t>(file_size - at) : 16;
    if (!read(at, want, head) || head.size() != want) return "the file cannot be read";
    Box box;
    if (!ReadBox(head, at, file_size, box, why, true)) return why;
    if (box.type == "moov") {
      if (have_movie) return "the file holds two movie boxes";
      have_movie = true;
      if (box.size > kMaxMovieBoxBytes) return "the movie box is larger than 32 MB";
      std::string movie;
      std::size_t body = static_cast<std::size_t>(box.size - box.header);
      if (!read(at + box.header, body, movie) || movie.size() != body) return "the file cannot be read";
      why = MovieWalk(movie, file_size).Run();
      if (why) return why;
    }
    at += box.size;
  }
  return have_movie ? nullptr : "the file has no movie box";
}

constexpr unsigned char kAsfHeaderId[16] = {0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11,
                                            0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C};
constexpr unsigned char kAsfDataId[16] = {0x36, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11,
                                          0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C};

const char* CheckAsf(std::uint64_t file_size, const VideoBytesReader& read) {
  std::string head;
  if (file_size < 30 || !read(0, 30, head) || head.size() != 30) return "the ASF header is cut short";
  if (std::memcmp(head.data(), kAsfHeaderId, 16) != 0) return "the file has no ASF header";
  std::uint64_t size = Le(head, 16, 8), count = Le(head, 24, 4);
  if (size < 30 || size > file_size) return "the ASF header runs past the end of the file";
  if (size > kMaxAsfHeaderBytes) return "the ASF header is larger than 16 MB";
  if (count > static_cast<std::uint64_t>(kMaxAsfObjects)) return "the ASF header declares too many objects";
  std::string header;
  if (!read(0, static_cast<std::size_t>(size), header) || header.size() != size) return "the file cannot be read";
  std::uint64_t at = 30;
  for (std::uint64_t i = 0; i < count; ++i) {
    if (size - at < 24) return "an ASF header object is cut short";
    std::uint64_t object = Le(header, static_cast<std::size_t>(at) + 16, 8);
    if (object < 24 || object > size - at) return "an ASF header object runs past the header";
    at += object;
  }
  // The data object follows the header: its own header must be there, and its packets inside the file.
  std::string data;
  if (file_size - size < 50 || !read(size, 50, data) || data.size() != 50) return "the file has no ASF data";
  if (std::memcmp(data.data(), kAsfDataId, 16) != 0) return "the ASF header is not followed by data";
  std::uint64_t data_size = Le(data, 16, 8);
  // 0 is allowed while a broadcast is written; otherwise it must fit.
  if (data_size != 0 && (data_size < 50 || data_size > file_size - size))
    return "the ASF data runs past the end of the file";
  return nullptr;
}

}  // namespace

std::string CheckVideoStructure(VideoContainer container, std::uint64_t file_size, const VideoBytesReader& read) {
  const char* why = container == VideoContainer::IsoMedia ? CheckIsoMedia(file_size, read)
                    : container == VideoContainer::Asf    ? CheckAsf(file_size, read)
                                                          : nullptr;
  return why ? why : "";
}

}  // namespace orb
