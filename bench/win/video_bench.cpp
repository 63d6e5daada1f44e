// Video costs of the player under Wine: the time from a click on a video spot to its first frame on the
// screen, and the peak working sets while the video plays (the player's, and its decoder's where a child process
// of the player decodes), best and median of N runs.
//   video_bench PLAYER_EXE CD_DIR TITLE SPOT [N]
// The CD's menu has one video frame; SPOT (1-based) plays into it.
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

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
  double decoder_peak_mb = -1;  // the largest child's, -1 without one
};

double PeakMb(HANDLE process) {
  PROCESS_MEMORY_COUNTERS memory = {};
  memory.cb = sizeof memory;
  if (!GetProcessMemoryInfo(process, &memory, sizeof memory)) return -1;
  return static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

// The largest peak among the children of a process.
double ChildrenPeakMb(DWORD parent) {
  double peak = -1;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return peak;
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    if (entry.th32ParentProcessID != parent) continue;
    HANDLE child = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, entry.th32ProcessID);
    if (!child) continue;
    peak = std::max(peak, PeakMb(child));
    CloseHandle(child);
  }
  CloseHandle(snapshot);
  return peak;
}

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
    run.peak_mb = PeakMb(pi.hProcess);
    run.decoder_peak_mb = ChildrenPeakMb(pi.dwProcessId);
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
  std::vector<double> first, peak, decoder_peak;
  for (int i = 0; i < n; ++i) {
    Run run = Once(argv[1], argv[2], argv[3], std::atoi(argv[4]));
    if (run.peak_mb < 0) {
      std::fprintf(stderr, "the menu or its video spot did not come\n");
      return 1;
    }
    if (run.first_frame >= 0) first.push_back(run.first_frame);
    peak.push_back(run.peak_mb);
    if (run.decoder_peak_mb >= 0) decoder_peak.push_back(run.decoder_peak_mb);
  }
  if (first.empty())
    std::printf("  %-28s none shown\n", "click to first frame");
  else
    Report("click to first frame", first, "ms");
  Report("peak working set", peak, "MB");
  if (!decoder_peak.empty()) Report("decoder's peak working set", decoder_peak, "MB");
  return 0;
}
