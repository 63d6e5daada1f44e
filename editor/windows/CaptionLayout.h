// Room for a caption whose text, in the font at hand, is larger than its designed box: the box grows along
// its row, on the side its alignment leaves free, and to the text's height; where the row has no more
// room, the font has to shrink. All in twips.
#pragma once

#include <vector>

namespace orb {

// A control's box in twips: left, top, width, height.
struct TwipsRect {
  int left, top, width, height;
};

enum class CaptionAlign { Left, Centre, Right };

// The horizontal span [left, right) a caption may take on its row.
struct CaptionSpan {
  int left, right;
};

// Gap kept to a neighbour and to the client area's edges.
constexpr int kCaptionMargin = 60;

// The span of box's row: up to the nearest box beside it that shares any of its height, and within the
// client area less kCaptionMargin. Boxes overlapping box itself (a band behind it, a container) do not
// limit it; the span always holds the designed box.
CaptionSpan FreeSpan(const TwipsRect& box, const std::vector<TwipsRect>& boxes, int client_width);

struct CaptionFit {
  TwipsRect box;
  bool fits;  // false: even the whole span is narrower than the text
  int room;   // the width the text may take (box.width); the font is to shrink by room / needed width
};

// The box for a text of need_width by need_height twips whose designed box is designed.
CaptionFit FitCaption(const TwipsRect& designed, int need_width, int need_height, CaptionAlign align,
                      CaptionSpan span);

}  // namespace orb
