// The placement window's picture area; see PlacementView.h.
#include "editor/windows/win/PlacementView.h"

namespace orb {
namespace {

const char* const kViewClass = "OrbLocateView";

}  // namespace

void PlacementView::Create(HWND parent, const frmlocate::Geometry& g, const Picture& background, int line,
                           std::function<void()> pointer_moved, std::function<void()> scrolled) {
  background_ = &background;
  line_ = line;
  pointer_moved_ = std::move(pointer_moved);
  scrolled_ = std::move(scrolled);
  static bool registered = false;
  if (!registered) {
    registered = true;
    WNDCLASSA wc = {};
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpfnWndProc = Proc;
    wc.lpszClassName = kViewClass;
    RegisterClassA(&wc);
  }
  DWORD style =
      WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | (g.scroll_x ? WS_HSCROLL : 0) | (g.scroll_y ? WS_VSCROLL : 0);
  // A control parent, so that dialog navigation reaches the video rectangle inside it.
  hwnd_ = CreateWindowExA(WS_EX_CONTROLPARENT, kViewClass, nullptr, style, g.view.left, g.view.top,
                          g.view.width, g.view.height, parent, nullptr, GetModuleHandleA(nullptr), this);
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

LRESULT CALLBACK PlacementView::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams));
  }
  auto* self = reinterpret_cast<PlacementView*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self || !self->hwnd_) return DefWindowProcA(hwnd, msg, wp, lp);
  try {
    return self->OnMessage(msg, wp, lp);
  } catch (...) {
    return 0;  // nothing may unwind through the system's window code
  }
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
      return DefWindowProcA(hwnd_, msg, wp, lp);
  }
}

}  // namespace orb
