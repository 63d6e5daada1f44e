// Pictures at a monitor's DPI; see DpiPicture.h.
#include "player/win/DpiPicture.h"

#include <vector>

#include "common/DpiScale.h"
#include "common/win/WideText.h"

namespace orb {

bool PictureAtDpi(const std::string& path, const Picture& base, int dpi, int width, int height, Picture& shown) {
  std::vector<int> present;
  for (const TwinScale& twin : kTwinScales) {
    if (GetFileAttributesW(win::Widen(TwinPath(path, twin.suffix)).c_str()) != INVALID_FILE_ATTRIBUTES)
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
  const std::wstring wide = win::Widen(path);
  auto cursor = static_cast<HCURSOR>(LoadImageW(nullptr, wide.c_str(), IMAGE_CURSOR, width, height, LR_LOADFROMFILE));
  // What LoadImage does not take (an animated cursor on some systems) still loads at the system's size.
  return cursor ? cursor : LoadCursorFromFileW(wide.c_str());
}

}  // namespace orb
