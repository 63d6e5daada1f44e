// The placement window's controls; see PlacementLayout.h.
#include "editor/windows/PlacementLayout.h"

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

}  // namespace orb::frmlocate
