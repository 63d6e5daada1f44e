// frmabout: a band with the program's icon and name, the scrolling lblscroll, and two link labels.
#include "editor/windows/win/AboutWindow.h"

#include <string>

#include "common/win/WideText.h"
#include "common/win/WindowBase.h"
#include "editor/windows/AboutController.h"
#include "editor/windows/win/SmallWindow.h"

namespace orb {
namespace {

namespace sw = small_window;

constexpr const wchar_t* kAboutClass = L"OrbmenuFrmAbout";
constexpr int kIdScroll = 201, kIdWebsite = 202, kIdEmail = 203;
constexpr UINT_PTR kTmrscroll = 1;
constexpr int kClientWidth = 4500, kClientHeight = 3390;
constexpr int kBandHeight = 780;
constexpr int kScrollTop = 960, kScrollHeight = 285, kScrollStartLeft = 240;
constexpr COLORREF kBandColour = RGB(26, 61, 124);

struct AboutState {
  AboutController controller;
  HWND scroll = nullptr, website = nullptr, email = nullptr;
  HFONT title_font = nullptr, link_font = nullptr;
  LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

// The label's text width in twips, for the controller's "has it left the window" test.
int TextWidthTwips(HWND label, const std::string& text) {
  HDC dc = GetDC(label);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
  SIZE size = {};
  std::wstring wide = win::Widen(text);
  GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  return sw::Twips(size.cx + 4);
}

HFONT CreateFontLike(HWND hwnd, int height_px, int weight, bool underline) {
  (void)hwnd;
  return CreateFontA(-height_px, 0, 0, 0, weight, FALSE, underline, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Verdana");
}

void OnCreate(HWND hwnd, AboutState& s) {
  std::string scroll_text = AboutController::ScrollText();
  s.scroll = sw::AddChild(hwnd, "STATIC", scroll_text, SS_LEFT | SS_NOPREFIX, kScrollStartLeft, kScrollTop,
                          4000, kScrollHeight, kIdScroll);
  s.title_font = CreateFontLike(hwnd, sw::Px(330), FW_BOLD, false);
  s.link_font = CreateFontLike(hwnd, sw::Px(165), FW_NORMAL, true);
  int scroll_width = TextWidthTwips(s.scroll, scroll_text);
  SetWindowPos(s.scroll, nullptr, sw::Px(kScrollStartLeft), sw::Px(kScrollTop), sw::Px(scroll_width),
               sw::Px(kScrollHeight), SWP_NOZORDER | SWP_NOACTIVATE);
  s.controller.SetScrollLabel(kScrollStartLeft, scroll_width);

  sw::AddChild(hwnd, "STATIC", kAboutWebsiteLabel, SS_LEFT, 240, 1560, 900, 255, -1);
  s.website = sw::AddChild(hwnd, "STATIC", AboutController::WebsiteText(), SS_LEFT | SS_NOTIFY | SS_NOPREFIX,
                           1140, 1560, 3200, 255, kIdWebsite);
  sw::AddChild(hwnd, "STATIC", kAboutBugsLabel, SS_LEFT, 240, 2040, 4100, 255, -1);
  s.email = sw::AddChild(hwnd, "STATIC", AboutController::EmailText(), SS_LEFT | SS_NOTIFY | SS_NOPREFIX, 240,
                         2310, 4100, 255, kIdEmail);
  SendMessageW(s.website, WM_SETFONT, reinterpret_cast<WPARAM>(s.link_font), FALSE);
  SendMessageW(s.email, WM_SETFONT, reinterpret_cast<WPARAM>(s.link_font), FALSE);
  HWND ok = sw::AddChild(hwnd, "BUTTON", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 3360, 2880, 960, 345, IDOK);
  SetFocus(ok);
  SetTimer(hwnd, kTmrscroll, kScrollIntervalMs, nullptr);
}

void OnPaint(HWND hwnd, AboutState& s) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT band = {0, 0, sw::Px(kClientWidth), sw::Px(kBandHeight)};
  HBRUSH brush = CreateSolidBrush(kBandColour);
  FillRect(dc, &band, brush);
  DeleteObject(brush);
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), L"AA");
  if (!icon) icon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  DrawIconEx(dc, sw::Px(195), sw::Px(150), icon, 32, 32, 0, nullptr, DI_NORMAL);
  HGDIOBJ old = SelectObject(dc, s.title_font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  RECT text = {sw::Px(900), 0, band.right, band.bottom};
  DrawTextW(dc, L"Orbmenu", -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
  SelectObject(dc, old);
  EndPaint(hwnd, &ps);
}

LRESULT AboutState::Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  AboutState* s = this;
  switch (msg) {
    case WM_CREATE:
      OnCreate(hwnd, *s);
      return 0;
    case WM_PAINT:
      OnPaint(hwnd, *s);
      return 0;
    case WM_TIMER:
      if (wp == kTmrscroll) {
        s->controller.tmrscroll_Timer();
        SetWindowPos(s->scroll, nullptr, sw::Px(s->controller.scroll_left()), sw::Px(kScrollTop), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      return 0;
    case WM_SETCURSOR: {
      // The window under the pointer: one of the links, or the window's own background.
      HWND under = reinterpret_cast<HWND>(wp);
      bool changed = under == s->website ? s->controller.lblwebsite_MouseMove()
                     : under == s->email ? s->controller.lblemail_MouseMove()
                     : under == hwnd     ? s->controller.Form_MouseMove()
                                         : false;
      if (changed) {
        InvalidateRect(s->website, nullptr, TRUE);
        InvalidateRect(s->email, nullptr, TRUE);
      }
      if (under == s->website || under == s->email) {
        SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
        return TRUE;
      }
      break;
    }
    case WM_CTLCOLORSTATIC: {
      HWND label = reinterpret_cast<HWND>(lp);
      HDC dc = reinterpret_cast<HDC>(wp);
      if (label == s->website) SetTextColor(dc, s->controller.website_colour());
      if (label == s->email) SetTextColor(dc, s->controller.email_colour());
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_COMMAND:
      if (LOWORD(wp) == kIdWebsite && HIWORD(wp) == STN_CLICKED) s->controller.lblwebsite_Click();
      if (LOWORD(wp) == kIdEmail && HIWORD(wp) == STN_CLICKED) s->controller.lblemail_Click();
      if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) win::EndModal(hwnd);
      return 0;
    case WM_CLOSE:
      win::EndModal(hwnd);
      return 0;
    case WM_DESTROY:
      KillTimer(hwnd, kTmrscroll);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

void ShowAboutWindow(HWND owner, ShellSeam& shell) {
  if (!win::RegisterWindowClass(sw::ClassOf(kAboutClass, win::WindowProc<AboutState, &AboutState::Handle>)))
    return;
  AboutState state{AboutController(shell)};
  HWND window = sw::CreateTop(kAboutClass, kAboutCaption, WS_CAPTION | WS_SYSMENU | WS_POPUP, kClientWidth,
                              kClientHeight, owner, &state);
  win::RunModal(owner, window);
  if (state.title_font) DeleteObject(state.title_font);
  if (state.link_font) DeleteObject(state.link_font);
}

}  // namespace orb
