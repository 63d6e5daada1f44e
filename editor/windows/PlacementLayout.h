// The layout of the placement window frmlocate in twips of its client area, controls in tab order.
#pragma once

namespace orb::frmlocate {

enum class Role {
  cmdup, cmdright, cmddown, cmdleft, txtx, txty, cmdprev, cmdend, cmdcancel, txtvidheight, txtvidwidth,
  lstvideo, img, fraVid, lblx, lbly, lblvidheight, lblvidwidth,
};

struct Control {
  Role role;
  const char* text;
  int left, top, width, height;
  const char* tooltip;  // nullptr: none
};

constexpr const char* kCaption = "Please drag the image or use the arrows to drag it to  the desired area.";
constexpr int kClientWidth = 11490, kClientHeight = 6495;

extern const Control kControls[];
extern const int kControlCount;

}  // namespace orb::frmlocate
