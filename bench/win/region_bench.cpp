// Region of a 1920x1080 shaped picture under Wine: runs read once, kept within the rectangle bound and
// joined in a balanced tree, against GetPixel per pixel with one CombineRgn per run; both regions must be
// equal. Then busy outlines (a one-pixel checkerboard, a dithered key colour): the simplification's time
// against joining them unbounded, and the rectangles left. "region_bench limit N" shows a window with a
// region of N rectangles, to find the count at which the X server gives up.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "common/ShapeRegion.h"
#include "common/win/ShapedWindow.h"
#include "bench/win/BenchClock.h"

namespace {

constexpr int kWidth = 1920, kHeight = 1080;
constexpr COLORREF kKey = RGB(255, 0, 255);

// A splash-like picture: a rounded shape with a notch on a flat key colour, noisy inside, with text.
HBITMAP MakePicture() {
  orb::Picture p;
  p.Create(kWidth, kHeight, false);
  std::mt19937 rng(1);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      double dx = (x - 960) / 900.0, dy = (y - 540) / 500.0;
      bool inside = dx * dx * dx * dx + dy * dy * dy * dy < 1.0 && !(x > 1500 && y > 200 && y < 300);
      uint32_t colour = inside ? 0x00305080u + (rng() % 32) * 0x010101u : 0x00FF00FFu;
      p.Pixels()[y * kWidth + x] = 0xFF000000u | colour;
    }
  }
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, p.Bitmap());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  HFONT font = CreateFontA(96, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  HGDIOBJ old_font = SelectObject(dc, font);
  TextOutA(dc, 400, 400, "Welcome to the CD", 17);
  TextOutA(dc, 400, 560, "Install  Browse  Exit", 21);
  SelectObject(dc, old_font);
  DeleteObject(font);
  SelectObject(dc, old);
  DeleteDC(dc);
  // The picture as the picture loader leaves it: a 32-bit DIB section.
  HBITMAP bitmap = static_cast<HBITMAP>(CopyImage(p.Bitmap(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  return bitmap;
}

HRGN PerPixel(HBITMAP bitmap) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  COLORREF key = GetPixel(dc, 0, 0);
  HRGN all = CreateRectRgn(0, 0, 0, 0);
  for (int y = 0; y < kHeight; ++y) {
    int x = 0;
    while (x < kWidth) {
      while (x < kWidth && GetPixel(dc, x, y) == key) ++x;
      if (x >= kWidth) break;
      int start = x;
      while (x < kWidth && GetPixel(dc, x, y) != key) ++x;
      HRGN run = CreateRectRgn(start, y, x, y + 1);
      CombineRgn(all, all, run, RGN_OR);
      DeleteObject(run);
    }
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  return all;
}

// The pixels are read once into a buffer the program keeps (first touches of fresh memory are slow
// in this VM and would be measured otherwise), then turned into runs and joined.
HRGN ReadOnceAndJoin(HBITMAP bitmap, orb::Picture& buffer, size_t& runs, int& tolerance) {
  BITMAPINFO bi = {};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap, 0, kHeight, buffer.Pixels(), &bi, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  long key = 0;
  orb::ShapeRuns shape = orb::ComputeShapeRuns(buffer.Pixels(), kWidth, kHeight, kWidth, key);
  runs = shape.runs.size();
  tolerance = orb::BoundShapeRuns(shape);
  return orb::CreateShapeRegion(shape);
}

size_t Rectangles(HRGN region) {
  return (GetRegionData(region, 0, nullptr) - sizeof(RGNDATAHEADER)) / sizeof(RECT);
}

// Pixels of a busy outline: a one-pixel checkerboard, or the splash shape with its key colour dithered
// into the inside (as a photo's noisy background leaves it).
std::vector<uint32_t> BusyPicture(bool checkerboard, int w, int h) {
  std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
  std::mt19937 rng(2);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      double dx = (x - w / 2.0) / (w * 0.47), dy = (y - h / 2.0) / (h * 0.46);
      bool key =
          checkerboard ? (x + y) % 2 == 0 : dx * dx * dx * dx + dy * dy * dy * dy >= 1.0 || rng() % 100 < 30;
      pixels[static_cast<size_t>(y) * w + x] = key ? 0x00FF00FFu : 0x00305080u;
    }
  }
  return pixels;
}

void BenchBusy(const char* name, bool checkerboard, int w, int h) {
  std::vector<uint32_t> pixels = BusyPicture(checkerboard, w, h);
  double unbounded = 1e9, bounded = 1e9;
  size_t before = 0, after = 0;
  int tolerance = 0;
  for (int i = 0; i < 3; ++i) {
    long key = 0;
    double t0 = Now();
    orb::ShapeRuns shape = orb::ComputeShapeRuns(pixels.data(), w, h, w, key);
    HRGN full = orb::CreateShapeRegion(shape);
    unbounded = std::min(unbounded, Now() - t0);
    before = Rectangles(full);
    DeleteObject(full);
    t0 = Now();
    shape = orb::ComputeShapeRuns(pixels.data(), w, h, w, key);
    tolerance = orb::BoundShapeRuns(shape);
    HRGN kept = orb::CreateShapeRegion(shape);
    bounded = std::min(bounded, Now() - t0);
    after = Rectangles(kept);
    DeleteObject(kept);
  }
  std::printf("%s %dx%d: %zu rectangles, kept %zu (bound %zu) at tolerance %d px\n", name, w, h, before,
              after, orb::kMaxShapeRectangles, tolerance);
  std::printf("  unbounded region: %8.1f ms, simplified region: %8.1f ms (best of 3), ratio %.2f\n",
              unbounded, bounded, bounded / unbounded);
}

// Shows a window whose region holds exactly `count` rectangles (runs that no neighbouring row shares)
// and pumps its messages; the X server's refusal ends the process, so a caller can search for the limit.
int ProbeLimit(int count) {
  constexpr int kPerRow = 200;
  orb::ShapeRuns shape;
  for (int y = 0; static_cast<int>(shape.runs.size()) < count; ++y) {
    shape.row_starts.push_back(static_cast<uint32_t>(shape.runs.size()));
    for (int k = 0; k < kPerRow && static_cast<int>(shape.runs.size()) < count; ++k) {
      shape.runs.push_back({y, 2 * k + y % 2, 2 * k + y % 2 + 1});
    }
  }
  shape.row_starts.push_back(static_cast<uint32_t>(shape.runs.size()));
  HWND form = CreateWindowExA(0, "STATIC", "probe", WS_POPUP, 0, 0, 2 * kPerRow + 1,
                              static_cast<int>(shape.row_starts.size()), nullptr, nullptr, nullptr, nullptr);
  HRGN region = orb::CreateShapeRegion(shape);
  DWORD size = GetRegionData(region, 0, nullptr);
  std::printf("%d rectangles asked, %lu in the region\n", count,
              static_cast<unsigned long>((size - sizeof(RGNDATAHEADER)) / sizeof(RECT)));
  std::fflush(stdout);
  SetWindowRgn(form, region, TRUE);
  ShowWindow(form, SW_SHOW);
  for (DWORD start = GetTickCount(); GetTickCount() - start < 700;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(10);
  }
  DestroyWindow(form);
  std::printf("alive\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "limit") return ProbeLimit(std::atoi(argv[2]));
  HBITMAP bitmap = MakePicture();
  size_t runs = 0;
  int tolerance = 0;
  double best_fast = 1e9;
  orb::Picture buffer;
  buffer.Create(kWidth, kHeight, false);
  std::fill(buffer.Pixels(), buffer.Pixels() + kWidth * kHeight, 0u);
  HRGN fast = nullptr;
  for (int i = 0; i < 5; ++i) {
    if (fast) DeleteObject(fast);
    double t0 = Now();
    fast = ReadOnceAndJoin(bitmap, buffer, runs, tolerance);
    double t = Now() - t0;
    if (t < best_fast) best_fast = t;
  }
  double t0 = Now();
  HRGN slow = PerPixel(bitmap);
  double per_pixel = Now() - t0;
  bool equal = EqualRgn(fast, slow) && tolerance == 0;
  std::printf("region of %dx%d picture, %zu runs, %zu rectangles (bound %zu, tolerance %d)\n", kWidth,
              kHeight, runs, Rectangles(fast), orb::kMaxShapeRectangles, tolerance);
  std::printf("  read once + balanced joins: %8.1f ms (best of 5)\n", best_fast);
  std::printf("  GetPixel + CombineRgn:      %8.1f ms\n", per_pixel);
  std::printf("  speed-up %.1fx, regions equal: %s\n", per_pixel / best_fast, equal ? "yes" : "NO");
  DeleteObject(fast);
  DeleteObject(slow);
  DeleteObject(bitmap);
  BenchBusy("checkerboard", true, 640, 480);
  BenchBusy("dithered key", false, kWidth, kHeight);
  return equal ? 0 : 1;
}
