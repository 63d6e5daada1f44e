// Times the menu.cfg writer and reader at the largest project the format allows (32767 spots) and the
// reader on a file with one 10 MB line.
#include <chrono>
#include <cstdio>

#include "cdformat/CdFormats.h"
#include "cdformat/CdReaders.h"

namespace {

template <typename F>
double Milliseconds(F&& run) {
  auto start = std::chrono::steady_clock::now();
  run();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
  orb::ProjectData project;
  project.BackgroundImage = "C:\\cd\\imgmusic\\back.jpg";
  orb::MenuSpot spot;
  spot.Name = "Spot";
  spot.ToolTip = "Open the setup program";
  spot.Action = 1;
  spot.Target = "C:\\cd\\setup.exe";
  spot.RolloverImage = "C:\\cd\\imgmusic\\over.gif";
  spot.MoveSound = "C:\\cd\\imgmusic\\move.wav";
  project.Spots.assign(32767, spot);

  std::string cfg;
  double write_ms = Milliseconds([&] { cfg = orb::MenuCfgForMenu(project, "C:\\cd\\"); });
  orb::MenuConfig config;
  orb::FormatError error;
  bool ok = false;
  double read_ms = Milliseconds([&] { ok = orb::ReadMenuConfig(cfg, "D:", "menu.cfg", config, error); });
  std::printf("menu.cfg, 32767 spots (%zu bytes): write %.1f ms, read %.1f ms%s\n", cfg.size(), write_ms,
              read_ms, ok ? "" : " (read FAILED)");
  const bool read_ok = ok;

  std::string big = "true\r\n\\b.jpg\r\n" + std::string(10 * 1024 * 1024, 'x') + "\r\n\r\n 1 \r\n";
  double big_ms = Milliseconds([&] { ok = orb::ReadMenuConfig(big, "D:", "menu.cfg", config, error); });
  std::printf("menu.cfg with a 10 MB title, cut short: read %.1f ms (%s)\n", big_ms,
              ok ? "accepted" : error.Text().c_str());

  std::string des = orb::AutorunDes({"\\setup.exe", "\\intro.mp3", "-x"});
  orb::AutorunRecord record;
  double des_ms = Milliseconds([&] {
    for (int i = 0; i < 100000; ++i) record = orb::ReadAutorunDes(des);
  });
  std::printf("autorun.des: %.3f us a read\n", des_ms * 1000 / 100000);
  return read_ok ? 0 : 1;
}
