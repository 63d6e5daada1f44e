// Windows shaped like their picture: the transparent colour is cut out with a window region and the rest
// shows the picture as the window's background.
#pragma once

#include <windows.h>

#include "common/ShapeRegion.h"
#include "common/win/PictureLoader.h"

namespace orb {

// The region of the runs (window coordinates, pixels). Rows with the same runs become one band, and the
// bands are joined pairwise in a balanced tree: one union over thousands of rectangles is slow.
HRGN CreateShapeRegion(const ShapeRuns& shape);

// Hides form, gives it picture as background (the caller keeps picture alive while the form lives),
// sizes the borderless form to the picture, cuts out the transparent colour (below 1: the top-left
// pixel's colour, written back), sets the region (simplified when it is too busy, BoundShapeRuns) and
// shows the form. False when even the simplified outline is too busy: the form then has no region and
// stays hidden, for the caller to show it otherwise (a window region that large kills the process under
// Wine).
// outline: the picture at 96 DPI when picture is it drawn at dpi; the outline is then cut from it and scaled
// exactly, since a filtered picture's edges blend into the transparent colour.
bool ShapeFormFromPicture(HWND form, const Picture& picture, long& transparent, const Picture* outline = nullptr,
                          int dpi = 96);

// Paints the background picture that ShapeFormFromPicture gave form; false when it gave none. Call it from
// the form's WM_ERASEBKGND.
bool PaintFormPicture(HWND form, HDC dc);
// Drops the form's reference to its background picture; call it before the form or the picture goes.
void ReleaseFormPicture(HWND form);

}  // namespace orb
