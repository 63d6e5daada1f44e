// Growing caption boxes to their text; see CaptionLayout.h.
#include "editor/windows/CaptionLayout.h"

#include <algorithm>

namespace orb {

CaptionSpan FreeSpan(const TwipsRect& box, const std::vector<TwipsRect>& boxes, int client_width) {
  int right_edge = box.left + box.width;
  CaptionSpan span{std::min(kCaptionMargin, box.left), std::max(client_width - kCaptionMargin, right_edge)};
  for (const TwipsRect& other : boxes) {
    bool same_row = other.top < box.top + box.height && box.top < other.top + other.height;
    if (!same_row) continue;
    int other_right = other.left + other.width;
    if (other_right <= box.left) span.left = std::max(span.left, other_right + kCaptionMargin);
    if (other.left >= right_edge) span.right = std::min(span.right, other.left - kCaptionMargin);
  }
  // A neighbour closer than the margin never takes away designed room.
  span.left = std::min(span.left, box.left);
  span.right = std::max(span.right, right_edge);
  return span;
}

CaptionFit FitCaption(const TwipsRect& designed, int need_width, int need_height, CaptionAlign align,
                      CaptionSpan span) {
  TwipsRect box = designed;
  if (need_height > box.height) {
    // Taller text stays centred on its row.
    box.top -= (need_height - box.height) / 2;
    box.height = need_height;
  }
  if (need_width > box.width) {
    int left = box.left, right = box.left + box.width;
    switch (align) {
      case CaptionAlign::Right:
        left = std::max(span.left, right - need_width);
        break;
      case CaptionAlign::Left:
        right = std::min(span.right, left + need_width);
        break;
      case CaptionAlign::Centre: {
        left -= (need_width - box.width) / 2;
        right = left + need_width;
        if (left < span.left) {
          right += span.left - left;
          left = span.left;
        }
        right = std::min(right, span.right);
        left = std::max(span.left, std::min(left, right - need_width));
        break;
      }
    }
    box.left = left;
    box.width = right - left;
  }
  return {box, box.width >= need_width, box.width};
}

}  // namespace orb
