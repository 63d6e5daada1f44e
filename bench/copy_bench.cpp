// Times copying a 256 MB media file through the Linux file seam against cp on the same file, in the
// same run (alternating, best of several, so that both see the same page cache).
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/PosixFileSystem.h"

namespace {

double Seconds(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  fs::path base = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path();
  std::string pattern = (base / "orbcopy-XXXXXX").string();
  if (!mkdtemp(pattern.data())) return 1;
  const std::string dir = pattern;
  const size_t size = size_t{256} << 20;
  {
    std::vector<char> block(size_t{1} << 20);
    std::ofstream out(dir + "/movie.avi", std::ios::binary);
    uint32_t x = 12345;
    for (size_t written = 0; written < size; written += block.size()) {
      for (char& c : block) c = static_cast<char>((x = x * 1103515245u + 12345u) >> 24);
      out.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
  }
  orb::PosixFileSystem files;
  const std::string root = orb::PosixFileSystem::ModelFolder(dir);
  const std::string cp = "cp '" + dir + "/movie.avi' '" + dir + "/cp.avi'";
  double best_seam = 1e300, best_cp = 1e300;
  bool ok = true;
  for (int i = 0; i < 5; ++i) {
    fs::remove(dir + "/cp.avi");
    fs::remove(dir + "/seam.avi");
    auto start = std::chrono::steady_clock::now();
    ok &= std::system(cp.c_str()) == 0;
    best_cp = std::min(best_cp, Seconds(start));
    start = std::chrono::steady_clock::now();
    std::string error;
    ok &= files.CopyFile(root + "movie.avi", root + "seam.avi", error);
    best_seam = std::min(best_seam, Seconds(start));
  }
  ok &= fs::file_size(dir + "/seam.avi") == size;
  double mb = static_cast<double>(size) / (1 << 20);
  std::printf(
      "copy of a 256 MB file, best of 5: seam %.0f MB/s (%.3f s), cp %.0f MB/s (%.3f s): %.0f%% of cp "
      "(target >= 90%%: %s)%s\n",
      mb / best_seam, best_seam, mb / best_cp, best_cp, 100 * best_cp / best_seam,
      best_cp / best_seam >= 0.9 ? "met" : "MISSED", ok ? "" : " (copy FAILED)");
  fs::remove_all(dir);
  return ok ? 0 : 1;
}
