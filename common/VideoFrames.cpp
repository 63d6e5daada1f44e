// Frame conversion and pacing; see VideoFrames.h.
#include "common/VideoFrames.h"

#include <utility>

namespace orb {
namespace {

std::size_t Half(std::size_t n) { return (n + 1) / 2; }

// The bytes of one row of the first plane that the picture needs.
std::size_t RowBytes(const FrameLayout& l) {
  std::size_t w = static_cast<std::size_t>(l.width);
  switch (l.pixels) {
    case FramePixels::Bgrx: return w * 4;
    case FramePixels::Yuy2: return Half(w) * 4;
    case FramePixels::Nv12: return Half(w) * 2;  // the interleaved chroma row is the wider one
    default: return w;
  }
}

std::uint8_t Clip(int v) { return static_cast<std::uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v); }

// Limited-range Y'CbCr to RGB in 8.8 fixed point.
struct Matrix {
  int rv, gu, gv, bu;
};
constexpr Matrix kBt601 = {409, 100, 208, 516};
constexpr Matrix kBt709 = {459, 55, 136, 541};

std::uint32_t Rgb(const Matrix& m, int y, int u, int v) {
  int c = 298 * (y - 16) + 128;
  int d = u - 128, e = v - 128;
  return std::uint32_t(Clip((c + m.rv * e) >> 8)) << 16 | std::uint32_t(Clip((c - m.gu * d - m.gv * e) >> 8)) << 8 |
         Clip((c + m.bu * d) >> 8);
}

}  // namespace

std::size_t FrameBytes(const FrameLayout& l) {
  if (l.width <= 0 || l.height <= 0 || l.width > kMaxFrameSide || l.height > kMaxFrameSide) return 0;
  if (l.rows < l.height || l.rows > kMaxFrameSide) return 0;
  // A stride may pad a row, but not beyond any real decoder's alignment.
  if (l.stride < RowBytes(l) || l.stride > RowBytes(l) + 4096) return 0;
  if (l.bottom_up && l.pixels != FramePixels::Bgrx) return 0;
  std::size_t first = l.stride * static_cast<std::size_t>(l.rows);
  std::size_t last_row = l.stride * static_cast<std::size_t>(l.height - 1) + RowBytes(l);
  std::size_t chroma_rows = Half(static_cast<std::size_t>(l.height));
  switch (l.pixels) {
    case FramePixels::Bgrx:
    case FramePixels::Yuy2:
      return l.bottom_up ? first : last_row;
    case FramePixels::Nv12:
      return first + l.stride * (chroma_rows - 1) + 2 * Half(static_cast<std::size_t>(l.width));
    case FramePixels::I420:
    case FramePixels::Yv12: {
      std::size_t plane = Half(l.stride) * Half(static_cast<std::size_t>(l.rows));
      return first + plane + Half(l.stride) * (chroma_rows - 1) + Half(static_cast<std::size_t>(l.width));
    }
  }
  return 0;
}

bool ConvertFrame(const FrameLayout& l, const std::uint8_t* data, std::size_t size, std::vector<std::uint32_t>& out) {
  int w = 0, h = 0;
  return ConvertFrameWithin(l, data, size, l.width, l.height, out, w, h);
}

bool ConvertFrameWithin(const FrameLayout& l, const std::uint8_t* data, std::size_t size, int max_width,
                        int max_height, std::vector<std::uint32_t>& out, int& out_width, int& out_height) {
  std::size_t need = FrameBytes(l);
  if (need == 0 || !data || size < need) return false;
  // Only smaller: the window stretches a smaller picture up anyway, and a larger one costs only memory.
  const int w = max_width > 0 && max_width < l.width ? max_width : l.width;
  const int h = max_height > 0 && max_height < l.height ? max_height : l.height;
  // The source column and row of each pixel shown (nearest), computed once a frame.
  std::vector<int> column(static_cast<std::size_t>(w));
  for (int x = 0; x < w; ++x) column[static_cast<std::size_t>(x)] = static_cast<int>(static_cast<long long>(x) * l.width / w);
  out.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  out_width = w;
  out_height = h;
  const Matrix& m = l.bt709 ? kBt709 : kBt601;
  const std::size_t stride = l.stride;
  const std::uint8_t* chroma = data + stride * static_cast<std::size_t>(l.rows);
  const std::size_t cstride = Half(stride);
  const std::size_t cplane = cstride * Half(static_cast<std::size_t>(l.rows));
  for (int y = 0; y < h; ++y) {
    std::uint32_t* dst = out.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w);
    const int sy = static_cast<int>(static_cast<long long>(y) * l.height / h);
    const std::size_t yy = static_cast<std::size_t>(sy);
    switch (l.pixels) {
      case FramePixels::Bgrx: {
        const std::uint8_t* row = data + stride * (l.bottom_up ? static_cast<std::size_t>(l.rows - 1 - sy) : yy);
        for (int x = 0; x < w; ++x) {
          const std::uint8_t* src = row + static_cast<std::size_t>(column[static_cast<std::size_t>(x)]) * 4;
          dst[x] = std::uint32_t(src[2]) << 16 | std::uint32_t(src[1]) << 8 | src[0];
        }
        break;
      }
      case FramePixels::Yuy2: {
        const std::uint8_t* src = data + stride * yy;
        for (int x = 0; x < w; ++x) {
          const int sx = column[static_cast<std::size_t>(x)];
          const std::uint8_t* pair = src + static_cast<std::size_t>(sx / 2) * 4;
          dst[x] = Rgb(m, pair[(sx & 1) * 2], pair[1], pair[3]);
        }
        break;
      }
      case FramePixels::Nv12: {
        const std::uint8_t* luma = data + stride * yy;
        const std::uint8_t* uv = chroma + stride * (yy / 2);
        for (int x = 0; x < w; ++x) {
          const int sx = column[static_cast<std::size_t>(x)];
          std::size_t c = static_cast<std::size_t>(sx / 2) * 2;
          dst[x] = Rgb(m, luma[sx], uv[c], uv[c + 1]);
        }
        break;
      }
      case FramePixels::I420:
      case FramePixels::Yv12: {
        const std::uint8_t* luma = data + stride * yy;
        const std::uint8_t* first = chroma + cstride * (yy / 2);
        const std::uint8_t* second = first + cplane;
        const std::uint8_t* u = l.pixels == FramePixels::I420 ? first : second;
        const std::uint8_t* v = l.pixels == FramePixels::I420 ? second : first;
        for (int x = 0; x < w; ++x) {
          const int sx = column[static_cast<std::size_t>(x)];
          dst[x] = Rgb(m, luma[sx], u[sx / 2], v[sx / 2]);
        }
        break;
      }
    }
  }
  return true;
}

void FramePacer::Push(std::int64_t time, std::vector<std::uint32_t> pixels) {
  frames_.push_back(Frame{time, std::move(pixels)});
}

bool FramePacer::TakeDue(std::int64_t now, std::vector<std::uint32_t>& pixels) {
  bool taken = false;
  while (!frames_.empty() && frames_.front().time <= now) {
    pixels = std::move(frames_.front().pixels);
    frames_.pop_front();
    taken = true;
  }
  return taken;
}

std::int64_t FramePacer::UntilNext(std::int64_t now) const {
  if (frames_.empty()) return -1;
  return frames_.front().time <= now ? 0 : frames_.front().time - now;
}

}  // namespace orb
