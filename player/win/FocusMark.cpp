// The keyboard focus mark; see FocusMark.h.
#include "player/win/FocusMark.h"

namespace orb {

void DrawFocusMark(HDC dc, const RECT& area) {
  // A checkerboard: along every edge the dots alternate between the two colours.
  static const WORD kRows[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
  HBITMAP pattern = CreateBitmap(8, 8, 1, 1, kRows);
  if (!pattern) return;
  HBRUSH brush = CreatePatternBrush(pattern);
  if (brush) {
    COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
    COLORREF back = SetBkColor(dc, RGB(255, 255, 255));
    SetBrushOrgEx(dc, 0, 0, nullptr);
    HGDIOBJ old = SelectObject(dc, brush);
    const int w = area.right - area.left, h = area.bottom - area.top;
    PatBlt(dc, area.left, area.top, w, 1, PATCOPY);
    PatBlt(dc, area.left, area.bottom - 1, w, 1, PATCOPY);
    PatBlt(dc, area.left, area.top, 1, h, PATCOPY);
    PatBlt(dc, area.right - 1, area.top, 1, h, PATCOPY);
    SelectObject(dc, old);
    SetBkColor(dc, back);
    SetTextColor(dc, text);
    DeleteObject(brush);
  }
  DeleteObject(pattern);
}

}  // namespace orb
