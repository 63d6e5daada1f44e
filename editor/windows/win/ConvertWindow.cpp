// frmconprj: a white band with the icon and heading, the file frame with its browse button, and the
// convert button (first in the tab order, pressed by Enter).
#include "editor/windows/win/ConvertWindow.h"

#include "common/win/WideText.h"
#include "common/win/WindowBase.h"
#include "editor/windows/ConvertController.h"
#include "editor/windows/HelpTopics.h"
#include "editor/windows/win/CaptionFitter.h"
#include "editor/windows/win/HelpViewer.h"
#include "editor/windows/win/SmallWindow.h"

namespace orb {
namespace {

namespace sw = small_window;
namespace layout = frmconprj;

constexpr const wchar_t* kConvertClass = L"OrbmenuFrmConprj";
constexpr int kIdTxtfname = 301, kIdCmdindex = 302, kIdLabel1 = 303;

struct ConvertState {
  explicit ConvertState(const ConvertController& c) : controller(c) {}
  ConvertController controller;
  HWND txtfname = nullptr;
  HFONT bold = nullptr;
  HBITMAP folder = nullptr;
  CaptionFitter fitter;
  LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

// The browse button's picture: a small yellow folder.
HBITMAP MakeFolderPicture(int size) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all = {0, 0, size, size};
  FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
  HBRUSH yellow = CreateSolidBrush(RGB(240, 200, 80));
  HPEN outline = CreatePen(PS_SOLID, 1, RGB(150, 110, 20));
  HGDIOBJ old_brush = SelectObject(dc, yellow);
  HGDIOBJ old_pen = SelectObject(dc, outline);
  int u = size / 8;
  Rectangle(dc, u, 2 * u, 4 * u, 3 * u + 1);             // tab
  Rectangle(dc, u, 3 * u, size - u, size - 2 * u + 1);   // body
  SelectObject(dc, old_pen);
  SelectObject(dc, old_brush);
  DeleteObject(outline);
  DeleteObject(yellow);
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

HWND Add(HWND parent, const char* cls, const char* text, DWORD style, const layout::Box& b, int id,
         const layout::Box* frame = nullptr) {
  int left = b.left + (frame ? frame->left : 0), top = b.top + (frame ? frame->top : 0);
  return sw::AddChild(parent, cls, text, style, left, top, b.width, b.height, id);
}

void OnCreate(HWND hwnd, ConvertState& s) {
  // Created first: first in the tab order.
  HWND convert = Add(hwnd, "BUTTON", layout::kCmdconvert, WS_TABSTOP | BS_DEFPUSHBUTTON, layout::kCmdconvertBox,
                     IDOK);
  HWND label = Add(hwnd, "STATIC", layout::kLabel1, SS_LEFT | SS_NOPREFIX, layout::kLabel1Box, kIdLabel1);
  s.bold = CreateFontA(-sw::Px(165), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(s.bold), FALSE);
  Add(hwnd, "BUTTON", layout::kFrafile, BS_GROUPBOX, layout::kFrafileBox, -1);
  s.txtfname = Add(hwnd, "EDIT", "", WS_BORDER | ES_AUTOHSCROLL | ES_READONLY | WS_TABSTOP, layout::kTxtfnameBox,
                   kIdTxtfname, &layout::kFrafileBox);
  HWND browse = Add(hwnd, "BUTTON", "", WS_TABSTOP | BS_BITMAP, layout::kCmdindexBox, kIdCmdindex,
                    &layout::kFrafileBox);
  s.folder = MakeFolderPicture(sw::Px(240));
  SendMessageW(browse, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(s.folder));
  auto inside = [](const layout::Box& b) {
    return TwipsRect{b.left + layout::kFrafileBox.left, b.top + layout::kFrafileBox.top, b.width, b.height};
  };
  auto box = [](const layout::Box& b) { return TwipsRect{b.left, b.top, b.width, b.height}; };
  // The painted icon is a neighbour of the heading too.
  s.fitter.FitAll({label},
                  {box(layout::kLabel1Box), box(layout::kCmdconvertBox), box(layout::kImage1),
                   box(layout::kFrafileBox), inside(layout::kTxtfnameBox), inside(layout::kCmdindexBox)},
                  layout::kClientWidth, win::WindowDpi(nullptr));
  SetFocus(convert);
}

void OnPaint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT band = {sw::Px(layout::kShape1.left), sw::Px(layout::kShape1.top),
               sw::Px(layout::kShape1.left + layout::kShape1.width), sw::Px(layout::kShape1.top + layout::kShape1.height)};
  FillRect(dc, &band, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  HICON icon = reinterpret_cast<HICON>(GetClassLongPtrW(hwnd, GCLP_HICON));
  if (icon)
    DrawIconEx(dc, sw::Px(layout::kImage1.left), sw::Px(layout::kImage1.top), icon, sw::Px(layout::kImage1.width),
               sw::Px(layout::kImage1.height), 0, nullptr, DI_NORMAL);
  EndPaint(hwnd, &ps);
}

LRESULT ConvertState::Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  ConvertState* s = this;
  switch (msg) {
    case WM_CREATE:
      OnCreate(hwnd, *s);
      return 0;
    case WM_PAINT:
      OnPaint(hwnd);
      return 0;
    case WM_CTLCOLORSTATIC:
      if (GetDlgCtrlID(reinterpret_cast<HWND>(lp)) == kIdLabel1) {
        SetBkColor(reinterpret_cast<HDC>(wp), RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
      }
      break;
    case WM_COMMAND:
      switch (LOWORD(wp)) {
        case kIdCmdindex:
          s->controller.cmdindex_Click();
          win::SetText(s->txtfname, s->controller.txtfname());
          return 0;
        case IDOK:
          if (s->controller.cmdconvert_Click()) win::EndModal(hwnd);
          return 0;
        case IDCANCEL:
          win::EndModal(hwnd);
          return 0;
      }
      break;
    case WM_CLOSE:
      win::EndModal(hwnd);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

void ShowConvertWindow(HWND owner, FileSystem& fs, FileDialogSeam& dialogs, MessageBoxSeam& messages,
                       const std::string& root_folder) {
  if (!win::RegisterWindowClass(
          sw::ClassOf(kConvertClass, win::WindowProc<ConvertState, &ConvertState::Handle>)))
    return;
  ConvertState state{ConvertController(fs, dialogs, messages, root_folder)};
  HWND window = sw::CreateTop(kConvertClass, layout::kCaption, WS_CAPTION | WS_SYSMENU | WS_POPUP,
                              layout::kClientWidth, layout::kClientHeight, owner, &state);
  if (window && owner) {
    // The main window's icon.
    if (auto icon = GetClassLongPtrW(owner, GCLP_HICON)) SendMessageW(window, WM_SETICON, ICON_BIG, icon);
  }
  win::RunModal(owner, window, [](HWND w) { ShowHelpTopic(w, kHelpConvert); });
  if (state.bold) DeleteObject(state.bold);
  if (state.folder) DeleteObject(state.folder);
}

}  // namespace orb
