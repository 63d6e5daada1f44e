// Box-filter scaling; see PixelScale.h.
#include "common/PixelScale.h"

#include <algorithm>
#include <vector>

namespace orb {
namespace {

// A target pixel's weights are fractions of 1 << 16 that add up to exactly that, so a plain colour stays
// exactly itself and a target inside one source pixel is that pixel.
constexpr std::uint32_t kOne = 1u << 16;

struct Tap {
  int index;             // the source pixel
  std::uint32_t weight;  // its share of the target pixel, of kOne
};

// For each of `to` target pixels, the source pixels it covers and by how much. Target i covers source
// [i*from, (i+1)*from) and source j covers [j*to, (j+1)*to), in units of 1/(from*to) of the whole, so
// the overlaps are whole numbers adding up to `from`.
void MakeTaps(int from, int to, std::vector<int>& first, std::vector<Tap>& taps) {
  first.assign(static_cast<std::size_t>(to) + 1, 0);
  taps.clear();
  for (long long i = 0; i < to; ++i) {
    first[static_cast<std::size_t>(i)] = static_cast<int>(taps.size());
    const long long begin = i * from, end = begin + from;
    std::uint32_t given = 0;
    for (long long j = begin / to; j * to < end; ++j) {
      const long long lo = std::max(j * to, begin), hi = std::min((j + 1) * to, end);
      if (hi <= lo) continue;
      const auto w = static_cast<std::uint32_t>(((hi - lo) * kOne + from / 2) / from);
      taps.push_back({static_cast<int>(j), w});
      given += w;
    }
    // What rounding left over, or took too much, goes to the largest share, which can always bear it.
    auto largest = std::max_element(taps.begin() + first[static_cast<std::size_t>(i)], taps.end(),
                                    [](const Tap& a, const Tap& b) { return a.weight < b.weight; });
    largest->weight += kOne - given;
  }
  first[static_cast<std::size_t>(to)] = static_cast<int>(taps.size());
}

}  // namespace

bool ScalePixels(const std::uint32_t* source, int sw, int sh, std::uint32_t* target, int dw, int dh) {
  if (sw < 1 || sh < 1 || dw < 1 || dh < 1 || sw > 32767 || sh > 32767 || dw > 32767 || dh > 32767) return false;
  if (dw % sw == 0 && dh % sh == 0) {
    // A whole factor each way (200 % and 300 % screens): every target lies inside one source pixel, so the
    // filter's answer is that pixel, given here without the arithmetic.
    const int fx = dw / sw, fy = dh / sh;
    for (int y = 0; y < dh; ++y) {
      std::uint32_t* out = target + static_cast<std::size_t>(y) * static_cast<std::size_t>(dw);
      if (y % fy) {
        std::copy(out - dw, out, out);
        continue;
      }
      const std::uint32_t* row = source + static_cast<std::size_t>(y / fy) * static_cast<std::size_t>(sw);
      for (int x = 0; x < sw; ++x) std::fill(out + x * fx, out + (x + 1) * fx, row[x]);
    }
    return true;
  }
  std::vector<int> xfirst, yfirst;
  std::vector<Tap> xtaps, ytaps;
  MakeTaps(sw, dw, xfirst, xtaps);
  MakeTaps(sh, dh, yfirst, ytaps);
  // One source row scaled across, each channel in 256ths (at most 65280), so that the pass down, whose
  // weights add up to kOne, stays within 32 bits. Target rows take their source rows in order and share
  // at most the row between them, so the last row made is all there is to keep.
  std::vector<std::uint32_t> across(static_cast<std::size_t>(dw) * 4), sums(across.size());
  int across_row = -1;
  for (int y = 0; y < dh; ++y) {
    std::fill(sums.begin(), sums.end(), 0u);
    for (int t = yfirst[static_cast<std::size_t>(y)]; t < yfirst[static_cast<std::size_t>(y) + 1]; ++t) {
      const Tap& down = ytaps[static_cast<std::size_t>(t)];
      if (down.index != across_row) {
        const std::uint32_t* row = source + static_cast<std::size_t>(down.index) * static_cast<std::size_t>(sw);
        for (int x = 0; x < dw; ++x) {
          std::uint32_t c0 = 0, c1 = 0, c2 = 0, c3 = 0;
          for (int u = xfirst[static_cast<std::size_t>(x)]; u < xfirst[static_cast<std::size_t>(x) + 1]; ++u) {
            const std::uint32_t p = row[xtaps[static_cast<std::size_t>(u)].index];
            const std::uint32_t w = xtaps[static_cast<std::size_t>(u)].weight;
            c0 += (p & 0xFF) * w, c1 += (p >> 8 & 0xFF) * w, c2 += (p >> 16 & 0xFF) * w, c3 += (p >> 24) * w;
          }
          std::uint32_t* a = &across[static_cast<std::size_t>(x) * 4];
          a[0] = (c0 + 128) >> 8, a[1] = (c1 + 128) >> 8, a[2] = (c2 + 128) >> 8, a[3] = (c3 + 128) >> 8;
        }
        across_row = down.index;
      }
      for (std::size_t k = 0; k < sums.size(); ++k) sums[k] += across[k] * down.weight;
    }
    std::uint32_t* out = target + static_cast<std::size_t>(y) * static_cast<std::size_t>(dw);
    for (int x = 0; x < dw; ++x) {
      const std::uint32_t* s = &sums[static_cast<std::size_t>(x) * 4];
      out[x] = ((s[0] + (1u << 23)) >> 24) | ((s[1] + (1u << 23)) >> 24) << 8 | ((s[2] + (1u << 23)) >> 24) << 16 |
               ((s[3] + (1u << 23)) >> 24) << 24;
    }
  }
  return true;
}

}  // namespace orb
