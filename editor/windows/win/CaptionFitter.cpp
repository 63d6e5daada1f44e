// Measuring and fitting captions; see CaptionFitter.h.
#include "editor/windows/win/CaptionFitter.h"

#include <string>

namespace orb {

namespace {

struct Caption {
  bool fitted = false;  // a control whose caption this fitter handles
  CaptionAlign align = CaptionAlign::Left;
  UINT flags = DT_SINGLELINE;
  int extra = 0;  // pixels beside the text: a check box's box
};

Caption CaptionOf(HWND control, HDC dc, int dpi) {
  Caption caption;
  wchar_t cls[32] = {};
  GetClassNameW(control, cls, 32);
  DWORD style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
  if (lstrcmpiW(cls, L"Static") == 0) {
    DWORD type = style & SS_TYPEMASK;
    if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP &&
        type != SS_SIMPLE)
      return caption;
    caption.fitted = true;
    caption.align = type == SS_RIGHT    ? CaptionAlign::Right
                    : type == SS_CENTER ? CaptionAlign::Centre
                                        : CaptionAlign::Left;
    if (style & SS_NOPREFIX) caption.flags |= DT_NOPREFIX;
    return caption;
  }
  DWORD type = style & BS_TYPEMASK;
  bool check = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE ||
               type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
  if (lstrcmpiW(cls, L"Button") != 0 || !check) return caption;
  caption.fitted = true;
  // The box and the gap before the text, a little more than either control library draws.
  INT digit = 0;
  GetCharWidth32W(dc, L'0', L'0', &digit);
  caption.extra = MulDiv(16, dpi, 96) + digit;
  return caption;
}

int PixelsToTwipsUp(int pixels, int dpi) { return (pixels * 1440 + dpi - 1) / dpi; }

}  // namespace

void PlaceAtTwips(HWND control, const TwipsRect& box, int dpi) {
  int x = MulDiv(box.left, dpi, 1440), y = MulDiv(box.top, dpi, 1440);
  int w = MulDiv(box.left + box.width, dpi, 1440) - x, h = MulDiv(box.top + box.height, dpi, 1440) - y;
  SetWindowPos(control, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CaptionFitter::Fit(HWND control, const TwipsRect& designed, CaptionSpan span, int dpi) {
  int length = control ? GetWindowTextLengthW(control) : 0;
  if (length <= 0) return;
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  length = GetWindowTextW(control, text.data(), length + 1);
  text.resize(static_cast<size_t>(length > 0 ? length : 0));
  HDC dc = GetDC(control);
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  HGDIOBJ old = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
  Caption caption = CaptionOf(control, dc, dpi);
  CaptionFit fit{designed, true, designed.width};
  // Each round that the row is too short shrinks the font by the shortfall, until the text fits.
  for (int round = 0; caption.fitted && round < 6; ++round) {
    RECT need = {0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), length, &need, caption.flags | DT_CALCRECT);
    // One pixel more: rounding twips back to pixels may lose one.
    fit = FitCaption(designed, PixelsToTwipsUp(need.right + caption.extra + 1, dpi),
                     PixelsToTwipsUp(need.bottom + 1, dpi), caption.align, span);
    if (fit.fits) break;
    LOGFONTW shape = {};
    GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof shape, &shape);
    int height = MulDiv(shape.lfHeight, fit.room, PixelsToTwipsUp(need.right + caption.extra + 1, dpi));
    shape.lfHeight = height == shape.lfHeight ? height + (height < 0 ? 1 : -1) : height;
    shape.lfWidth = 0;
    HFONT smaller = CreateFontIndirectW(&shape);
    if (!smaller) break;
    fonts_.push_back(smaller);
    SelectObject(dc, smaller);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(smaller), FALSE);
  }
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  if (caption.fitted) PlaceAtTwips(control, fit.box, dpi);
}

void CaptionFitter::FitAll(const std::vector<HWND>& controls, const std::vector<TwipsRect>& boxes,
                           int client_width, int dpi) {
  for (size_t i = 0; i < controls.size() && i < boxes.size(); ++i)
    Fit(controls[i], boxes[i], FreeSpan(boxes[i], boxes, client_width), dpi);
}

void CaptionFitter::Reset() {
  for (HFONT font : fonts_) DeleteObject(font);
  fonts_.clear();
}

}  // namespace orb
