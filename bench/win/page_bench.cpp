// A page change under Wine against the same page's cold start: the player started on a CD whose first
// page is a 1920x1080 page of 12 spots, from CreateProcess to that page painted; and the player on a CD
// whose small first page leads there, from the click on its Go to Page spot (half a second after the small
// page is complete, as a reader's click comes) to the big page painted with its spots, then Escape back and
// again. The first change shows the page for the first time; the later ones show it again.
//   page_bench COLD_DIR PAGED_DIR [N]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/win/BenchClock.h"

namespace {

constexpr COLORREF kBig = RGB(48, 96, 192);    // the big page's background
constexpr COLORREF kSmall = RGB(192, 96, 48);  // the small first page's

// JPEG's colours come back near, not exact.
bool Near(COLORREF a, COLORREF b) {
  return std::abs(GetRValue(a) - GetRValue(b)) < 12 && std::abs(GetGValue(a) - GetGValue(b)) < 12 &&
         std::abs(GetBValue(a) - GetBValue(b)) < 12;
}

int VisibleSpots(HWND hwnd) {
  int count = 0;
  for (HWND spot = nullptr; (spot = FindWindowExA(hwnd, spot, "OrbstartSpot", nullptr));) {
    if (IsWindowVisible(spot)) ++count;
  }
  return count;
}

// The window titled title once it shows its `spots` spots and its client point (40, 40), free of spots and
// on the screen whatever the window's size, shows colour; null after 20 s. The background can show before
// the spots are made.
HWND WaitForPage(const char* title, COLORREF colour, double t0, int spots) {
  HDC screen = GetDC(nullptr);
  HWND found = nullptr;
  while (!found && Now() - t0 < 20000) {
    HWND hwnd = FindWindowA(nullptr, title);
    if (hwnd && IsWindowVisible(hwnd) && VisibleSpots(hwnd) == spots) {
      POINT at = {40, 40};
      ClientToScreen(hwnd, &at);
      if (Near(GetPixel(screen, at.x, at.y), colour)) found = hwnd;
    }
    if (!found) Sleep(1);
  }
  ReleaseDC(nullptr, screen);
  return found;
}

bool Start(const std::string& folder, PROCESS_INFORMATION& pi) {
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  std::string line = "\"" + folder + "\\Orbstart.exe\"";
  return CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi);
}

void End(HWND hwnd, PROCESS_INFORMATION& pi) {
  if (hwnd) PostMessageA(hwnd, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}

double ColdStart(const std::string& folder) {
  PROCESS_INFORMATION pi;
  double t0 = Now();
  if (!Start(folder, pi)) return -1;
  HWND hwnd = WaitForPage("Bench Page", kBig, t0, 12);
  double took = hwnd ? Now() - t0 : -1;
  End(hwnd, pi);
  return took;
}

// Page changes there and back, n times; the times of the changes to the big page.
std::vector<double> PageChanges(const std::string& folder, int n) {
  std::vector<double> times;
  PROCESS_INFORMATION pi;
  if (!Start(folder, pi)) return times;
  HWND hwnd = WaitForPage("Bench Home", kSmall, Now(), 1);
  if (!hwnd) std::fprintf(stderr, "the small page was not painted\n");
  for (int i = 0; hwnd && i < n; ++i) {
    // The page's own spot: the big page's, hidden at the change back, may not be destroyed yet.
    HWND spot = nullptr;
    for (double t = Now(); !spot && Now() - t < 2000; Sleep(1)) {
      do {
        spot = FindWindowExA(hwnd, spot, "OrbstartSpot", nullptr);
      } while (spot && !IsWindowVisible(spot));
    }
    if (!spot) {
      std::fprintf(stderr, "change %d: no spot to click\n", i + 1);
      break;
    }
    // A reader looks at a page before clicking on: the player uses that time to load the pages it leads to.
    Sleep(500);
    double t0 = Now();
    PostMessageA(spot, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(spot, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    if (!WaitForPage("Bench Page", kBig, t0, 12)) {
      std::fprintf(stderr, "change %d: the big page was not painted\n", i + 1);
      break;
    }
    times.push_back(Now() - t0);
    PostMessageA(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
    if (!WaitForPage("Bench Home", kSmall, Now(), 1)) {
      std::fprintf(stderr, "change %d: Escape did not lead back\n", i + 1);
      break;
    }
  }
  End(hwnd, pi);
  return times;
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: page_bench COLD_DIR PAGED_DIR [N]\n");
    return 2;
  }
  int n = std::max(2, argc > 3 ? std::atoi(argv[3]) : 10);
  std::vector<double> cold;
  for (int i = 0; i < n; ++i) {
    double t = ColdStart(argv[1]);
    if (t < 0) {
      std::fprintf(stderr, "the cold start did not paint the page in time\n");
      return 1;
    }
    cold.push_back(t);
  }
  // The first change of each run loads the page's pictures; the rest find them kept.
  std::vector<double> first, again;
  for (int run = 0; run < 3; ++run) {
    std::vector<double> changes = PageChanges(argv[2], n);
    if (static_cast<int>(changes.size()) != n) {
      std::fprintf(stderr, "a page change did not paint the page in time\n");
      return 1;
    }
    first.push_back(changes[0]);
    again.insert(again.end(), changes.begin() + 1, changes.end());
  }
  std::printf("a 1920x1080 page of 12 spots (warm wineserver):\n");
  std::printf("  cold start to painted page:        median %7.1f ms (%d runs)\n", Median(cold), n);
  std::printf("  first change to the page:          median %7.1f ms (3 runs)\n", Median(first));
  std::printf("  later changes (pictures kept):     median %7.1f ms (%zu changes)\n", Median(again),
              again.size());
  std::printf("  first change / cold start          %.2f\n", Median(first) / Median(cold));
  std::printf("  later change / cold start          %.2f\n", Median(again) / Median(cold));
  return 0;
}
