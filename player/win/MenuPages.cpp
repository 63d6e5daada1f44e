// The menu window's pages and their layout: leaving a page and showing the next, the kept backgrounds and
// their preloading, the shaped or framed window a page asks for, its size and place, and a new DPI.
#include "player/win/MenuWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

#include "common/DpiScale.h"
#include "common/MessagePath.h"
#include "common/win/ShapedWindow.h"
#include "common/win/WideText.h"
#include "common/win/WindowBase.h"
#include "player/win/ChangeFormBorder.h"
#include "player/win/DpiPicture.h"

namespace orb {

// Backgrounds kept for pages shown again; a page's picture is the largest thing the menu holds.
constexpr size_t kKeptBackgrounds = 4;

void MenuWindow::LeavePage() {
  had_focus_ = GetFocus() == hwnd_;
  // The next page is drawn once, when it is complete, not at each step of its building.
  SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
  for (auto& spot : spots_) {
    if (tooltip_) {
      TOOLINFOW tool = {};
      tool.cbSize = TTTOOLINFOW_V2_SIZE;
      tool.hwnd = hwnd_;
      tool.uId = reinterpret_cast<UINT_PTR>(spot->hwnd);
      SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    if (GetCapture() == spot->hwnd) ReleaseCapture();
    for (HWND w : {spot->hwnd, spot->frame}) {
      if (w) ShowWindow(w, SW_HIDE);
    }
    retired_.push_back(std::move(spot));
  }
  spots_.clear();
  PostMessageW(hwnd_, kReapSpots, 0, 0);
}

void MenuWindow::PageShown() {
  ++page_changes_;
  SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
  spot_names_.clear();
  const std::vector<PlayerSpot>& spots = controller_.Spots();
  for (size_t i = 0; i < spots.size(); ++i) {
    spot_names_.push_back(SpotAccessibleName(spots[i], static_cast<int>(i + 1), controller_.Folder()));
  }
  POINT pointer;
  int under = 0;
  if (GetCursorPos(&pointer)) {
    HWND at = WindowFromPoint(pointer);
    if (at == hwnd_ || GetParent(at) == hwnd_) under = SpotAtPoint(pointer);
  }
  // A shaped page hides the window while it cuts the outline: the keys must still come here afterwards.
  if (!shaped_) ShowWindow(hwnd_, SW_SHOW);  // a frame given back after a shaped page comes hidden
  if (had_focus_ && GetFocus() != hwnd_) SetFocus(hwnd_);
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  keys_.PageShown(SpotAreas(), under);
  SetTimer(hwnd_, kPreloadTimer, 50, nullptr);
  // Readers learn that the client's children changed, then where the keyboard focus now is.
  NotifyWinEvent(EVENT_OBJECT_REORDER, hwnd_, OBJID_CLIENT, CHILDID_SELF);
  if (keys_.CuesShown() && keys_.Focused() != 0 && GetFocus() == hwnd_) {
    NotifyWinEvent(EVENT_OBJECT_FOCUS, hwnd_, OBJID_CLIENT, keys_.Focused());
  }
}

const MenuWindow::Background* MenuWindow::BackgroundOf(const std::string& path, std::string& error, bool shown) {
  auto found =
      std::find_if(backgrounds_.begin(), backgrounds_.end(), [&](const auto& b) { return b.first == path; });
  if (found == backgrounds_.end()) {
    auto picture = std::make_unique<Background>();
    if (!LoadPicture(path, picture->base, error)) return nullptr;
    if (dpi_ == kBaseDpi) {
      picture->shown = static_cast<Picture&&>(picture->base);
    } else if (!PictureAtDpi(path, picture->base, dpi_, ScaleEdge(picture->base.Width(), dpi_),
                             ScaleEdge(picture->base.Height(), dpi_), picture->shown)) {
      // The file's own picture stays beside: a shaped window takes its outline.
      error = "cannot be scaled to the screen's DPI";
      return nullptr;
    }
    // The one shown (the first) is never the one let go.
    if (backgrounds_.size() >= kKeptBackgrounds) backgrounds_.pop_back();
    backgrounds_.emplace_back(path, std::move(picture));
    found = backgrounds_.end() - 1;
  }
  if (!shown) return found->second.get();
  std::rotate(backgrounds_.begin(), found, found + 1);
  return backgrounds_.front().second.get();
}

bool MenuWindow::SpotSize(const std::string& rollover, SIZE& size, std::string& error) {
  auto known = rollover_sizes_.find(rollover);
  if (known == rollover_sizes_.end()) {
    Picture probe;
    if (!LoadPicture(rollover, probe, error)) return false;
    known = rollover_sizes_.emplace(rollover, SIZE{probe.Width(), probe.Height()}).first;
  }
  size = known->second;
  return true;
}

void MenuWindow::PreloadNextPage() {
  // Only while there is room: a page of the road back must not make way for one that may never be shown.
  if (backgrounds_.size() >= kKeptBackgrounds) return;
  for (const PlayerSpot& spot : controller_.Spots()) {
    if (ActionOf(spot.Action) != ActionKind::GoToPage) continue;
    int page = controller_.FindPage(spot.Target);
    const std::string& path = controller_.PageBackground(page);
    if (page == 0 ||
        std::any_of(backgrounds_.begin(), backgrounds_.end(), [&](const auto& b) { return b.first == path; }))
      continue;
    std::string ignored;  // a picture that fails here fails again, with its message, when its page is shown
    BackgroundOf(path, ignored, false);
    SIZE size;
    for (const PlayerSpot& next : controller_.PageSpots(page)) SpotSize(next.RolloverImage, size, ignored);
    SetTimer(hwnd_, kPreloadTimer, 50, nullptr);
    return;
  }
}

bool MenuWindow::BuildShaped(const std::string& caption, const std::string& background, std::string& error) {
  const Background* picture = BackgroundOf(background, error, true);
  if (!picture) return false;
  background_ = picture;
  shaped_ = true;
  const Picture& shown = background_->shown;
  ChangeFormBorder(hwnd_, 0, FormBorderFlags{true, true, true, true, true, false});
  if (loaded_) {
    // A later page: it keeps the window's place and gives it its name.
    win::SetText(hwnd_, caption);
    PlaceKept(shown.Width(), shown.Height());
  } else {
    CenterOnScreen(shown.Width(), shown.Height());
  }
  long transparent = 0;
  const Picture* outline = background_->base.Empty() ? nullptr : &background_->base;
  if (!ShapeFormFromPicture(hwnd_, shown, transparent, outline, dpi_)) {
    // Too busy an outline for a window region: the menu is shown framed rather than not at all.
    shaped_ = false;
    ReleaseFormPicture(hwnd_);
    ChangeFormBorder(hwnd_, 2, FormBorderFlags{true, true, false, true, true, false});
    FitToBackground(loaded_);
    if (loaded_) ShowWindow(hwnd_, SW_SHOW);
  }
  return true;
}

bool MenuWindow::BuildFramed(const std::string& caption, const std::string& background, std::string& error) {
  win::SetText(hwnd_, caption);
  const Background* picture = BackgroundOf(background, error, true);
  if (!picture) return false;
  background_ = picture;
  if (shaped_) {
    // After a shaped page the window gets its frame back and loses the outline.
    shaped_ = false;
    SetWindowRgn(hwnd_, nullptr, FALSE);
    ReleaseFormPicture(hwnd_);
    ChangeFormBorder(hwnd_, 2, FormBorderFlags{true, true, false, true, true, false});
  }
  FitToBackground(loaded_);
  return true;
}

void MenuWindow::FitToBackground(bool keep_place) {
  const int width = background_->shown.Width(), height = background_->shown.Height();
  RECT outer = {0, 0, width, height};
  AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_EXSTYLE)));
  if (keep_place) {
    PlaceKept(outer.right - outer.left, outer.bottom - outer.top);
  } else {
    CenterOnScreen(outer.right - outer.left, outer.bottom - outer.top);
  }
  // Menus and very wide captions can wrap: make sure the client area really holds the picture.
  RECT client;
  GetClientRect(hwnd_, &client);
  int dw = width - client.right, dh = height - client.bottom;
  if (dw || dh) {
    RECT r;
    GetWindowRect(hwnd_, &r);
    SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left + dw, r.bottom - r.top + dh,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void MenuWindow::PlaceKept(int width, int height) {
  RECT r;
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  GetWindowRect(hwnd_, &r);
  LONG x = r.left, y = r.top;
  if (GetMonitorInfoA(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor)) {
    // Back inside the work area; a window larger than it keeps its top-left corner there, with the caption.
    const RECT& work = monitor.rcWork;
    x = std::max(work.left, std::min(x, work.right - width));
    y = std::max(work.top, std::min(y, work.bottom - height));
  }
  // One move: every size or place change of a large window costs a repaint under X.
  SetWindowPos(hwnd_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MenuWindow::SetTooltipFont() {
  // The system's metrics are at the system DPI; a monitor of another scale needs the font scaled to it.
  HDC screen = GetDC(nullptr);
  int system_dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kBaseDpi;
  if (screen) ReleaseDC(nullptr, screen);
  HFONT font = nullptr;
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof metrics;
  // Left alone at the system DPI, unless an earlier monitor gave it another font.
  if ((dpi_ != system_dpi || tooltip_font_) && system_dpi > 0 &&
      SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    metrics.lfStatusFont.lfHeight = MulDiv(metrics.lfStatusFont.lfHeight, dpi_, system_dpi);
    font = CreateFontIndirectW(&metrics.lfStatusFont);
  }
  if (!font) return;
  if (tooltip_) SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (tooltip_font_) DeleteObject(tooltip_font_);
  tooltip_font_ = font;
}

void MenuWindow::ChangeDpi(int dpi, const RECT& suggested) {
  const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (dpi > 0 && dpi != dpi_ && loaded_) {
    dpi_ = dpi;
    SetTooltipFont();
    // Every picture is made again at the new scale; the shaped form must not paint the one let go.
    ReleaseFormPicture(hwnd_);
    background_ = nullptr;
    backgrounds_.clear();
    const std::string& path = controller_.PageBackground(controller_.Page());
    std::string error;
    background_ = BackgroundOf(path, error, true);
    if (!background_) {
      host_.Fail(MessagePath(path) + ": the background picture " + error);
      return;
    }
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    for (auto& spot : spots_) {
      spot->lit = false;  // shown again, at the new scale, when the pointer next moves over it
      if (spot->cursor) {
        if (HCURSOR cursor = LoadCursorAtDpi(spot->layout.cursor, dpi_)) {
          // The pointer may be showing the old one: it must not be destroyed while in use.
          if (GetCursor() == spot->cursor) SetCursor(cursor);
          DestroyCursor(spot->cursor);
          spot->cursor = cursor;
        }
      }
      PlaceSpot(*spot);
    }
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    long transparent = 0;
    const Picture* outline = background_->base.Empty() ? nullptr : &background_->base;
    if (shaped_ && ShapeFormFromPicture(hwnd_, background_->shown, transparent, outline, dpi_)) {
      SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, 0, 0, flags | SWP_NOSIZE);
    } else {
      if (shaped_) {
        shaped_ = false;
        ReleaseFormPicture(hwnd_);
        ChangeFormBorder(hwnd_, 2, FormBorderFlags{true, true, false, true, true, false});
        ShowWindow(hwnd_, SW_SHOW);
      }
      SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, flags);
      FitToBackground(true);
    }
    keys_.SetAreas(SpotAreas());
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return;
  }
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, flags);
}

}  // namespace orb
