// The placement window's controls and their arrangement; see PlacementLayout.h.
#include "editor/windows/PlacementLayout.h"

#include <algorithm>

namespace orb::frmlocate {

namespace {
#define ORB_NUDGE_TIP(way) \
  "Click to move the image " way ".By pressing & holding down the Enter key the image moves fast."
}

const Control kControls[] = {
    {Role::cmdup, "", 7965, 4750, 320, 320, ORB_NUDGE_TIP("upwards")},
    {Role::cmdright, "", 8280, 5040, 300, 320, ORB_NUDGE_TIP("rightwards")},
    {Role::cmddown, "", 7965, 5340, 320, 300, ORB_NUDGE_TIP("downwards")},
    {Role::cmdleft, "", 7680, 5040, 300, 320, ORB_NUDGE_TIP("leftwards")},
    {Role::txtx, "0", 8880, 4680, 615, 285, "The X-posiiton of the rollover image."},
    {Role::txty, "0", 9960, 4680, 615, 285, "The Y-posiiton of the rollover image."},
    {Role::cmdprev, "&Start Preview", 10680, 4800, 1095, 495,
     "Click it to start/stop a preview of how your rollover image will perform with the background image."},
    {Role::cmdend, "&Finish", 10680, 5400, 1095, 495,
     "Click it after you have finished locating the desired co-ordinates."},
    {Role::cmdcancel, "Cancel", 10680, 6000, 1095, 495, "Click it to go back without saving."},
    {Role::txtvidheight, "0", 9840, 5640, 615, 285, nullptr},
    {Role::txtvidwidth, "0", 9840, 6120, 615, 285, nullptr},
    {Role::lstvideo, "", 960, 360, 2175, 1470, nullptr},
    {Role::img, "", 4200, 2400, 975, 495, nullptr},
    {Role::fraVid, "", 990, 2370, 2175, 1350, nullptr},
    {Role::lblx, "X:", 8520, 4725, 300, 240, nullptr},
    {Role::lbly, "Y:", 9600, 4725, 300, 240, nullptr},
    {Role::lblvidheight, "Height:", 9120, 5640, 700, 240, nullptr},
    {Role::lblvidwidth, "Width:", 9160, 6120, 660, 240, nullptr},
};
#undef ORB_NUDGE_TIP

const int kControlCount = sizeof kControls / sizeof kControls[0];
static_assert(sizeof kControls / sizeof kControls[0] == sizeof Geometry{}.controls / sizeof(PixelRect));

bool InPictureArea(Role role) { return role == Role::lstvideo || role == Role::img || role == Role::fraVid; }

namespace {

// The panel in twips from its own top-left corner: the design's arrangement, with the coordinate boxes wide
// enough for five digits and a sign, and room between the groups.
struct PanelPlace {
  Role role;
  int left, top, width, height;
};
constexpr PanelPlace kPanel[] = {
    {Role::cmdup, 420, 120, 320, 320},      {Role::cmdleft, 120, 420, 300, 320},
    {Role::cmdright, 740, 420, 300, 320},   {Role::cmddown, 420, 740, 320, 300},
    {Role::lblx, 1200, 165, 300, 240},      {Role::txtx, 1500, 120, 900, 300},
    {Role::lbly, 2520, 165, 300, 240},      {Role::txty, 2820, 120, 900, 300},
    {Role::lblvidheight, 1980, 600, 780, 240}, {Role::txtvidheight, 2820, 555, 900, 300},
    {Role::lblvidwidth, 1980, 1035, 780, 240}, {Role::txtvidwidth, 2820, 990, 900, 300},
    {Role::cmdprev, 3900, 120, 1500, 495},  {Role::cmdend, 3900, 720, 1500, 495},
    {Role::cmdcancel, 3900, 1320, 1500, 495},
};
constexpr int kPanelWidth = 5520, kPanelHeight = 1935;
// The picture area is at least the design's client area less the panel, in picture pixels.
constexpr int kMinViewWidth = kClientWidth / 15, kMinViewHeight = (kClientHeight - kPanelHeight) / 15;

int Scale(int twips, int dpi) { return (twips * dpi + 720) / 1440; }

}  // namespace

Geometry LayOut(int picture_width, int picture_height, int dpi, int max_client_width, int max_client_height,
                int scrollbar) {
  if (dpi <= 0) dpi = 96;
  Geometry g;
  const int panel_w = Scale(kPanelWidth, dpi), panel_h = Scale(kPanelHeight, dpi);
  const int area_w = std::max(picture_width, kMinViewWidth), area_h = std::max(picture_height, kMinViewHeight);
  const int room_w = std::max(max_client_width, panel_w), room_h = std::max(max_client_height - panel_h, 1);
  // A scroll bar on one side takes room from the other, which may then need one too.
  g.scroll_x = area_w > room_w;
  g.scroll_y = area_h + (g.scroll_x ? scrollbar : 0) > room_h;
  if (g.scroll_y && !g.scroll_x) g.scroll_x = area_w + scrollbar > room_w;
  g.view_width = std::max(std::min(area_w, room_w - (g.scroll_y ? scrollbar : 0)), 1);
  g.view_height = std::max(std::min(area_h, room_h - (g.scroll_x ? scrollbar : 0)), 1);
  g.view = {0, 0, g.view_width + (g.scroll_y ? scrollbar : 0), g.view_height + (g.scroll_x ? scrollbar : 0)};
  g.client_width = std::max(g.view.width, panel_w);
  g.client_height = g.view.height + panel_h;
  // The panel keeps the design's place at the bottom right.
  const int panel_left = g.client_width - panel_w, panel_top = g.view.height;
  for (const PanelPlace& p : kPanel) {
    int left = Scale(p.left, dpi), top = Scale(p.top, dpi);
    g.controls[static_cast<int>(p.role)] = {panel_left + left, panel_top + top, Scale(p.left + p.width, dpi) - left,
                                            Scale(p.top + p.height, dpi) - top};
  }
  return g;
}

}  // namespace orb::frmlocate
