// Makes captions show whole at the window's DPI: measures each caption in its control's font, places the
// control in the box CaptionLayout chooses and, where the row is too short, gives it a font just small
// enough. The fonts it makes live as long as the fitter.
#pragma once

#include <windows.h>

#include <vector>

#include "editor/windows/CaptionLayout.h"

namespace orb {

class CaptionFitter {
 public:
  CaptionFitter() = default;
  ~CaptionFitter() { Reset(); }
  CaptionFitter(const CaptionFitter&) = delete;
  CaptionFitter& operator=(const CaptionFitter&) = delete;

  // A static or check box control designed at designed (twips, in its parent) with span free on its row.
  // Other controls are left alone.
  void Fit(HWND control, const TwipsRect& designed, CaptionSpan span, int dpi);
  // Fits every one of the controls, each designed at its box, rows judged against all boxes.
  void FitAll(const std::vector<HWND>& controls, const std::vector<TwipsRect>& boxes, int client_width,
              int dpi);
  // Deletes the fonts made so far (the controls must have been given others, or be gone).
  void Reset();

 private:
  std::vector<HFONT> fonts_;
};

// Places control at a twips box, converting each edge separately so that neighbours meet at any DPI.
void PlaceAtTwips(HWND control, const TwipsRect& box, int dpi);

}  // namespace orb
