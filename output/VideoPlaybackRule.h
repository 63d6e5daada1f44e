// The check's findings on the menu's videos: which need Media Foundation (missing on the N editions of
// Windows) and which neither of the player's ways of playing shows.
#pragma once

#include "output/ProjectCheck.h"

namespace orb::check_rules {

// A warning for each Play Video file that is MP4/MOV or WMV, or Matroska, WebM or HEVC; silent for AVI,
// MPEG and for files it cannot read (a missing file has its own finding).
void VideoPlayback(CheckContext& context);

}  // namespace orb::check_rules
