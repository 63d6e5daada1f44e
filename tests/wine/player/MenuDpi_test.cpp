// The menu window when its monitor's DPI changes: background, spot and outline laid out again at the new
// scale in the place the system suggests, and back; then switched to a right-to-left language and back.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/win/WindowBase.h"
#include "player/win/DpiPicture.h"
#include "player/win/MenuWindow.h"
#include "tests/support/FakeMediaTransport.h"
#include "tests/support/PumpMessages.h"

namespace orb {
namespace {

// A 24-bit BMP of one colour.
void WriteBmp(const std::string& path, int w, int h) {
  const int row = (w * 3 + 3) & ~3;
  BITMAPFILEHEADER file = {0x4D42, static_cast<DWORD>(54 + row * h), 0, 0, 54};
  BITMAPINFOHEADER info = {sizeof info, w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  std::string pixels(row * h, '\x80');
  FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(&file, 14, 1, f);
  std::fwrite(&info, sizeof info, 1, f);
  std::fwrite(pixels.data(), pixels.size(), 1, f);
  std::fclose(f);
}

class Host : public MenuWindowHost {
 public:
  FileRead ReadFile(const std::string& path, std::string& data) override {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return FileRead::kMissing;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) data.append(buffer, n);
    std::fclose(f);
    return FileRead::kRead;
  }
  void ShellOpen(MediaWindow, const std::string&, const std::string&, const std::string&,
                 const std::string&) override {}
  void UnloadStartupWindow() override {}
  void MenuClosed() override {}
  void Fail(const std::string& message) override { failed = message; }
  std::string failed;
};

struct FindTip {
  HWND menu, tip = nullptr;
};

BOOL CALLBACK OwnedTooltip(HWND hwnd, LPARAM data) {
  auto* f = reinterpret_cast<FindTip*>(data);
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  if (GetWindow(hwnd, GW_OWNER) == f->menu && lstrcmpiA(name, "tooltips_class32") == 0) f->tip = hwnd;
  return f->tip ? FALSE : TRUE;
}

// The height of the font the menu's tooltip window draws with, in pixels.
int TooltipFontHeight(HWND menu) {
  FindTip find{menu};
  EnumThreadWindows(GetCurrentThreadId(), OwnedTooltip, reinterpret_cast<LPARAM>(&find));
  LOGFONTA font = {};
  HGDIOBJ handle = find.tip ? reinterpret_cast<HGDIOBJ>(SendMessageA(find.tip, WM_GETFONT, 0, 0)) : nullptr;
  if (!handle || !GetObjectA(handle, sizeof font, &font)) return 0;
  return font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
}

RECT ClientOf(HWND hwnd) {
  RECT r;
  GetClientRect(hwnd, &r);
  return r;
}

// The first spot's rectangle in the menu's client pixels.
RECT SpotOf(HWND menu) {
  RECT r = {};
  HWND spot = FindWindowExA(menu, nullptr, "OrbstartSpot", nullptr);
  if (spot) {
    GetWindowRect(spot, &r);
    MapWindowPoints(nullptr, menu, reinterpret_cast<POINT*>(&r), 2);
  }
  return r;
}

TEST(MenuDpi, ADpiChangeLaysTheMenuOutAgainAtTheNewScale) {
  char base[MAX_PATH] = {};
  GetTempPathA(sizeof base, base);
  const std::string dir = std::string(base) + "orbdpi" + std::to_string(GetCurrentProcessId()) + "\\";
  CreateDirectoryA(dir.c_str(), nullptr);
  WriteBmp(dir + "back.bmp", 240, 120);  // wider than a caption's least width
  WriteBmp(dir + "over.bmp", 8, 4);
  FILE* inf = std::fopen((dir + "autorun.inf").c_str(), "wb");
  ASSERT_NE(inf, nullptr);
  std::fputs("[AutoRun]\r\nOPEN=Orbstart.exe\r\nIcon=Orbstart.exe\r\n", inf);
  std::fclose(inf);
  MenuConfig config;
  config.MenuMode = true;
  config.BackgroundPath = dir + "back.bmp";
  config.CdTitle = "Dpi rig";
  PlayerSpot spot;
  spot.Action = 7;
  spot.ToolTip = "Tip";
  spot.RolloverImage = dir + "over.bmp";
  spot.X = 150;  // 10 pixels
  spot.Y = 90;   // 6 pixels
  config.Spots = {spot};
  config.SpotCount = 1;
  config.DefaultLanguage = "en";
  config.Languages = {{"ar-EG", {{LanguageField::ToolTip, 1, 1, "Arabic tip"}}}};
  FakeMediaTransport media;
  Host host;
  {
    MenuWindow menu(GetModuleHandleA(nullptr), config, dir.substr(0, dir.size() - 1), media, host);
    std::string error;
    ASSERT_TRUE(menu.Create(error)) << error;
    HWND hwnd = menu.Handle();
    const int dpi = win::WindowDpi(hwnd);  // the prefix's, 96 in the test's
    RECT before = ClientOf(hwnd);
    EXPECT_EQ(before.right * 96, 240 * dpi);
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    const int system_height = std::abs(metrics.lfStatusFont.lfHeight);

    for (int to : {192, 144, dpi}) {
      SCOPED_TRACE(to);
      RECT window;
      GetWindowRect(hwnd, &window);
      RECT suggested = {window.left + 5, window.top + 5, window.left + 5 + 240 * to / 96 + 20,
                        window.top + 5 + 120 * to / 96 + 40};
      SendMessageA(hwnd, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
      ASSERT_EQ(host.failed, "");
      RECT client = ClientOf(hwnd);
      EXPECT_EQ(client.right, 240 * to / 96);
      EXPECT_EQ(client.bottom, 120 * to / 96);
      RECT s = SpotOf(hwnd);
      EXPECT_EQ(s.left, 10 * to / 96);
      EXPECT_EQ(s.top, 6 * to / 96);
      EXPECT_EQ(s.right - s.left, 8 * to / 96);
      EXPECT_EQ(s.bottom - s.top, 4 * to / 96);
      GetWindowRect(hwnd, &window);
      EXPECT_EQ(window.left, suggested.left);
      EXPECT_EQ(window.top, suggested.top);
      // Tooltips read at the monitor's scale: the system's font, scaled from its DPI to the new one.
      if (to != dpi) {
        EXPECT_EQ(TooltipFontHeight(hwnd), MulDiv(system_height, to, dpi));
      }
    }

    // Right to left: the caption's and the tooltip's reading order, never a mirrored layout.
    FindTip find{hwnd};
    EnumThreadWindows(GetCurrentThreadId(), OwnedTooltip, reinterpret_cast<LPARAM>(&find));
    ASSERT_NE(find.tip, nullptr);
    for (const char* tag : {"ar-EG", "en"}) {
      SCOPED_TRACE(tag);
      const bool rtl = tag[0] == 'a';
      menu.Controller().SwitchLanguage(tag);
      PumpUntil([] { return false; }, 100);  // the spots of the page left go
      const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_EXSTYLE);
      EXPECT_EQ((style & WS_EX_RTLREADING) != 0, rtl);
      EXPECT_EQ(style & WS_EX_LAYOUTRTL, 0);
      char text[64] = {};
      TOOLINFOA tool = {};
      tool.cbSize = TTTOOLINFOA_V2_SIZE;
      tool.hwnd = hwnd;
      tool.uId = reinterpret_cast<UINT_PTR>(FindWindowExA(hwnd, nullptr, "OrbstartSpot", nullptr));
      tool.lpszText = text;
      ASSERT_TRUE(SendMessageA(find.tip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool)));
      EXPECT_EQ((tool.uFlags & TTF_RTLREADING) != 0, rtl);
      EXPECT_STREQ(text, rtl ? "Arabic tip" : "Tip");
    }
    DestroyWindow(hwnd);
  }
  DeleteFileA((dir + "back.bmp").c_str());
  DeleteFileA((dir + "over.bmp").c_str());
  DeleteFileA((dir + "autorun.inf").c_str());
  RemoveDirectoryA(dir.c_str());
}

// A cursor file with a 32- and a 64-pixel image, 32 bits each.
void WriteCursor(const std::string& path) {
  std::string file;
  auto put = [&](unsigned value, int bytes) {
    for (int i = 0; i < bytes; ++i) file += static_cast<char>(value >> (8 * i) & 0xFF);
  };
  const int sizes[] = {32, 64};
  put(0, 2), put(2, 2), put(2, 2);  // a cursor directory of two
  unsigned offset = 6 + 2 * 16;
  for (int n : sizes) {
    const unsigned bytes = 40 + n * n * 4 + n * ((n + 31) / 32 * 4);
    put(n, 1), put(n, 1), put(0, 1), put(0, 1), put(1, 2), put(1, 2), put(bytes, 4), put(offset, 4);
    offset += bytes;
  }
  for (int n : sizes) {
    put(40, 4), put(n, 4), put(2 * n, 4), put(1, 2), put(32, 2), put(0, 4), put(0, 4);
    put(0, 4), put(0, 4), put(0, 4), put(0, 4);
    file.append(static_cast<size_t>(n) * n * 4, '\xFF');
    file.append(static_cast<size_t>(n) * ((n + 31) / 32 * 4), '\0');
  }
  FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(file.data(), file.size(), 1, f);
  std::fclose(f);
}

int CursorWidth(HCURSOR cursor) {
  ICONINFO info = {};
  if (!cursor || !GetIconInfo(cursor, &info)) return 0;
  BITMAP bitmap = {};
  GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return bitmap.bmWidth;
}

TEST(MenuDpi, ACursorWithSeveralSizesGivesTheOneForTheDpi) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  const std::string path = std::string(folder) + "orb_dpi_cursor.cur";
  WriteCursor(path);
  HCURSOR at96 = LoadCursorAtDpi(path, 96), at192 = LoadCursorAtDpi(path, 192);
  EXPECT_EQ(CursorWidth(at96), 32);
  EXPECT_EQ(CursorWidth(at192), 64);
  if (at96) DestroyCursor(at96);
  if (at192) DestroyCursor(at192);
  EXPECT_EQ(LoadCursorAtDpi(std::string(folder) + "orb_no_such.cur", 96), nullptr);
  DeleteFileA(path.c_str());
}

}  // namespace
}  // namespace orb
