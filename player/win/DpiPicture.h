// Pictures as the player draws them at a monitor's DPI: from the file's best high-resolution twin, or the
// picture itself, scaled with a high-quality filter; and cursors at the monitor's pointer size.
#pragma once

#include <string>

#include "common/win/PictureLoader.h"

namespace orb {

// The picture of path (base, already loaded) drawn at dpi above 96: its smallest twin at least as large as
// needed (the largest there is, else base) scaled to width x height physical pixels. False when it cannot be
// scaled.
bool PictureAtDpi(const std::string& path, const Picture& base, int dpi, int width, int height, Picture& shown);

// A cursor file (.cur or .ani) at the size Windows gives pointers at dpi, from the file's nearest image; null
// when it is no cursor.
HCURSOR LoadCursorAtDpi(const std::string& path, int dpi);

}  // namespace orb
