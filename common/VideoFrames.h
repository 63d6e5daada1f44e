// Decoded video frames made drawable: the pixel layouts a video decoder hands out, turned into 32-bit
// top-down rows, and the queue that holds decoded frames until their presentation time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace orb {

enum class FramePixels {
  Bgrx,  // 32 bits a pixel, blue first
  Nv12,  // Y plane, then one plane of interleaved U and V at half size
  I420,  // Y plane, then U, then V at half size (also IYUV)
  Yv12,  // Y plane, then V, then U at half size
  Yuy2,  // Y0 U Y1 V, packed
};

struct FrameLayout {
  FramePixels pixels = FramePixels::Nv12;
  int width = 0;  // the picture shown, which may be smaller than the decoded frame
  int height = 0;
  std::size_t stride = 0;  // bytes from one row of the first plane to the next
  int rows = 0;            // rows of the first plane in the buffer; the other planes follow them
  bool bottom_up = false;  // Bgrx rows stored from the last row up
  bool bt709 = false;      // high-definition colours; standard-definition ones otherwise
};

// Above this a frame is refused, which keeps every size computation far inside 32 bits.
inline constexpr int kMaxFrameSide = 8192;

// The bytes a buffer of this layout must hold; 0 when the layout is unusable.
std::size_t FrameBytes(const FrameLayout& layout);
// Fills out (width * height values, 0x00RRGGBB, top row first); false, leaving out alone, when the layout
// is unusable or the buffer is shorter than it says.
bool ConvertFrame(const FrameLayout& layout, const std::uint8_t* data, std::size_t size,
                  std::vector<std::uint32_t>& out);
// The same, shrunk (nearest pixel) to at most max_width by max_height, so that a large video in a small
// box costs what the box shows; out_width and out_height give the size made.
bool ConvertFrameWithin(const FrameLayout& layout, const std::uint8_t* data, std::size_t size, int max_width,
                        int max_height, std::vector<std::uint32_t>& out, int& out_width, int& out_height);

// Frames in presentation order (100-ns units), a few at most, so that decoding stays just ahead of showing.
class FramePacer {
 public:
  explicit FramePacer(std::size_t capacity) : capacity_(capacity) {}
  bool Full() const { return frames_.size() >= capacity_; }
  bool Empty() const { return frames_.empty(); }
  void Push(std::int64_t time, std::vector<std::uint32_t> pixels);
  // The newest frame whose time has come; the older ones that came too are dropped, as a late player
  // skips them. False when none is due.
  bool TakeDue(std::int64_t now, std::vector<std::uint32_t>& pixels);
  // Time until the next frame is due (0 when one is), -1 when none waits.
  std::int64_t UntilNext(std::int64_t now) const;
  void Clear() { frames_.clear(); }

 private:
  struct Frame {
    std::int64_t time;
    std::vector<std::uint32_t> pixels;
  };
  std::size_t capacity_;
  std::deque<Frame> frames_;
};

}  // namespace orb
