// Shaped windows; see ShapedWindow.h.
#include "common/win/ShapedWindow.h"

#include <vector>

#include "common/DpiScale.h"

namespace orb {
namespace {

constexpr const char* kPictureProperty = "OrbShapePicture";

HRGN BandRegion(const ShapeRuns& shape, int row, int top, int bottom) {
  uint32_t first = shape.row_starts[row], end = shape.row_starts[row + 1];
  if (end - first == 1) {
    return CreateRectRgn(shape.runs[first].left, top, shape.runs[first].right, bottom);
  }
  std::vector<char> buffer(sizeof(RGNDATAHEADER) + sizeof(RECT) * (end - first));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = end - first;
  data->rdh.nRgnSize = 0;
  data->rdh.rcBound = {shape.runs[first].left, top, shape.runs[end - 1].right, bottom};
  RECT* rects = reinterpret_cast<RECT*>(data->Buffer);
  for (uint32_t i = first; i < end; ++i)
    rects[i - first] = {shape.runs[i].left, top, shape.runs[i].right, bottom};
  return ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
}

}  // namespace

HRGN CreateShapeRegion(const ShapeRuns& shape) {
  std::vector<HRGN> parts;
  int rows = static_cast<int>(shape.row_starts.size()) - 1;
  for (int y = 0; y < rows;) {
    int next = y + 1;
    while (next < rows && SameShapeRows(shape, y, next)) ++next;
    if (shape.row_starts[y + 1] > shape.row_starts[y]) {
      if (HRGN band = BandRegion(shape, y, y, next)) parts.push_back(band);
    }
    y = next;
  }
  if (parts.empty()) return CreateRectRgn(0, 0, 0, 0);
  // Balanced pairwise joins keep every union small.
  while (parts.size() > 1) {
    size_t out = 0;
    for (size_t i = 0; i < parts.size(); i += 2) {
      if (i + 1 < parts.size()) {
        CombineRgn(parts[i], parts[i], parts[i + 1], RGN_OR);
        DeleteObject(parts[i + 1]);
      }
      parts[out++] = parts[i];
    }
    parts.resize(out);
  }
  return parts[0];
}

bool ShapeFormFromPicture(HWND form, const Picture& shown, long& transparent, const Picture* outline, int dpi) {
  const Picture& picture = outline ? *outline : shown;
  ShowWindow(form, SW_HIDE);
  SetPropA(form, kPictureProperty, const_cast<Picture*>(&shown));
  SetWindowPos(form, nullptr, 0, 0, shown.Width(), shown.Height(),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // Opaque pictures are scanned in place. Translucent ones are keyed by their look over the window colour,
  // and their fully clear pixels are cut out as the key colour is.
  std::vector<uint32_t> composed;
  if (picture.HasAlpha()) {
    composed = picture.ComposedOver(GetSysColor(COLOR_BTNFACE));
    const uint32_t* original = picture.Pixels();
    for (size_t i = 0; i < composed.size(); ++i) {
      if ((original[i] >> 24) == 0) composed[i] &= 0x00FFFFFFu;
    }
  }
  const uint32_t* pixels = picture.HasAlpha() ? composed.data() : picture.Pixels();
  ShapeRuns shape = ComputeShapeRuns(pixels, picture.Width(), picture.Height(), picture.Width(), transparent,
                                     picture.HasAlpha());
  if (outline) shape = ScaleShapeRuns(shape, dpi);
  if (BoundShapeRuns(shape) < 0) {
    SetWindowRgn(form, nullptr, FALSE);
    return false;
  }
  HRGN region = CreateShapeRegion(shape);
  // The system owns the region from here on.
  if (!SetWindowRgn(form, region, TRUE)) DeleteObject(region);
  ShowWindow(form, SW_SHOW);
  return true;
}

bool PaintFormPicture(HWND form, HDC dc) {
  auto* picture = static_cast<const Picture*>(GetPropA(form, kPictureProperty));
  if (!picture) return false;
  if (picture->HasAlpha()) {
    RECT all = {0, 0, picture->Width(), picture->Height()};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
  }
  picture->Draw(dc, 0, 0);
  return true;
}

void ReleaseFormPicture(HWND form) { RemovePropA(form, kPictureProperty); }

}  // namespace orb
