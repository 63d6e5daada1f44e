// The real placement window: captions and five-digit values fit at 96, 120 and 144 DPI, the arrows are
// pictures, a rectangle sized by its frame shows and stores what it is, a background larger than the
// screen scrolls with the controls in the work area, a translucent rollover shows the background, and the
// window works without the mouse beside the menu's other spots.
#include "editor/windows/win/PlacementWindow.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "../../support/FakeMediaTransport.h"
#include "../tools/CaptionCheck.h"
#include "editor/windows/PlacementLayout.h"
#include "tests/support/PumpMessages.h"

namespace orb {
namespace {

using frmlocate::Role;

std::string DataPath(const char* name) {
  std::string path = std::string("Z:") + ORB_SOURCE_DIR + "/tests/data/pictures/" + name;
  for (char& c : path) c = c == '/' ? '\\' : c;
  return path;
}

// A 24-bit bitmap of one colour in the test's own temporary folder.
std::string WriteBitmap(const char* name, int w, int h, COLORREF colour) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  std::string path = std::string(folder) + "orb-placement-" + std::to_string(GetCurrentProcessId()) + name;
  int stride = (w * 3 + 3) & ~3;
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + stride * h;
  info.biSize = sizeof info;
  info.biWidth = w;
  info.biHeight = h;
  info.biPlanes = 1;
  info.biBitCount = 24;
  std::vector<BYTE> row(stride, 0);
  for (int x = 0; x < w; ++x) {
    row[x * 3] = GetBValue(colour);
    row[x * 3 + 1] = GetGValue(colour);
    row[x * 3 + 2] = GetRValue(colour);
  }
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD done = 0;
  WriteFile(f, &file, sizeof file, &done, nullptr);
  WriteFile(f, &info, sizeof info, &done, nullptr);
  for (int y = 0; y < h; ++y) WriteFile(f, row.data(), stride, &done, nullptr);
  CloseHandle(f);
  return path;
}

std::function<void(HWND)> g_act;
bool g_acted = false;
void CALLBACK ActTimer(HWND, UINT, UINT_PTR, DWORD) {
  HWND d = FindWindowA(nullptr, frmlocate::kCaption);
  if (g_acted || !d || d != GetActiveWindow() || !IsWindowVisible(d)) return;
  g_acted = true;
  g_act(d);
}

// Opens the window, runs act inside it once it is shown, and gives Finish's outputs.
std::optional<PlacementOutputs> RunWindow(const PlacementInputs& in, int dpi, std::function<void(HWND)> act) {
  FakeMediaTransport media;
  g_act = std::move(act);
  g_acted = false;
  UINT_PTR timer = SetTimer(nullptr, 0, 60, ActTimer);
  std::optional<PlacementOutputs> out = ShowPlacementWindow(nullptr, in, media, nullptr, dpi);
  KillTimer(nullptr, timer);
  EXPECT_TRUE(g_acted) << "the window did not show";
  return out;
}

HWND Item(HWND d, Role role) {
  HWND direct = GetDlgItem(d, 1000 + static_cast<int>(role));
  if (direct) return direct;
  HWND view = FindWindowExA(d, nullptr, "OrbLocateView", nullptr);
  return GetDlgItem(view, 1000 + static_cast<int>(role));
}
std::string TextOf(HWND d, Role role) {
  char text[256] = {};
  GetWindowTextA(Item(d, role), text, sizeof text);
  return text;
}
void Click(HWND d, Role role) {
  SendMessageA(d, WM_COMMAND, MAKEWPARAM(1000 + static_cast<int>(role), BN_CLICKED),
               reinterpret_cast<LPARAM>(Item(d, role)));
}
void Finish(HWND d) {
  PostMessageA(d, WM_COMMAND, MAKEWPARAM(1000 + static_cast<int>(Role::cmdend), BN_CLICKED),
               reinterpret_cast<LPARAM>(Item(d, Role::cmdend)));
}
RECT ScreenRect(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  return r;
}

PlacementInputs VideoInputs() {
  PlacementInputs in;
  in.video_mode = true;
  in.video_file = "C:\\cd\\movie.avi";
  return in;
}

// The text's extent in the control's own font.
SIZE Extent(HWND control, std::string text) {
  std::string shown;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
  SIZE size = {};
  GetTextExtentPoint32A(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return size;
}

TEST(PlacementWindow, CaptionsAndFiveDigitValuesFitAtEveryDpi) {
  for (int dpi : {96, 120, 144}) {
    SCOPED_TRACE(dpi);
    RunWindow(VideoInputs(), dpi, [&](HWND d) {
      RECT client;
      GetClientRect(d, &client);
      RECT view = ScreenRect(FindWindowExA(d, nullptr, "OrbLocateView", nullptr));
      MapWindowPoints(nullptr, d, reinterpret_cast<POINT*>(&view), 2);
      for (int i = 0; i < frmlocate::kControlCount; ++i) {
        Role role = frmlocate::kControls[i].role;
        if (frmlocate::InPictureArea(role)) continue;
        HWND c = Item(d, role);
        SCOPED_TRACE(frmlocate::kControls[i].text);
        RECT box, at = ScreenRect(c);
        GetClientRect(c, &box);
        MapWindowPoints(nullptr, d, reinterpret_cast<POINT*>(&at), 2);
        RECT both;
        EXPECT_FALSE(IntersectRect(&both, &at, &view)) << "a control lies over the picture";
        EXPECT_TRUE(at.left >= 0 && at.top >= 0 && at.right <= client.right && at.bottom <= client.bottom);
        char cls[32] = {};
        GetClassNameA(c, cls, sizeof cls);
        std::vector<std::string> texts = {frmlocate::kControls[i].text};
        int room = box.right, margins = 0;
        if (std::string(cls) == "Edit") {
          texts = {"13500", "-13500"};
          DWORD m = static_cast<DWORD>(SendMessageA(c, EM_GETMARGINS, 0, 0));
          margins = LOWORD(m) + HIWORD(m);
        } else if (std::string(cls) == "Button") {
          margins = 2 * (GetSystemMetrics(SM_CXEDGE) + 2);  // the pushed frame and the focus rectangle
          if (role == Role::cmdprev) texts.push_back("Stop &Preview");
        }
        for (const std::string& text : texts) {
          SIZE size = Extent(c, text);
          EXPECT_LE(size.cx + margins, room) << text;
          EXPECT_LE(size.cy, box.bottom) << text;
        }
      }
      for (const std::string& cut : test::CutCaptions(d)) ADD_FAILURE() << cut;
      // The arrows are pictures from the resources, not glyphs of a symbol font.
      for (Role arrow : {Role::cmdup, Role::cmdright, Role::cmddown, Role::cmdleft}) {
        HWND b = Item(d, arrow);
        EXPECT_TRUE(GetWindowLongA(b, GWL_STYLE) & BS_ICON);
        EXPECT_NE(SendMessageA(b, BM_GETIMAGE, IMAGE_ICON, 0), 0);
        EXPECT_EQ(TextOf(d, arrow), "");
      }
      PostMessageA(d, WM_CLOSE, 0, 0);
    });
  }
}

// placement_dpi_test.sh runs this at 96, 120 and 144 DPI: the window takes the display's DPI itself.
TEST(PlacementWindow, NoCaptionIsCutAtTheDisplayDpi) {
  // As the editor's manifest does: a program unaware of the DPI would be shown 96.
  using SetAwareFn = BOOL(WINAPI*)();
  if (auto set_aware = reinterpret_cast<SetAwareFn>(
          reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "SetProcessDPIAware")))) {
    set_aware();
  }
  RunWindow(VideoInputs(), 0, [&](HWND d) {
    RECT prev;
    GetClientRect(Item(d, Role::cmdprev), &prev);
    // 1500 twips at the display's DPI.
    EXPECT_EQ(prev.right, (1500 * test::caption_check::ScreenDpi() + 720) / 1440);
    for (const std::string& cut : test::CutCaptions(d))
      ADD_FAILURE() << cut << " at " << test::caption_check::ScreenDpi();
    PostMessageA(d, WM_CLOSE, 0, 0);
  });
}

TEST(PlacementWindow, RectangleSizedByItsFrameShowsAndStoresWhatItIs) {
  std::string x, y, width, height;
  auto out = RunWindow(VideoInputs(), 96, [&](HWND d) {
    Click(d, Role::cmdright);  // 961: a twip that no pixel shows
    HWND list = Item(d, Role::lstvideo);
    RECT r = ScreenRect(list);
    MapWindowPoints(nullptr, GetParent(list), reinterpret_cast<POINT*>(&r), 2);
    // What the thick frame does when its right edge is pulled 30 pixels and its top edge 10 upwards.
    SetWindowPos(list, nullptr, r.left, r.top - 10, r.right - r.left + 30, r.bottom - r.top + 10,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    x = TextOf(d, Role::txtx);
    y = TextOf(d, Role::txty);
    width = TextOf(d, Role::txtvidwidth);
    height = TextOf(d, Role::txtvidheight);
    Finish(d);
  });
  EXPECT_EQ(x, "961");
  EXPECT_EQ(y, "210");
  EXPECT_EQ(width, "2625");   // 145 + 30 pixels
  EXPECT_EQ(height, "1620");  // 98 + 10 pixels
  ASSERT_TRUE(out);
  EXPECT_EQ(out->x, x);
  EXPECT_EQ(out->y, y);
  EXPECT_EQ(out->width, width);
  EXPECT_EQ(out->height, height);
}

TEST(PlacementWindow, LargeBackgroundScrollsAndKeepsTheControlsInTheWorkArea) {
  PlacementInputs in;
  in.background_image = WriteBitmap("big.bmp", 2000, 1500, RGB(48, 96, 192));
  in.rollover_image = DataPath("red.bmp");
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  auto out = RunWindow(in, 96, [&](HWND d) {
    RECT whole = ScreenRect(d), both;
    EXPECT_TRUE(IntersectRect(&both, &whole, &work) && EqualRect(&both, &whole))
        << "the window leaves the work area";
    for (Role role : {Role::cmdup, Role::txtx, Role::cmdend, Role::cmdcancel, Role::txtvidwidth}) {
      RECT r = ScreenRect(Item(d, role));
      EXPECT_TRUE(IntersectRect(&both, &r, &whole) && EqualRect(&both, &r));
    }
    HWND view = FindWindowExA(d, nullptr, "OrbLocateView", nullptr);
    EXPECT_TRUE(GetWindowLongA(view, GWL_STYLE) & WS_VSCROLL);
    EXPECT_TRUE(GetWindowLongA(view, GWL_STYLE) & WS_HSCROLL);
    RECT before = ScreenRect(Item(d, Role::img));
    SendMessageA(view, WM_VSCROLL, SB_PAGEDOWN, 0);
    SendMessageA(view, WM_HSCROLL, SB_LINEDOWN, 0);
    RECT after = ScreenRect(Item(d, Role::img));
    EXPECT_LT(after.top, before.top) << "the picture area did not scroll";
    EXPECT_LT(after.left, before.left);
    Click(d, Role::cmdright);
    Finish(d);
  });
  DeleteFileA(in.background_image.c_str());
  ASSERT_TRUE(out);
  // Scrolling moves the view, not the picture's coordinates.
  EXPECT_EQ(out->x, "4201");
  EXPECT_EQ(out->y, "2400");
}

// What the screen shows at a point of a window.
COLORREF PixelOf(HWND w, int x, int y) {
  POINT p = {x, y};
  ClientToScreen(w, &p);
  HDC dc = GetDC(nullptr);
  COLORREF c = GetPixel(dc, p.x, p.y);
  ReleaseDC(nullptr, dc);
  return c;
}
bool Near(COLORREF got, int r, int g, int b) {
  return std::abs(GetRValue(got) - r) <= 3 && std::abs(GetGValue(got) - g) <= 3 &&
         std::abs(GetBValue(got) - b) <= 3;
}

// The screen is read through the X server, which may show a painted window a little later: read again
// (pumping messages) until what is seen settles on what is wanted, for a second at most.
template <typename Seen>
void WaitForScreen(Seen seen) {
  PumpUntil(seen, 1000);
}

TEST(PlacementWindow, TranslucentPicturesShowWhatLiesBeneath) {
  PlacementInputs in;
  in.background_image = WriteBitmap("back.bmp", 800, 500, RGB(48, 96, 192));
  in.rollover_image = DataPath("half.png");  // two clear columns, two half-clear red, two opaque red
  in.txtx = "1500";
  in.txty = "1500";
  COLORREF clear = 0, half = 0, opaque = 0;
  RunWindow(in, 96, [&](HWND d) {
    HWND img = Item(d, Role::img);
    RedrawWindow(d, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    WaitForScreen([&] {
      clear = PixelOf(img, 0, 1);
      half = PixelOf(img, 2, 1);
      opaque = PixelOf(img, 5, 1);
      return Near(clear, 48, 96, 192) && Near(half, 152, 48, 96) && Near(opaque, 255, 0, 0);
    });
    PostMessageA(d, WM_CLOSE, 0, 0);
  });
  DeleteFileA(in.background_image.c_str());
  EXPECT_TRUE(Near(clear, 48, 96, 192)) << std::hex << clear;
  EXPECT_TRUE(Near(half, 152, 48, 96)) << std::hex << half;
  EXPECT_TRUE(Near(opaque, 255, 0, 0)) << std::hex << opaque;

  // A translucent background shows the window colour through its clear pixels.
  in.background_image = DataPath("alpha.png");  // clear top-left pixel, opaque red third one
  COLORREF corner = 0, red = 0;
  RunWindow(in, 96, [&](HWND d) {
    HWND view = FindWindowExA(d, nullptr, "OrbLocateView", nullptr);
    RedrawWindow(d, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    WaitForScreen([&] {
      corner = PixelOf(view, 0, 0);
      red = PixelOf(view, 2, 0);
      return corner == GetSysColor(COLOR_BTNFACE) && Near(red, 255, 0, 0);
    });
    PostMessageA(d, WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(corner, GetSysColor(COLOR_BTNFACE));
  EXPECT_TRUE(Near(red, 255, 0, 0)) << std::hex << red;
}

// Without the mouse: the boxes say their unit and that Enter applies, the arrow keys move the focused picture
// a pixel (ten with Shift), and another spot of the menu shows faintly beneath.
TEST(PlacementWindow, BoxesNameTheirUnitArrowKeysMoveThePictureAndOtherSpotsShowFaintly) {
  PlacementInputs in;
  in.background_image = WriteBitmap("ghost-back.bmp", 400, 300, RGB(0, 0, 0));
  in.rollover_image = WriteBitmap("ghost-over.bmp", 20, 10, RGB(255, 0, 0));
  in.other_spots.push_back({WriteBitmap("ghost-other.bmp", 30, 20, RGB(255, 255, 255)), 3000, 3000});
  in.txtx = "1500";
  in.txty = "1500";
  std::string tip;
  COLORREF ghost = 0, beside = 0;
  std::optional<PlacementOutputs> out = RunWindow(in, 96, [&](HWND d) {
    HWND tips = nullptr;
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, TOOLTIPS_CLASSA, nullptr));)
      if (GetWindow(w, GW_OWNER) == d) tips = w;
    char text[512] = {};
    TTTOOLINFOA info = {};
    info.cbSize = sizeof info;
    info.hwnd = d;
    info.uId = reinterpret_cast<UINT_PTR>(Item(d, Role::txtx));
    info.lpszText = text;
    if (tips) SendMessageA(tips, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
    tip = text;

    HWND img = Item(d, Role::img);
    SetFocus(img);
    SendMessageA(img, WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageA(img, WM_KEYDOWN, VK_DOWN, 0);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    SendMessageA(img, WM_KEYDOWN, VK_RIGHT, 0);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);

    HWND view = FindWindowExA(d, nullptr, "OrbLocateView", nullptr);
    RedrawWindow(d, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    WaitForScreen([&] {
      ghost = PixelOf(view, 205, 205);
      beside = PixelOf(view, 235, 205);
      return GetRValue(ghost) > 40 && GetRValue(ghost) < 215 && Near(beside, 0, 0, 0);
    });
    Finish(d);
  });
  for (const std::string& f : {in.background_image, in.rollover_image, in.other_spots[0].image}) DeleteFileA(f.c_str());
  EXPECT_NE(tip.find("X-posiiton"), std::string::npos) << tip;
  // Wine hands out at most 80 characters of a tip: the rest, "... when you press Enter", is the same constant.
  EXPECT_NE(tip.find("Twips, 15 to a pixel. A typed value appl"), std::string::npos) << tip;
  ASSERT_TRUE(out);
  EXPECT_EQ(out->x, "1665");  // 1500 + 15 + 150
  EXPECT_EQ(out->y, "1515");
  // White at about a third over black: faint, neither missing nor full.
  EXPECT_GT(GetRValue(ghost), 40) << std::hex << ghost;
  EXPECT_LT(GetRValue(ghost), 215) << std::hex << ghost;
  EXPECT_TRUE(Near(beside, 0, 0, 0)) << std::hex << beside;
}

}  // namespace
}  // namespace orb
