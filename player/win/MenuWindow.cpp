// The menu window's Win32 view; see MenuWindow.h.
#include "player/win/MenuWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <new>

#include "common/DpiScale.h"
#include "common/MessagePath.h"
#include "common/win/MciTransport.h"
#include "common/win/MfVideoEngine.h"
#include "common/win/ShapedWindow.h"
#include "common/win/WideText.h"
#include "common/win/WindowBase.h"
#include "player/win/ChangeFormBorder.h"
#include "player/win/DpiPicture.h"
#include "player/win/FocusMark.h"

namespace orb {
namespace {

constexpr const wchar_t* kMenuClass = L"OrbstartMenu";
constexpr const wchar_t* kSpotClass = L"OrbstartSpot";
constexpr const wchar_t* kFrameClass = L"OrbstartVideoFrame";
// Posted by a screen reader's default action: the spot's action runs after the reader's call returned.
constexpr UINT kPressSpot = WM_APP + 1;
constexpr DWORD kFramedStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX |
                               WS_CLIPCHILDREN;

// After the closing sequence: a media worker stuck in a decoder or the media interface would hold up the
// end for good (destroying its windows, shutting Media Foundation down), so after a short grace the process
// ends without it. Nothing it holds is needed by another process.
bool MediaWorkersRunning() { return VideoWorkersRunning() || MciWorkersRunning(); }
void EndWithoutStuckMedia() {
  // Workers that close their devices normally end well within this (under Wine too); the second a close
  // may take leaves room for the rest of the exit.
  AnswerWhile(500, MediaWorkersRunning);
  if (MediaWorkersRunning()) TerminateProcess(GetCurrentProcess(), 0);
}

}  // namespace

MenuWindow::MenuWindow(HINSTANCE instance, const MenuConfig& config, const std::string& folder,
                       MediaTransport& media, MenuWindowHost& host, const std::string& language)
    : instance_(instance), host_(host), controller_(config, folder, media, *this, language) {
  const std::vector<PlayerSpot>& spots = controller_.Spots();  // in the language shown
  for (size_t i = 0; i < spots.size(); ++i) {
    spot_names_.push_back(SpotAccessibleName(spots[i], static_cast<int>(i + 1), folder));
  }
}

MenuWindow::~MenuWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
  if (tooltip_font_) DeleteObject(tooltip_font_);
  DestroySpots(spots_);
  DestroySpots(retired_);
  if (icon_) DestroyIcon(icon_);
}

void MenuWindow::DestroySpots(std::vector<std::unique_ptr<Spot>>& spots) {
  for (auto& spot : spots) {
    for (HWND w : {spot->hwnd, spot->frame}) {
      if (w && IsWindow(w)) DestroyWindow(w);
    }
    if (spot->cursor) DestroyCursor(spot->cursor);
  }
  spots.clear();
}

std::vector<SpotArea> MenuWindow::SpotAreas() const {
  std::vector<SpotArea> areas;
  for (auto& spot : spots_) {
    RECT r;
    GetWindowRect(spot->hwnd, &r);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
    areas.push_back({r.left, r.top, r.right, r.bottom});
  }
  return areas;
}

bool MenuWindow::Create(std::string& error) {
  win::RegisterWindowClass({kMenuClass, win::WindowProc<MenuWindow, &MenuWindow::OnMenuMessage>,
                            win::ArrowCursor(), nullptr, LoadIconA(instance_, MAKEINTRESOURCEA(1))});
  // No class cursor: each spot sets its own in WM_SETCURSOR.
  win::RegisterWindowClass({kSpotClass, win::WindowProc<MenuWindow, &MenuWindow::OnSpotMessage>});
  win::RegisterWindowClass(
      {kFrameClass, DefWindowProcW, win::ArrowCursor(), static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))});

  hand_ = LoadCursorA(instance_, "HAND");
  if (!hand_) hand_ = LoadCursorA(nullptr, IDC_HAND);
  hwnd_ = CreateWindowExW(0, kMenuClass, L"Autorun Menu", kFramedStyle, CW_USEDEFAULT, CW_USEDEFAULT, 640, 480,
                          nullptr, nullptr, instance_, this);
  if (!hwnd_) {
    error = "The menu window cannot be created.";
    return false;
  }
  dpi_ = win::WindowDpi(hwnd_);
  tooltip_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                             instance_, nullptr);
  SetTooltipFont();
  if (!controller_.Form_Load(error)) {
    DestroyWindow(hwnd_);
    hwnd_ = nullptr;
    return false;
  }
  loaded_ = true;
  keys_.SetAreas(SpotAreas());
  if (!shaped_) ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  SetFocus(hwnd_);
  UpdateWindow(hwnd_);
  SetTimer(hwnd_, kPreloadTimer, 50, nullptr);
  return true;
}

void MenuWindow::SetRightToLeft(bool rtl) {
  right_to_left_ = rtl;
  // The caption's reading order only: WS_EX_LAYOUTRTL would mirror the background and the spots' places.
  LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_EXSTYLE);
  SetWindowLongPtrA(hwnd_, GWL_EXSTYLE, rtl ? style | WS_EX_RTLREADING : style & ~LONG_PTR{WS_EX_RTLREADING});
}

void MenuWindow::CenterOnScreen(int width, int height) {
  POINT at = win::CentredOrigin(nullptr, width, height, true);
  SetWindowPos(hwnd_, nullptr, at.x, at.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool MenuWindow::SetIcon(const std::string& path, std::string& error) {
  HICON icon = static_cast<HICON>(LoadImageW(nullptr, win::Widen(path).c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
  if (!icon) {
    // Any other picture becomes an icon of its own size.
    Picture picture;
    if (!LoadPicture(path, picture, error)) return false;
    HBITMAP mask = CreateBitmap(picture.Width(), picture.Height(), 1, 1, nullptr);
    ICONINFO info = {TRUE, 0, 0, mask, picture.Bitmap()};
    icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    if (!icon) {
      error = "cannot be made into an icon";
      return false;
    }
  }
  if (icon_) DestroyIcon(icon_);
  icon_ = icon;
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  return true;
}

bool MenuWindow::CreateSpot(int spot, const SpotLayout& layout, std::string& error) {
  auto s = std::make_unique<Spot>();
  Spot* raw = s.get();
  spots_.push_back(std::move(s));
  const std::string of = " of spot " + std::to_string(spot) + " ";
  raw->layout = layout;
  if (layout.has_video_frame) {
    raw->frame = CreateWindowExW(0, kFrameClass, nullptr, WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, hwnd_, nullptr,
                                 instance_, nullptr);
  }
  SIZE& size = raw->size;
  std::string reason;
  if (!SpotSize(layout.rollover, size, reason)) {
    error = MessagePath(layout.rollover) + ": the rollover picture" + of + reason;
    return false;
  }
  if (!layout.cursor.empty()) {
    raw->cursor = LoadCursorAtDpi(layout.cursor, dpi_);
    if (!raw->cursor) {
      error = MessagePath(layout.cursor) + ": the mouse pointer" + of + "cannot be loaded as a cursor";
      return false;
    }
  }
  raw->hwnd = CreateWindowExW(0, kSpotClass, nullptr, WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, hwnd_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(spot)), instance_, this);
  if (!raw->hwnd) {
    error = "The window of spot " + std::to_string(spot) + " cannot be created.";
    return false;
  }
  PlaceSpot(*raw);
  if (tooltip_ && !layout.tooltip.empty()) {
    std::wstring text = win::Widen(layout.tooltip);  // the tooltip keeps a copy
    TOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS | (right_to_left_ ? TTF_RTLREADING : 0);
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(raw->hwnd);
    tool.lpszText = text.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  ShowWindow(raw->hwnd, SW_SHOWNA);
  return true;
}

void MenuWindow::PlaceSpot(Spot& spot) {
  // By edges: spots and frames that touch on the picture touch on the screen, and lie on the picture
  // pixels they cover at 96 DPI.
  const SpotLayout& l = spot.layout;
  const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(spot.hwnd, nullptr, ScaleEdge(l.x, dpi_), ScaleEdge(l.y, dpi_), ScaleLength(l.x, spot.size.cx, dpi_),
               ScaleLength(l.y, spot.size.cy, dpi_), flags);
  if (spot.frame) {
    SetWindowPos(spot.frame, nullptr, ScaleEdge(l.video_x, dpi_), ScaleEdge(l.video_y, dpi_),
                 ScaleLength(l.video_x, l.video_width, dpi_), ScaleLength(l.video_y, l.video_height, dpi_), flags);
  }
}

MenuWindow::Spot* MenuWindow::SpotAt(int spot) {
  return spot >= 1 && spot <= static_cast<int>(spots_.size()) ? spots_[spot - 1].get() : nullptr;
}

MediaWindow MenuWindow::VideoFrame(int spot) {
  Spot* s = SpotAt(spot);
  return s ? reinterpret_cast<MediaWindow>(s->frame) : 0;
}

void MenuWindow::ShowRollover(int spot, const std::string& path) {
  Spot* s = SpotAt(spot);
  if (!s || !s->hwnd) return;
  // Read, scaled and sized once per picture and DPI: a pointer sweeping over the menu reads no file.
  if (s->rollover.Empty() || s->rollover_path != path || s->rollover_dpi != dpi_) {
    s->rollover.Reset();
    s->rollover_path.clear();
    Picture base;
    std::string ignored;
    if (!LoadPicture(path, base, ignored)) return;
    s->size = {base.Width(), base.Height()};
    const SpotLayout& l = s->layout;
    const int width = ScaleLength(l.x, s->size.cx, dpi_), height = ScaleLength(l.y, s->size.cy, dpi_);
    if (dpi_ == kBaseDpi) {
      s->rollover = static_cast<Picture&&>(base);
    } else if (!PictureAtDpi(path, base, dpi_, width, height, s->rollover)) {
      return;
    }
    s->rollover_path = path;
    s->rollover_dpi = dpi_;
    SetWindowPos(s->hwnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  s->lit = true;
  InvalidateRect(s->hwnd, nullptr, FALSE);
}

void MenuWindow::HideRollover(int spot) {
  Spot* s = SpotAt(spot);
  if (!s || !s->hwnd || !s->lit) return;
  s->lit = false;
  InvalidateRect(s->hwnd, nullptr, FALSE);
}

void MenuWindow::ShowVideoFrame(int spot) {
  // Raised as well as shown: where two spots share a video box, the clip just started is the one seen,
  // not whichever frame was created first and still holds an earlier clip's last picture.
  if (Spot* s = SpotAt(spot); s && s->frame)
    SetWindowPos(s->frame, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void MenuWindow::PaintBackground(HDC dc, int x, int y, const RECT& area) const {
  const Picture* shown = background_ ? &background_->shown : nullptr;
  // An opaque picture over the whole area needs no fill beneath: at 200 % that is 33 MB not written twice.
  if (!shown || shown->HasAlpha() || -x > area.left || -y > area.top || shown->Width() - x < area.right ||
      shown->Height() - y < area.bottom)
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  if (shown) shown->Draw(dc, -x, -y);
}

LRESULT MenuWindow::OnMenuMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) hwnd_ = hwnd;
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(hwnd_, &client);
      PaintBackground(reinterpret_cast<HDC>(wp), 0, 0, client);
      return 1;
    }
    case WM_MOUSEMOVE: {
      if (!RealPointerMove()) return 0;
      int before = keys_.Focused();
      controller_.PointerOverBackground();
      FocusMoved(before, keys_.CuesShown(), false);
      return 0;
    }
    case WM_KEYDOWN:
      return OnKey(wp, lp) ? 0 : DefWindowProcW(hwnd_, msg, wp, lp);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      // As on buttons, the mark shows only while the menu has the focus.
      if (Spot* s = SpotAt(keys_.Focused()); s && keys_.CuesShown()) InvalidateRect(s->hwnd, nullptr, FALSE);
      return DefWindowProcW(hwnd_, msg, wp, lp);
    case WM_DPICHANGED:
      ChangeDpi(LOWORD(wp), *reinterpret_cast<const RECT*>(lp));
      return 0;
    case kPressSpot:
      controller_.img_Click(static_cast<int>(wp));
      return 0;
    case kReapSpots:
      DestroySpots(retired_);
      return 0;
    case WM_TIMER:
      if (wp == kPreloadTimer) {
        KillTimer(hwnd_, kPreloadTimer);
        PreloadNextPage();
      }
      return 0;
    case WM_SYSKEYDOWN:
      // Alt+Left goes back, as in a browser. The system still sees the key: otherwise it takes the Alt
      // released afterwards for a lone Alt and opens the window menu, which would swallow the next keys.
      if (wp == VK_LEFT) OnKey(wp, lp | (1u << 29));
      return hwnd_ ? DefWindowProcW(hwnd_, msg, wp, lp) : 0;
    case WM_GETOBJECT:
      if (static_cast<LONG>(static_cast<DWORD>(lp)) == OBJID_CLIENT) {
        if (!accessible_) accessible_ = new (std::nothrow) MenuAccessible(hwnd_, *this);
        if (LRESULT answer = accessible_ ? accessible_->Answer(wp) : 0) return answer;
      }
      return DefWindowProcW(hwnd_, msg, wp, lp);
    case WM_CLOSE:
      DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY: {
      HWND hwnd = hwnd_;
      if (accessible_) {
        accessible_->Disconnect();
        accessible_->Release();
        accessible_ = nullptr;
      }
      ReleaseFormPicture(hwnd);
      if (loaded_) {
        loaded_ = false;
        controller_.Form_Unload();
        EndWithoutStuckMedia();
        hwnd_ = nullptr;
        host_.MenuClosed();
      }
      win::Detach(hwnd);
      hwnd_ = nullptr;
      return 0;
    }
    default:
      return DefWindowProcW(hwnd_, msg, wp, lp);
  }
}

LRESULT MenuWindow::OnSpotMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  int spot = GetDlgCtrlID(hwnd);
  Spot* s = SpotAt(spot);
  // A spot of a page left has the number of one shown now.
  if (!s || s->hwnd != hwnd) return DefWindowProcW(hwnd, msg, wp, lp);
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(s->hwnd, &ps);
      RECT client;
      GetClientRect(s->hwnd, &client);
      // Opaque rollovers cover the spot; otherwise the background shows through.
      const bool drawn = s->lit && !s->rollover.Empty();
      if (!drawn || s->rollover.HasAlpha()) {
        POINT origin = {0, 0};
        MapWindowPoints(s->hwnd, hwnd_, &origin, 1);
        PaintBackground(dc, origin.x, origin.y, client);
      }
      if (drawn) s->rollover.Draw(dc, 0, 0);
      if (keys_.CuesShown() && keys_.Focused() == spot && GetFocus() == hwnd_) DrawFocusMark(dc, client);
      EndPaint(s->hwnd, &ps);
      return 0;
    }
    case WM_SETCURSOR:
      SetCursor(s->cursor ? s->cursor : hand_);
      return TRUE;
    case WM_MOUSEMOVE: {
      if (!RealPointerMove()) return 0;
      int before = keys_.Focused();
      controller_.PointerOverSpot(spot);
      FocusMoved(before, keys_.CuesShown(), false);
      return 0;
    }
    case WM_LBUTTONDOWN:
      s->pressed = true;
      SetCapture(s->hwnd);
      return 0;
    case WM_LBUTTONUP: {
      if (!s->pressed) return 0;
      s->pressed = false;
      ReleaseCapture();
      POINT p = {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
      RECT client;
      GetClientRect(s->hwnd, &client);
      if (PtInRect(&client, p)) controller_.img_Click(spot);
      return 0;
    }
    case WM_CAPTURECHANGED:
      s->pressed = false;
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

bool MenuWindow::RealPointerMove() {
  DWORD pos = GetMessagePos();
  return keys_.PointerMoved(static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos)));
}

bool MenuWindow::OnKey(WPARAM vk, LPARAM lp) {
  static constexpr struct {
    WPARAM vk;
    MenuKey key;
  } kKeys[] = {{VK_TAB, MenuKey::Tab},   {VK_LEFT, MenuKey::Left},    {VK_RIGHT, MenuKey::Right},
               {VK_UP, MenuKey::Up},     {VK_DOWN, MenuKey::Down},    {VK_HOME, MenuKey::Home},
               {VK_END, MenuKey::End},   {VK_RETURN, MenuKey::Enter}, {VK_SPACE, MenuKey::Space},
               {VK_ESCAPE, MenuKey::Escape}, {VK_BACK, MenuKey::Back}};
  const auto* found = std::find_if(std::begin(kKeys), std::end(kKeys), [vk](const auto& k) { return k.vk == vk; });
  if (found == std::end(kKeys)) return false;
  MenuKey key = found->key;
  if (key == MenuKey::Tab && GetKeyState(VK_SHIFT) < 0) key = MenuKey::ShiftTab;
  if (key == MenuKey::Left && (lp & (1 << 29))) key = MenuKey::Back;  // with Alt
  // A held key must not start the program over and over.
  if ((key == MenuKey::Enter || key == MenuKey::Space) && (lp & (1 << 30))) return true;
  int before = keys_.Focused();
  bool cues_before = keys_.CuesShown();
  int changes = page_changes_;
  keys_.KeyDown(key);
  // A page change has shown its page and told the readers already.
  if (hwnd_ && changes == page_changes_) FocusMoved(before, cues_before, true);
  return true;
}

void MenuWindow::FocusMoved(int before, bool cues_before, bool announce) {
  int now = keys_.Focused();
  if (keys_.CuesShown() && (now != before || !cues_before)) {
    for (int spot : {before, now}) {
      if (Spot* s = SpotAt(spot)) InvalidateRect(s->hwnd, nullptr, FALSE);
    }
  }
  if (announce && now != 0 && now != before) NotifyWinEvent(EVENT_OBJECT_FOCUS, hwnd_, OBJID_CLIENT, now);
}

std::string MenuWindow::SpotName(int spot) {
  return spot >= 1 && spot <= static_cast<int>(spot_names_.size()) ? spot_names_[spot - 1] : std::string();
}

RECT MenuWindow::SpotScreenRect(int spot) {
  RECT r = {};
  if (Spot* s = SpotAt(spot)) GetWindowRect(s->hwnd, &r);
  return r;
}

int MenuWindow::FocusedSpot() { return GetFocus() == hwnd_ ? keys_.Focused() : 0; }

int MenuWindow::SpotAtPoint(POINT screen) {
  ScreenToClient(hwnd_, &screen);
  HWND child = ChildWindowFromPointEx(hwnd_, screen, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
  for (size_t i = 0; i < spots_.size(); ++i) {
    if (spots_[i]->hwnd == child) return static_cast<int>(i + 1);
  }
  return 0;
}

void MenuWindow::PressSpot(int spot) { PostMessageW(hwnd_, kPressSpot, static_cast<WPARAM>(spot), 0); }

void MenuWindow::FocusSpot(int spot) {
  int before = keys_.Focused();
  bool cues_before = keys_.CuesShown();
  SetFocus(hwnd_);
  keys_.FocusSpot(spot);
  FocusMoved(before, cues_before, true);
}

}  // namespace orb
