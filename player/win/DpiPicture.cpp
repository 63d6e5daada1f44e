// Pictures at a monitor's DPI; see DpiPicture.h.
#include "player/win/DpiPicture.h"

#include <vector>

#include "common/DpiScale.h"

namespace orb {

bool PictureAtDpi(const std::string& path, const Picture& base, int dpi, int width, int height, Picture& shown) {
  std::vector<int> present;
  for (const TwinScale& twin : kTwinScales) {
    if (GetFileAttributesA(TwinPath(path, twin.suffix).c_str()) != INVALID_FILE_ATTRIBUTES)
      present.push_back(twin.tenths);
  }
  Picture twin;
  std::string ignored;  // a twin that cannot be read leaves the picture itself, which could
  if (int tenths = ChooseTwin(dpi, present)) {
    for (const TwinScale& scale : kTwinScales) {
      if (scale.tenths == tenths) LoadPicture(TwinPath(path, scale.suffix), twin, ignored);
    }
  }
  if (twin.Width() == width && twin.Height() == height) {
    shown = static_cast<Picture&&>(twin);
    return true;
  }
  return ScalePicture(twin.Empty() ? base : twin, width, height, shown);
}

}  // namespace orb
