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

HCURSOR LoadCursorAtDpi(const std::string& path, int dpi) {
  // Looked up at run time: systems before Windows 10 1607 have none, and run at the system's DPI anyway.
  using MetricsForDpi = int(WINAPI*)(int, UINT);
  static auto metrics = reinterpret_cast<MetricsForDpi>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetSystemMetricsForDpi")));
  const int width = metrics ? metrics(SM_CXCURSOR, static_cast<UINT>(dpi)) : GetSystemMetrics(SM_CXCURSOR);
  const int height = metrics ? metrics(SM_CYCURSOR, static_cast<UINT>(dpi)) : GetSystemMetrics(SM_CYCURSOR);
  auto cursor = static_cast<HCURSOR>(LoadImageA(nullptr, path.c_str(), IMAGE_CURSOR, width, height, LR_LOADFROMFILE));
  // What LoadImage does not take (an animated cursor on some systems) still loads at the system's size.
  return cursor ? cursor : LoadCursorFromFileA(path.c_str());
}

}  // namespace orb
