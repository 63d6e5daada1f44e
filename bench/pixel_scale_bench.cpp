// Times scaling a 1920x1080 background to 150 % and 200 % (a menu at 144 and 192 DPI with no twin), against
// a plain copy of the same output size in the same run.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "common/PixelScale.h"

namespace {

double Ms(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
  const int sw = 1920, sh = 1080;
  std::vector<std::uint32_t> source(static_cast<std::size_t>(sw) * sh);
  std::uint32_t x = 12345;
  for (std::uint32_t& p : source) p = 0xFF000000u | ((x = x * 1103515245u + 12345u) >> 8);
  for (int percent : {150, 200}) {
    const int dw = sw * percent / 100, dh = sh * percent / 100;
    std::vector<std::uint32_t> out(static_cast<std::size_t>(dw) * dh), copy(out.size()), from(out.size(), 7);
    double best_scale = 1e300, best_copy = 1e300;
    for (int i = 0; i < 10; ++i) {
      auto start = std::chrono::steady_clock::now();
      orb::ScalePixels(source.data(), sw, sh, out.data(), dw, dh);
      best_scale = std::min(best_scale, Ms(start));
      start = std::chrono::steady_clock::now();
      std::memcpy(copy.data(), from.data(), copy.size() * 4);
      best_copy = std::min(best_copy, Ms(start));
    }
    std::printf("1920x1080 to %dx%d, best of 10: scale %.1f ms, copy of the output %.1f ms (%.1fx)\n", dw, dh,
                best_scale, best_copy, best_scale / best_copy);
  }
}
