// The region of a shaped window under the real GDI: the fast construction gives exactly the region of one
// rectangle per run, and the window really gets it.
#include "common/win/ShapedWindow.h"

#include <gtest/gtest.h>

#include <random>

namespace orb {
namespace {

// The straightforward construction: one CombineRgn per run.
HRGN RunByRun(const ShapeRuns& shape) {
  HRGN all = CreateRectRgn(0, 0, 0, 0);
  for (const ShapeRun& r : shape.runs) {
    HRGN one = CreateRectRgn(r.left, r.top, r.right, r.top + 1);
    CombineRgn(all, all, one, RGN_OR);
    DeleteObject(one);
  }
  return all;
}

Picture Make(int w, int h, uint32_t (*colour)(int x, int y, std::mt19937&), std::mt19937& rng) {
  Picture p;
  EXPECT_TRUE(p.Create(w, h, false));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.Pixels()[y * w + x] = 0xFF000000u | colour(x, y, rng);
  return p;
}

TEST(ShapedWindow, FastRegionEqualsOneUnionPerRun) {
  std::mt19937 rng(3);
  auto blob = [](int x, int y, std::mt19937& r) -> uint32_t {
    int dx = x - 60, dy = y - 40;
    if (dx * dx + dy * dy > 1500) return 0x00FF00FF;
    return (r() % 7 == 0) ? 0x00FF00FF : 0x00204080 + (r() % 3);
  };
  auto stripes = [](int x, int, std::mt19937&) -> uint32_t { return (x / 3) % 2 ? 0x00FF00FF : 0x00000000; };
  auto full = [](int, int, std::mt19937&) -> uint32_t { return 0x00010101; };
  for (auto colour : {+blob, +stripes, +full}) {
    Picture p = Make(130, 90, colour, rng);
    long transparent = 0x00FF00FF;
    ShapeRuns shape = ComputeShapeRuns(p.Pixels(), p.Width(), p.Height(), p.Width(), transparent);
    HRGN fast = CreateShapeRegion(shape), slow = RunByRun(shape);
    EXPECT_TRUE(EqualRgn(fast, slow));
    DeleteObject(fast);
    DeleteObject(slow);
  }
}

TEST(ShapedWindow, EmptyShapeGivesAnEmptyRegion) {
  ShapeRuns none;
  none.row_starts = {0, 0, 0};
  HRGN region = CreateShapeRegion(none);
  RECT box;
  EXPECT_EQ(GetRgnBox(region, &box), NULLREGION);
  DeleteObject(region);
}

LRESULT CALLBACK PlainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_ERASEBKGND && PaintFormPicture(hwnd, reinterpret_cast<HDC>(wp))) return 1;
  return DefWindowProcA(hwnd, msg, wp, lp);
}

// A borderless form to be shaped.
HWND MakeForm() {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = PlainProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "OrbShapeTest";
  RegisterClassA(&wc);
  return CreateWindowExA(0, wc.lpszClassName, "shape", WS_POPUP, 10, 10, 50, 50, nullptr, nullptr, wc.hInstance,
                         nullptr);
}

// The form's region is the one rectangle given.
void ExpectRegionIs(HWND form, int left, int top, int right, int bottom) {
  HRGN got = CreateRectRgn(0, 0, 0, 0), want = CreateRectRgn(left, top, right, bottom);
  EXPECT_EQ(GetWindowRgn(form, got), SIMPLEREGION);
  EXPECT_TRUE(EqualRgn(got, want));
  DeleteObject(got);
  DeleteObject(want);
}

TEST(ShapedWindow, FormTakesSizeRegionAndTopLeftColour) {
  HWND form = MakeForm();
  ASSERT_TRUE(form);
  Picture p;
  ASSERT_TRUE(p.Create(20, 10, false));
  for (int i = 0; i < 200; ++i) p.Pixels()[i] = 0xFF00FF00u;  // green key
  for (int y = 2; y < 8; ++y)
    for (int x = 5; x < 20; ++x) p.Pixels()[y * 20 + x] = 0xFF000000u;  // black block to the last column
  long transparent = 0;
  ShapeFormFromPicture(form, p, transparent);
  EXPECT_EQ(transparent, 0x0000FF00);
  EXPECT_TRUE(IsWindowVisible(form));
  RECT r;
  GetWindowRect(form, &r);
  EXPECT_EQ(r.right - r.left, 20);
  EXPECT_EQ(r.bottom - r.top, 10);
  ExpectRegionIs(form, 5, 2, 20, 8);
  ReleaseFormPicture(form);
  DestroyWindow(form);
}

TEST(ShapedWindow, ClearPixelsOfATranslucentPictureAreCutOut) {
  HWND form = MakeForm();
  ASSERT_TRUE(form);
  // Clear all round a block whose left half is opaque black and right half half-clear white.
  Picture p;
  ASSERT_TRUE(p.Create(20, 10, true));
  for (int y = 3; y < 7; ++y) {
    for (int x = 4; x < 10; ++x) p.Pixels()[y * 20 + x] = 0xFF000000u;
    for (int x = 10; x < 16; ++x) p.Pixels()[y * 20 + x] = 0x80808080u;
  }
  long transparent = 0;
  ShapeFormFromPicture(form, p, transparent);
  ExpectRegionIs(form, 4, 3, 16, 7);
  ReleaseFormPicture(form);
  DestroyWindow(form);
}

size_t RegionRectangles(HRGN region) {
  return (GetRegionData(region, 0, nullptr) - sizeof(RGNDATAHEADER)) / sizeof(RECT);
}

// A region too busy for the X server kills the process under Wine: busy outlines are simplified, and
// outlines that stay too busy leave the form unshaped and hidden for its caller.
TEST(ShapedWindow, BusyOutlinesAreSimplifiedOrRefused) {
  std::mt19937 rng(5);
  auto checkerboard = [](int x, int y, std::mt19937&) -> uint32_t {
    return (x + y) % 2 ? 0x00000000 : 0x00FFFFFF;
  };
  // Runs and gaps of 10 pixels, every other row shifted by 10: no tolerance closes or aligns them.
  auto bricks = [](int x, int y, std::mt19937&) -> uint32_t {
    return ((x + (y % 2) * 10) / 10) % 2 ? 0x0 : 0x00FFFFFF;
  };
  struct Case {
    int w, h;
    uint32_t (*colour)(int, int, std::mt19937&);
    bool kept;
  };
  for (Case c : {Case{640, 480, +checkerboard, true}, Case{1024, 600, +bricks, false}}) {
    HWND form = MakeForm();
    ASSERT_TRUE(form);
    Picture p = Make(c.w, c.h, c.colour, rng);
    long transparent = 0;
    EXPECT_EQ(ShapeFormFromPicture(form, p, transparent), c.kept) << c.w;
    EXPECT_EQ(IsWindowVisible(form) != FALSE, c.kept) << c.w;
    HRGN got = CreateRectRgn(0, 0, 0, 0);
    int kind = GetWindowRgn(form, got);
    if (c.kept) {
      EXPECT_NE(kind, NULLREGION);
      EXPECT_NE(kind, ERROR);
      EXPECT_LE(RegionRectangles(got), kMaxShapeRectangles);
    } else {
      EXPECT_EQ(kind, ERROR);  // no region at all: the whole window shows
    }
    DeleteObject(got);
    ReleaseFormPicture(form);
    DestroyWindow(form);
  }
}

}  // namespace
}  // namespace orb
