// Finds captions that their controls cut: every static text, button, check box and group box below a
// window, measured with the control's own font and drawing flags against the room the control gives it.
// In-process only: a font handle means nothing in another process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace orb::test {

namespace caption_check {

inline int ScreenDpi() {
  HDC dc = GetDC(nullptr);
  int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  return dpi > 0 ? dpi : 96;
}

struct Room {
  bool measured = false;
  UINT flags = 0;  // DrawText flags the control draws its text with
  int width = 0, height = 0;
};

// Where and how a control draws its text; measured false for controls without a caption of their own.
inline Room RoomOf(HWND control, const char* cls, DWORD style, HDC dc) {
  Room room;
  RECT client;
  GetClientRect(control, &client);
  room.width = client.right;
  room.height = client.bottom;
  int dpi = ScreenDpi();
  if (lstrcmpiA(cls, "Static") == 0) {
    switch (style & SS_TYPEMASK) {
      case SS_LEFT:
      case SS_CENTER:
      case SS_RIGHT:
        room.flags = DT_WORDBREAK | DT_EXPANDTABS;
        break;
      case SS_SIMPLE:
        room.flags = DT_SINGLELINE;
        break;
      case SS_LEFTNOWORDWRAP:
        room.flags = DT_EXPANDTABS;
        break;
      default:
        return room;
    }
    if (style & SS_NOPREFIX) room.flags |= DT_NOPREFIX;
    if (style & (SS_CENTERIMAGE | SS_ENDELLIPSIS | SS_PATHELLIPSIS | SS_WORDELLIPSIS))
      room.flags = (room.flags & ~DT_WORDBREAK) | DT_SINGLELINE;
    room.measured = true;
    return room;
  }
  if (lstrcmpiA(cls, "Button") != 0 || (style & (BS_ICON | BS_BITMAP))) return room;
  room.flags = (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
  switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON: {
      // The raised edge and the focus rectangle inside it.
      int inset = MulDiv(3, dpi, 96);
      room.width -= 2 * inset;
      room.height -= 2 * inset;
      // A picture set beside the text takes its share of the width.
      if (auto icon = reinterpret_cast<HICON>(SendMessageA(control, BM_GETIMAGE, IMAGE_ICON, 0))) {
        ICONINFO info = {};
        if (GetIconInfo(icon, &info)) {
          BITMAP bm = {};
          GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
          room.width -= bm.bmWidth + MulDiv(2, dpi, 96);
          if (info.hbmColor) DeleteObject(info.hbmColor);
          if (info.hbmMask) DeleteObject(info.hbmMask);
        }
      }
      break;
    }
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_AUTORADIOBUTTON: {
      // The box, then half a digit's width of gap before the text.
      INT digit = 0;
      GetCharWidth32A(dc, '0', '0', &digit);
      room.width -= MulDiv(13, dpi, 96) + digit / 2 + 1;
      break;
    }
    case BS_GROUPBOX: {
      // The frame's corner before the text and after it.
      TEXTMETRICA tm = {};
      GetTextMetricsA(dc, &tm);
      room.width -= 2 * (tm.tmAveCharWidth + MulDiv(2, dpi, 96));
      room.height = tm.tmHeight;
      break;
    }
    default:
      return room;
  }
  room.measured = true;
  return room;
}

struct Walk {
  std::vector<std::string> cut;
};

inline BOOL CALLBACK Check(HWND control, LPARAM lp) {
  auto* walk = reinterpret_cast<Walk*>(lp);
  char cls[64] = {}, text[1024] = {};
  GetClassNameA(control, cls, sizeof cls);
  GetWindowTextA(control, text, sizeof text);
  if (!text[0]) return TRUE;
  DWORD style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE));
  HDC dc = GetDC(control);
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  HGDIOBJ old = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
  Room room = RoomOf(control, cls, style, dc);
  if (room.measured) {
    // DT_CALCRECT widens the rectangle for a word that cannot be broken and deepens it for every line.
    RECT need = {0, 0, room.width > 0 ? room.width : 1, 0};
    DrawTextA(dc, text, -1, &need, room.flags | DT_CALCRECT);
    if (need.right > room.width || need.bottom > room.height) {
      walk->cut.push_back(std::string(cls) + " \"" + text + "\": needs " + std::to_string(need.right) + "x" +
                          std::to_string(need.bottom) + " px, has " + std::to_string(room.width) + "x" +
                          std::to_string(room.height));
    }
  }
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return TRUE;
}

}  // namespace caption_check

// One line per cut caption below window (its class, text, and the pixels it needs and has); empty when
// every caption shows whole.
inline std::vector<std::string> CutCaptions(HWND window) {
  caption_check::Walk walk;
  EnumChildWindows(window, caption_check::Check, reinterpret_cast<LPARAM>(&walk));
  return walk.cut;
}

}  // namespace orb::test
