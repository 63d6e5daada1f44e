// Video costs of the player under Wine: the time from a click on a video spot to its first frame on the
// screen, and the player's peak working set while the video plays, best and median of N runs.
//   video_bench PLAYER_EXE CD_DIR TITLE SPOT [N]
// The CD's menu has one video frame; SPOT (1-based) plays into it.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include "bench/win/BenchClock.h"

namespace {

struct Children {
  int spot_wanted;
  HWND spot = nullptr, frame = nullptr;
  int spots = 0;
};

BOOL CALLBACK FindChildren(HWND child, LPARAM lp) {
  auto* c = reinterpret_cast<Children*>(lp);
  char cls[32] = {};
  GetClassNameA(child, cls, sizeof cls);
  if (std::string(cls) == "OrbstartSpot" && ++c->spots == c->spot_wanted) c->spot = child;
  if (std::string(cls) == "OrbstartVideoFrame" && !c->frame) c->frame = child;
  return TRUE;
}

struct Run {
  double first_frame = -1;  // ms
  double peak_mb = -1;
};

Run Once(const std::string& player, const std::string& cd, const char* title, int spot) {
  Run run;
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi;
  std::string line = "\"" + player + "\"";
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, cd.c_str(), &si, &pi)) return run;
  HWND menu = nullptr;
  for (double t0 = Now(); !menu && Now() - t0 < 20000; Sleep(10)) {
    HWND hwnd = FindWindowA(nullptr, title);
    if (hwnd && IsWindowVisible(hwnd)) menu = hwnd;
  }
  Children c{spot};
  if (menu) EnumChildWindows(menu, FindChildren, reinterpret_cast<LPARAM>(&c));
  if (c.spot && c.frame) {
    Sleep(500);  // the menu painted and idle
    RECT r;
    GetWindowRect(c.frame, &r);
    int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    HDC screen = GetDC(nullptr);
    COLORREF before = GetPixel(screen, x, y);
    double t0 = Now();
    SendMessageA(c.spot, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(c.spot, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    // The frame shows first black (the frame's own), then the video: the first colour neither the
    // background nor black is the first frame.
    while (Now() - t0 < 20000) {
      COLORREF now = GetPixel(screen, x, y);
      if (now != before && now != RGB(0, 0, 0) && now != CLR_INVALID) {
        run.first_frame = Now() - t0;
        break;
      }
      Sleep(2);
    }
    if (run.first_frame < 0 && std::getenv("VIDEO_BENCH_TRACE"))
      std::fprintf(stderr, "pixel %d,%d stayed %06lx (now %06lx)\n", x, y, before, GetPixel(screen, x, y));
    ReleaseDC(nullptr, screen);
    Sleep(3000);  // playing on
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(pi.hProcess, &memory, sizeof memory))
      run.peak_mb = static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0);
  }
  if (menu) PostMessageA(menu, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return run;
}

void Report(const char* what, std::vector<double> values, const char* unit) {
  std::sort(values.begin(), values.end());
  std::printf("  %-28s best %8.1f %s, median %8.1f %s\n", what, values.front(), unit, values[values.size() / 2],
              unit);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: video_bench PLAYER_EXE CD_DIR TITLE SPOT [N]\n");
    return 2;
  }
  int n = argc > 5 ? std::atoi(argv[5]) : 5;
  std::vector<double> first, peak;
  for (int i = 0; i < n; ++i) {
    Run run = Once(argv[1], argv[2], argv[3], std::atoi(argv[4]));
    if (run.peak_mb < 0) {
      std::fprintf(stderr, "the menu or its video spot did not come\n");
      return 1;
    }
    if (run.first_frame >= 0) first.push_back(run.first_frame);
    peak.push_back(run.peak_mb);
  }
  if (first.empty())
    std::printf("  %-28s none shown\n", "click to first frame");
  else
    Report("click to first frame", first, "ms");
  Report("peak working set", peak, "MB");
  return 0;
}
