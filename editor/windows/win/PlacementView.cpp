// The placement window's picture area; see PlacementView.h.
#include "editor/windows/win/PlacementView.h"

#include "common/win/WindowBase.h"

namespace orb {
namespace {

const wchar_t* const kViewClass = L"OrbLocateView";

}  // namespace

void PlacementView::Create(HWND parent, const frmlocate::Geometry& g, const Picture& background, int line,
                           std::function<void()> pointer_moved, std::function<void()> scrolled) {
  background_ = &background;
  line_ = line;
  pointer_moved_ = std::move(pointer_moved);
  scrolled_ = std::move(scrolled);
  win::RegisterWindowClass(
      {kViewClass, win::WindowProc<PlacementView, &PlacementView::Handle>, win::ArrowCursor()});
  DWORD style =
      WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | (g.scroll_x ? WS_HSCROLL : 0) | (g.scroll_y ? WS_VSCROLL : 0);
  // A control parent, so that dialog navigation reaches the video rectangle inside it.
  hwnd_ = CreateWindowExW(WS_EX_CONTROLPARENT, kViewClass, nullptr, style, g.view.left, g.view.top,
                          g.view.width, g.view.height, parent, nullptr, GetModuleHandleW(nullptr), this);
  SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
  if (g.scroll_x) {
    info.nMax = (background.Width() > g.view_width ? background.Width() : g.view_width) - 1;
    info.nPage = static_cast<UINT>(g.view_width);
    SetScrollInfo(hwnd_, SB_HORZ, &info, FALSE);
  }
  if (g.scroll_y) {
    info.nMax = (background.Height() > g.view_height ? background.Height() : g.view_height) - 1;
    info.nPage = static_cast<UINT>(g.view_height);
    SetScrollInfo(hwnd_, SB_VERT, &info, FALSE);
  }
}

void PlacementView::Scroll(int bar, int request) {
  SCROLLINFO info = {sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  if (!GetScrollInfo(hwnd_, bar, &info)) return;
  int pos = info.nPos;
  switch (request) {
    case SB_LINEUP:
      pos -= line_;
      break;
    case SB_LINEDOWN:
      pos += line_;
      break;
    case SB_PAGEUP:
      pos -= static_cast<int>(info.nPage);
      break;
    case SB_PAGEDOWN:
      pos += static_cast<int>(info.nPage);
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      pos = info.nTrackPos;
      break;
    case SB_TOP:
      pos = info.nMin;
      break;
    case SB_BOTTOM:
      pos = info.nMax;
      break;
    default:
      return;
  }
  info.fMask = SIF_POS;
  info.nPos = pos;
  SetScrollInfo(hwnd_, bar, &info, TRUE);
  GetScrollInfo(hwnd_, bar, &info);  // the system keeps it in range
  (bar == SB_HORZ ? scroll_x_ : scroll_y_) = info.nPos;
  if (scrolled_) scrolled_();
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void PlacementView::PaintBackground(HDC dc, int x, int y, const RECT& area) const {
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  if (background_ && !background_->Empty()) background_->Draw(dc, -(x + scroll_x_), -(y + scroll_y_));
  constexpr BYTE kFaint = 96;  // enough to line up with, clearly not the spot being placed
  for (const Ghost& ghost : ghosts_) ghost.picture->Draw(dc, ghost.x - (x + scroll_x_), ghost.y - (y + scroll_y_), kFaint);
}

LRESULT PlacementView::Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  // Messages of its creation come before Create has the handle: they take their defaults.
  return hwnd_ ? OnMessage(msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT PlacementView::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT rc;
      GetClientRect(hwnd_, &rc);
      PaintBackground(reinterpret_cast<HDC>(wp), 0, 0, rc);
      return 1;
    }
    case WM_HSCROLL:
      Scroll(SB_HORZ, LOWORD(wp));
      return 0;
    case WM_VSCROLL:
      Scroll(SB_VERT, LOWORD(wp));
      return 0;
    case WM_MOUSEWHEEL:
      Scroll(SB_VERT, static_cast<short>(HIWORD(wp)) > 0 ? SB_LINEUP : SB_LINEDOWN);
      return 0;
    case WM_MOUSEMOVE:
      if (pointer_moved_) pointer_moved_();
      return 0;
    case WM_DESTROY:
      hwnd_ = nullptr;
      return 0;
    default:
      return DefWindowProcW(hwnd_, msg, wp, lp);
  }
}

}  // namespace orb
