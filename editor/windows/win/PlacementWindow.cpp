// The placement window's controls and messages; the rules live in PlacementController. Coordinates are
// twips of the background picture at 15 twips per picture pixel, whatever the display's DPI, so that the
// player puts a spot on the same picture pixels; the picture lies in a scrolling area of its own and the
// other controls, scaled with the DPI, in a panel below it.
#include "editor/windows/win/PlacementWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>
#include <vector>

#include "common/win/PictureLoader.h"
#include "common/win/WideText.h"
#include "common/win/WindowBase.h"
#include "editor/windows/PlacementLayout.h"
#include "editor/windows/win/DialogTooltips.h"
#include "editor/windows/win/PlacementView.h"

namespace orb {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kIdBase = 1000;
const char* const kPictureClass = "OrbLocatePicture";
const char* const kFrameClass = "OrbLocateVideoFrame";
const char* const kArrowIcons[] = {"ARROW_UP", "ARROW_RIGHT", "ARROW_DOWN", "ARROW_LEFT"};  // by Role

int Px(float twips) { return static_cast<int>(twips / kTwipsPerPixel + (twips >= 0 ? 0.5f : -0.5f)); }
float Tw(int pixels) { return static_cast<float>(pixels * kTwipsPerPixel); }

int ButtonsOf(WPARAM wp) {
  int b = 0;
  if (wp & MK_LBUTTON) b |= kLeftButton;
  if (wp & MK_RBUTTON) b |= kRightButton;
  if (wp & MK_MBUTTON) b |= kMiddleButton;
  return b;
}

class PlacementWindow;

// The media layer with fraVid as the parent of the video.
class FrameMedia : public PreviewMedia {
 public:
  FrameMedia(MediaTransport& transport, PlacementWindow& window) : transport_(transport), window_(window) {}
  std::string OpenMultimedia(const std::string& alias, const std::string& file, const std::string& device) override;
  std::string PutMultimediaWindow(const std::string& alias) override;
  std::string PlayMultimedia(const std::string& alias) override {
    std::string from, to;
    return orb::PlayMultimedia(transport_, alias, from, to);
  }
  std::string CloseMultimedia(const std::string& alias) override { return orb::CloseMultimedia(transport_, alias); }

 private:
  MediaTransport& transport_;
  PlacementWindow& window_;
};

using frmlocate::Role;

class PlacementWindow {
 public:
  PlacementWindow(const PlacementInputs& inputs, MediaTransport& transport, HICON icon, int dpi)
      : media_(transport, *this), controller_(inputs, media_), icon_(icon), dpi_(dpi) {}
  ~PlacementWindow() {
    if (font_) DeleteObject(font_);
    for (HICON arrow : arrows_) {
      if (arrow) DestroyIcon(arrow);
    }
  }

  INT_PTR Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  PlacementController& Controller() { return controller_; }
  // Moves, shows and fills every control as the controller holds it.
  void Sync();
  HWND Frame() const { return Item(Role::fraVid); }

 private:
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  void CreateView(const frmlocate::Geometry& g);
  LRESULT OnChild(HWND child, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id);  // id: the child's Role
  void OnInit();
  void Close(INT_PTR result);
  HWND Item(Role role) const {
    return GetDlgItem(frmlocate::InPictureArea(role) ? view_.Handle() : hwnd_, kIdBase + static_cast<int>(role));
  }
  void SetText(Role role, const std::string& text);
  void Place(Role role, const PlacementRect& r, bool visible);
  void ListSized();
  // A mouse position of a child in twips from its outer top-left corner.
  void PointerTwips(HWND child, LPARAM lp, float& x, float& y);
  // Moves what is being placed for an arrow key; false for any other key.
  bool ArrowKey(WPARAM key);

  FrameMedia media_;
  PlacementController controller_;
  HICON icon_;
  int dpi_;  // 0: the display's
  HWND hwnd_ = nullptr;
  PlacementView view_;  // lstvideo, img and fraVid are its children
  HFONT font_ = nullptr;
  HICON arrows_[4] = {};
  Picture background_, rollover_;
  std::vector<Picture> ghosts_;  // the other spots' pictures; reserved once, so view_ may point into it
  HCURSOR hand_ = nullptr;
  bool closed_ = false;
  bool placing_ = false;  // our own moves of lstvideo are no sizing by the user
};

std::string FrameMedia::OpenMultimedia(const std::string& alias, const std::string& file,
                                       const std::string& device) {
  window_.Sync();  // the frame must already lie on the rectangle: the video takes its size
  return orb::OpenMultimedia(transport_, reinterpret_cast<MediaWindow>(window_.Frame()), alias, file, device);
}

std::string FrameMedia::PutMultimediaWindow(const std::string& alias) {
  int w = 0, h = 0;
  return orb::PutMultimediaWindow(transport_, reinterpret_cast<MediaWindow>(window_.Frame()), alias, 0, 0, w, h);
}

void RegisterClasses() {
  std::wstring picture = win::Widen(kPictureClass), frame = win::Widen(kFrameClass);
  win::RegisterWindowClass({picture.c_str(), DefWindowProcW, win::ArrowCursor()});
  win::RegisterWindowClass(
      {frame.c_str(), DefWindowProcW, win::ArrowCursor(), static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))});
}

INT_PTR PlacementWindow::Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) hwnd_ = hwnd;
  return OnMessage(msg, wp, lp);
}

void PlacementWindow::OnInit() {
  RegisterClasses();
  if (icon_) SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  win::SetText(hwnd_, frmlocate::kCaption);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  hand_ = LoadCursorW(instance, L"H_POINT");
  if (!hand_) hand_ = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND));

  // A picture that cannot be loaded stays empty; the window works on without it.
  std::string error;
  // The model's paths are UTF-8, as the loader takes them.
  const PlacementInputs& inputs = controller_.Inputs();
  if (!inputs.background_image.empty()) LoadPicture(inputs.background_image, background_, error);
  std::optional<PlacementRect> size;
  if (!controller_.VideoMode() && !inputs.rollover_image.empty() &&
      LoadPicture(inputs.rollover_image, rollover_, error)) {
    size = PlacementRect{0, 0, Tw(rollover_.Width()), Tw(rollover_.Height())};
  }

  if (dpi_ <= 0) dpi_ = win::WindowDpi(GetWindow(hwnd_, GW_OWNER) ? GetWindow(hwnd_, GW_OWNER) : hwnd_);
  // The client area may take what the work area leaves beside the window's frame.
  RECT work, frame = {0, 0, 0, 0};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
  frmlocate::Geometry g = frmlocate::LayOut(
      background_.Width(), background_.Height(), dpi_, (work.right - work.left) - (frame.right - frame.left),
      (work.bottom - work.top) - (frame.bottom - frame.top), GetSystemMetrics(SM_CXVSCROLL));
  win::SizeClientAndCentre(hwnd_, GetWindow(hwnd_, GW_OWNER), g.client_width, g.client_height, true);

  font_ = CreateFontA(-MulDiv(8, dpi_, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
  HWND tips = CreateTooltips(hwnd_);
  int arrow_size = MulDiv(16, dpi_, 96);

  for (int i = 0; i < frmlocate::kControlCount; ++i) {
    const frmlocate::Control& c = frmlocate::kControls[i];
    const char* cls = "BUTTON";
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    DWORD ex = 0;
    HWND parent = hwnd_;
    frmlocate::PixelRect at = g.controls[i];
    if (frmlocate::InPictureArea(c.role)) {
      if (!view_.Handle()) CreateView(g);  // here, so that lstvideo keeps its place in the tab order
      parent = view_.Handle();
      at = {Px(c.left), Px(c.top), Px(c.width), Px(c.height)};
    }
    int arrow = -1;
    switch (c.role) {
      case Role::cmdup:
      case Role::cmdright:
      case Role::cmddown:
      case Role::cmdleft:
        arrow = static_cast<int>(c.role);
        style |= BS_PUSHBUTTON | BS_ICON;
        break;
      case Role::txtx:
      case Role::txty:
      case Role::txtvidheight:
      case Role::txtvidwidth:
        cls = "EDIT";
        style |= ES_AUTOHSCROLL;
        ex = WS_EX_CLIENTEDGE;
        break;
      case Role::lstvideo:
        cls = "LISTBOX";
        // The sizing border lets the system size the rectangle when an edge is grabbed.
        style |= WS_BORDER | WS_THICKFRAME | LBS_NOINTEGRALHEIGHT | LBS_NOSEL;
        break;
      case Role::img: cls = kPictureClass; style = WS_CHILD | WS_VISIBLE | WS_TABSTOP; break;  // arrow keys
      case Role::fraVid: cls = kFrameClass; style = WS_CHILD | WS_CLIPCHILDREN; break;
      case Role::lblx:
      case Role::lbly:
      case Role::lblvidheight:
      case Role::lblvidwidth: cls = "STATIC"; style = WS_CHILD | WS_VISIBLE; break;
      default: style |= BS_PUSHBUTTON; break;
    }
    HWND child = CreateWindowExW(
        ex, win::Widen(cls).c_str(), win::Widen(c.text ? c.text : "").c_str(), style, at.left, at.top,
        at.width, at.height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdBase + static_cast<int>(c.role))), instance, nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    if (arrow >= 0) {
      arrows_[arrow] = static_cast<HICON>(LoadImageW(instance, win::Widen(kArrowIcons[arrow]).c_str(),
                                                     IMAGE_ICON, arrow_size, arrow_size, 0));
      SendMessageW(child, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(arrows_[arrow]));
    }
    std::string tip = c.tooltip ? c.tooltip : "";
    if (c.role == Role::txtx || c.role == Role::txty || c.role == Role::txtvidwidth || c.role == Role::txtvidheight)
      tip += (tip.empty() ? "" : " ") + std::string(kCoordinateTip);
    AddTooltip(tips, hwnd_, child, tip.empty() ? nullptr : tip.c_str());
    switch (c.role) {
      case Role::txtx:
      case Role::txty:
      case Role::txtvidheight:
      case Role::txtvidwidth:
      case Role::lstvideo:
      case Role::img:
      case Role::cmdprev:
      case Role::cmdend:
      case Role::cmdcancel:
        SetWindowSubclass(child, win::SubclassProc<PlacementWindow, &PlacementWindow::OnChild>,
                          static_cast<UINT_PTR>(c.role), reinterpret_cast<DWORD_PTR>(this));
        break;
      default: break;
    }
  }
  // The menu's other spots, faintly beneath, to line this one up with.
  ghosts_.reserve(controller_.Inputs().other_spots.size());
  std::vector<PlacementView::Ghost> ghosts;
  for (const PlacementGhost& other : controller_.Inputs().other_spots) {
    Picture picture;
    if (!LoadPicture(other.image, picture, error)) continue;
    ghosts_.push_back(std::move(picture));
    ghosts.push_back({&ghosts_.back(), Px(other.x), Px(other.y)});
  }
  view_.SetGhosts(std::move(ghosts));
  controller_.Form_Load(size);
  Sync();
  SetFocus(Item(Role::cmdup));
}

void PlacementWindow::CreateView(const frmlocate::Geometry& g) {
  view_.Create(hwnd_, g, background_, MulDiv(16, dpi_, 96),
               [this] {
                 bool was_shown = controller_.PictureShown();
                 controller_.Form_MouseMove();
                 if (was_shown != controller_.PictureShown()) InvalidateRect(Item(Role::img), nullptr, TRUE);
               },
               [this] { Sync(); });
}

void PlacementWindow::SetText(Role role, const std::string& text) {
  HWND item = Item(role);
  if (text != win::Text(item)) win::SetText(item, text);
}

void PlacementWindow::Place(Role role, const PlacementRect& r, bool visible) {
  HWND item = Item(role);
  RECT now;
  GetWindowRect(item, &now);
  MapWindowPoints(nullptr, view_.Handle(), reinterpret_cast<POINT*>(&now), 2);
  int l = Px(r.left) - view_.ScrollX(), t = Px(r.top) - view_.ScrollY(), w = Px(r.width), h = Px(r.height);
  if (now.left != l || now.top != t || now.right - now.left != w || now.bottom - now.top != h) {
    placing_ = true;
    SetWindowPos(item, nullptr, l, t, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    placing_ = false;
    InvalidateRect(view_.Handle(), nullptr, TRUE);
  }
  // The style bit, not IsWindowVisible: the dialog itself is still hidden while it loads.
  bool shown = (GetWindowLongPtrW(item, GWL_STYLE) & WS_VISIBLE) != 0;
  if (shown != visible) {
    placing_ = true;
    ShowWindow(item, visible ? SW_SHOWNA : SW_HIDE);
    placing_ = false;
  }
}

void PlacementWindow::Sync() {
  const PlacementController& c = controller_;
  Place(Role::img, c.Img(), c.ImgVisible());
  Place(Role::lstvideo, c.List(), c.ListVisible());
  Place(Role::fraVid, c.Frame(), c.FrameVisible());
  InvalidateRect(Item(Role::img), nullptr, TRUE);
  for (Role r : {Role::txtvidheight, Role::txtvidwidth, Role::lblvidheight, Role::lblvidwidth}) {
    ShowWindow(Item(r), c.VideoMode() ? SW_SHOWNA : SW_HIDE);
  }
  SetText(Role::txtx, c.Text(PlacementBox::X));
  SetText(Role::txty, c.Text(PlacementBox::Y));
  SetText(Role::txtvidwidth, c.Text(PlacementBox::VidWidth));
  SetText(Role::txtvidheight, c.Text(PlacementBox::VidHeight));
  SetText(Role::cmdprev, c.PreviewCaption());
}

void PlacementWindow::Close(INT_PTR result) {
  if (closed_) return;
  closed_ = true;
  controller_.Form_Unload();  // closes a running video while its frame still exists
  EndDialog(hwnd_, result);
}

void PlacementWindow::PointerTwips(HWND child, LPARAM lp, float& x, float& y) {
  // Client position plus the border, so that the edge zones count from the outer edge.
  POINT origin = {0, 0};
  ClientToScreen(child, &origin);
  RECT outer;
  GetWindowRect(child, &outer);
  x = Tw(GET_X_LPARAM(lp) + origin.x - outer.left);
  y = Tw(GET_Y_LPARAM(lp) + origin.y - outer.top);
}

void PlacementWindow::ListSized() {
  RECT r;
  GetWindowRect(Item(Role::lstvideo), &r);
  MapWindowPoints(nullptr, view_.Handle(), reinterpret_cast<POINT*>(&r), 2);
  OffsetRect(&r, view_.ScrollX(), view_.ScrollY());
  // Edges the user did not move keep their twips, so that a 1-twip nudge survives sizing another edge.
  PlacementRect was = controller_.List();
  PlacementRect now = {Px(was.left) == r.left ? was.left : Tw(r.left), Px(was.top) == r.top ? was.top : Tw(r.top),
                       Px(was.width) == r.right - r.left ? was.width : Tw(r.right - r.left),
                       Px(was.height) == r.bottom - r.top ? was.height : Tw(r.bottom - r.top)};
  controller_.lstvideo_Sized(now);
  Sync();
}

bool PlacementWindow::ArrowKey(WPARAM key) {
  int dx = key == VK_LEFT ? -1 : key == VK_RIGHT ? 1 : 0, dy = key == VK_UP ? -1 : key == VK_DOWN ? 1 : 0;
  if (dx == 0 && dy == 0) return false;
  controller_.view_ArrowKey(dx, dy, GetKeyState(VK_SHIFT) < 0);
  Sync();
  return true;
}

LRESULT PlacementWindow::OnChild(HWND child, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id) {
  Role role = static_cast<Role>(id);
  float x = 0, y = 0;
  // The picture and the rectangle take the arrow keys: they move what is being placed.
  if (role == Role::img || role == Role::lstvideo) {
    if (msg == WM_GETDLGCODE) return DLGC_WANTARROWS;
    if (msg == WM_KEYDOWN && ArrowKey(wp)) return 0;
    if (msg == WM_SETFOCUS || msg == WM_KILLFOCUS) InvalidateRect(child, nullptr, TRUE);
    if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN) SetFocus(child);
  }
  switch (role) {
    case Role::txtx:
    case Role::txty:
    case Role::txtvidwidth:
    case Role::txtvidheight: {
      PlacementBox box = role == Role::txtx ? PlacementBox::X
                         : role == Role::txty ? PlacementBox::Y
                         : role == Role::txtvidwidth ? PlacementBox::VidWidth
                                                    : PlacementBox::VidHeight;
      if (msg == WM_GETDLGCODE && wp == VK_RETURN) return DLGC_WANTALLKEYS;  // Enter belongs to the box
      if (msg == WM_CHAR && wp == VK_RETURN) {
        controller_.SetText(box, win::Text(child));
        controller_.txt_KeyPress(box, 13);
        Sync();
        return 0;
      }
      break;
    }
    case Role::img:
      switch (msg) {
        case WM_PAINT: {
          PAINTSTRUCT ps;
          HDC dc = BeginPaint(child, &ps);
          bool shown = controller_.PictureShown() && !rollover_.Empty();
          // An emptied picture shows the background beneath it, as on the CD, and so do a translucent
          // picture's clear and half-clear pixels.
          if (!shown || rollover_.HasAlpha()) {
            POINT at = {0, 0};
            MapWindowPoints(child, view_.Handle(), &at, 1);
            RECT rc;
            GetClientRect(child, &rc);
            view_.PaintBackground(dc, at.x, at.y, rc);
          }
          if (shown) rollover_.Draw(dc, 0, 0);
          if (GetFocus() == child) {
            RECT rc;
            GetClientRect(child, &rc);
            DrawFocusRect(dc, &rc);
          }
          EndPaint(child, &ps);
          return 0;
        }
        case WM_ERASEBKGND: return 1;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
          SetCapture(child);
          PointerTwips(child, lp, x, y);
          controller_.img_MouseDown(ButtonsOf(wp), x, y);
          return 0;
        case WM_MOUSEMOVE: {
          PointerTwips(child, lp, x, y);
          bool was_shown = controller_.PictureShown();
          controller_.img_MouseMove(ButtonsOf(wp), x, y);
          if (was_shown != controller_.PictureShown()) InvalidateRect(child, nullptr, TRUE);
          Sync();
          UpdateWindow(hwnd_);
          return 0;
        }
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
          if (!(wp & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) ReleaseCapture();
          controller_.img_MouseUp();
          return 0;
        default: break;
      }
      break;
    case Role::lstvideo:
      switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
          PointerTwips(child, lp, x, y);
          int hit = controller_.lstvideo_MouseDown(ButtonsOf(wp), x, y);
          if (hit != kHitNone) {
            // The system runs its own sizing of that edge until the button is released.
            ReleaseCapture();
            POINT p = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            ClientToScreen(child, &p);
            SendMessageW(child, WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), MAKELPARAM(p.x, p.y));
            ListSized();
          } else {
            SetCapture(child);
          }
          return 0;
        }
        case WM_MOUSEMOVE:
          PointerTwips(child, lp, x, y);
          controller_.lstvideo_MouseMove(ButtonsOf(wp), x, y);
          Sync();
          UpdateWindow(hwnd_);
          return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
          if (!(wp & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) ReleaseCapture();
          controller_.lstvideo_MouseUp();
          return 0;
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
          return 0;
        case WM_SETCURSOR:
          if (LOWORD(lp) == HTCLIENT) {
            int shape = controller_.ListPointer();
            LPSTR cursor = shape == kPointerSizeWE   ? IDC_SIZEWE
                           : shape == kPointerSizeNS ? IDC_SIZENS
                                                     : IDC_ARROW;
            SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(cursor)));
            return TRUE;
          }
          break;
        case WM_WINDOWPOSCHANGED: {
          // Whoever sized it (our edge zones, its own thick frame, the system's loop), the boxes follow.
          LRESULT r = DefSubclassProc(child, msg, wp, lp);
          auto* pos = reinterpret_cast<const WINDOWPOS*>(lp);
          if (!placing_ && (pos->flags & (SWP_NOSIZE | SWP_NOMOVE)) != (SWP_NOSIZE | SWP_NOMOVE)) ListSized();
          return r;
        }
        default: break;
      }
      break;
    case Role::cmdprev:
    case Role::cmdend:
    case Role::cmdcancel:
      if (msg == WM_SETCURSOR && hand_) {
        SetCursor(hand_);
        return TRUE;
      }
      break;
    default: break;
  }
  return DefSubclassProc(child, msg, wp, lp);
}

INT_PTR PlacementWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      OnInit();
      return FALSE;  // focus was set on cmdup
    case WM_ERASEBKGND: {
      HDC dc = reinterpret_cast<HDC>(wp);
      RECT rc;
      GetClientRect(hwnd_, &rc);
      FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
      SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, 1);
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
      SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
      return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_MOUSEMOVE: {
      bool was_shown = controller_.PictureShown();
      controller_.Form_MouseMove();
      if (was_shown != controller_.PictureShown()) InvalidateRect(Item(Role::img), nullptr, TRUE);
      return TRUE;
    }
    case WM_COMMAND: {
      int id = LOWORD(wp) - kIdBase;
      int code = HIWORD(wp);
      if (LOWORD(wp) == IDCANCEL) {
        Close(0);
        return TRUE;
      }
      if (id < 0 || id > static_cast<int>(Role::lblvidwidth)) return FALSE;
      Role role = static_cast<Role>(id);
      if (code == EN_CHANGE) {
        std::string text = win::Text(reinterpret_cast<HWND>(lp));
        PlacementBox box = role == Role::txtx ? PlacementBox::X
                           : role == Role::txty ? PlacementBox::Y
                           : role == Role::txtvidwidth ? PlacementBox::VidWidth
                                                      : PlacementBox::VidHeight;
        controller_.SetText(box, text);
        return TRUE;
      }
      if (code != BN_CLICKED) return FALSE;
      switch (role) {
        case Role::cmdup: controller_.cmdup_Click(); break;
        case Role::cmddown: controller_.cmddown_Click(); break;
        case Role::cmdleft: controller_.cmdleft_Click(); break;
        case Role::cmdright: controller_.cmdright_Click(); break;
        case Role::cmdprev: {
          bool was_shown = controller_.PictureShown();
          controller_.cmdprev_Click();
          if (was_shown != controller_.PictureShown()) InvalidateRect(Item(Role::img), nullptr, TRUE);
          break;
        }
        case Role::cmdend:
          controller_.cmdend_Click();
          Close(1);
          return TRUE;
        case Role::cmdcancel: Close(0); return TRUE;
        default: return FALSE;
      }
      Sync();
      return TRUE;
    }
    case WM_CLOSE:
      Close(0);
      return TRUE;
    case WM_DESTROY:
      controller_.Form_Unload();
      return FALSE;
    default: return FALSE;
  }
}

}  // namespace

std::optional<PlacementOutputs> ShowPlacementWindow(HWND owner, const PlacementInputs& inputs, MediaTransport& media,
                                                    HICON icon, int dpi) {
  PlacementWindow window(inputs, media, icon, dpi);
  win::RunEmptyDialog(owner, win::DialogProc<PlacementWindow, &PlacementWindow::Handle>,
                      reinterpret_cast<LPARAM>(&window));
  return window.Controller().Result();
}

}  // namespace orb
