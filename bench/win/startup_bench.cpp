// Start-up time under Wine: from CreateProcess to the window's client area showing its colour on the
// screen, for the player on a CD root and for a minimal Win32 program, alternately, best and median of N.
//   startup_bench PLAYER_DIR MINIMAL_EXE [N]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include "bench/win/BenchClock.h"

namespace {

// Milliseconds until a window titled title shows colour at its client centre; -1 on a timeout.
double TimeToPaint(const std::string& command, const std::string& folder, const char* title, COLORREF colour) {
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi;
  std::string line = command;
  double t0 = Now();
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &si, &pi))
    return -1;
  double result = -1;
  HDC screen = GetDC(nullptr);
  while (Now() - t0 < 20000) {
    HWND hwnd = FindWindowA(nullptr, title);
    if (hwnd && IsWindowVisible(hwnd)) {
      RECT r;
      GetClientRect(hwnd, &r);
      POINT centre = {r.right / 2, r.bottom / 2};
      ClientToScreen(hwnd, &centre);
      if (GetPixel(screen, centre.x, centre.y) == colour) {
        result = Now() - t0;
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
        break;
      }
    }
    Sleep(1);
  }
  ReleaseDC(nullptr, screen);
  WaitForSingleObject(pi.hProcess, 10000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return result;
}

void Report(const char* what, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  std::printf("  %-32s best %7.1f ms, median %7.1f ms\n", what, times.front(), times[times.size() / 2]);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_bench PLAYER_DIR MINIMAL_EXE [N]\n");
    return 2;
  }
  std::string cd = argv[1], minimal = argv[2];
  int n = argc > 3 ? std::atoi(argv[3]) : 10;
  std::vector<double> player, plain;
  for (int i = 0; i < n; ++i) {
    double a = TimeToPaint("\"" + cd + "\\Orbstart.exe\"", cd, "Bench CD", RGB(48, 96, 192));
    double b = TimeToPaint("\"" + minimal + "\"", "", "Minimal", RGB(48, 96, 192));
    if (a < 0 || b < 0) {
      std::fprintf(stderr, "a program did not paint in time\n");
      return 1;
    }
    player.push_back(a);
    plain.push_back(b);
  }
  std::sort(player.begin(), player.end());
  std::sort(plain.begin(), plain.end());
  std::printf("process start to painted window, %d runs each (warm wineserver):\n", n);
  Report("Orbstart.exe, menu painted:", player);
  Report("minimal Win32 program:", plain);
  std::printf("  ratio of medians %.2f\n", player[n / 2] / plain[n / 2]);
  return 0;
}
