// The layout of the placement window frmlocate: its controls in tab order with their design places in twips,
// and the run-time arrangement of the picture area and the control panel in pixels.
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

// The picture area holds lstvideo, img and fraVid; every other control lies in the panel below it.
bool InPictureArea(Role role);

struct PixelRect {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const PixelRect&) const = default;
};

// Where the window puts its parts, in pixels of its client area.
struct Geometry {
  int client_width = 0, client_height = 0;
  PixelRect view;                   // the picture area with its scroll bars
  int view_width = 0, view_height = 0;  // the part of the picture shown at once
  bool scroll_x = false, scroll_y = false;
  PixelRect controls[18];           // by Role; the panel's controls only
};

// The picture keeps 15 twips a picture pixel, so the picture area is the background's size in pixels (at
// least the design's, for an empty or small background); the panel's controls scale with the display's
// dpi. When both do not fit in max_client (what the work area leaves for the client area) the picture area
// scrolls (scrollbar: a scroll bar's thickness) and the panel stays whole below it.
Geometry LayOut(int picture_width, int picture_height, int dpi, int max_client_width, int max_client_height,
                int scrollbar);

}  // namespace orb::frmlocate
