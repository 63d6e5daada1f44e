// Picture loading through OLE and WIC into a 32-bit DIB section; see PictureLoader.h.
#include "common/win/PictureLoader.h"

#include <ole2.h>
#include <olectl.h>
#include <wincodec.h>

#include <cstring>

#include "common/PixelScale.h"
#include "common/win/WideText.h"

namespace orb {
namespace {

constexpr long kHimetricPerInch = 2540;

template <typename T>
struct ComPtr {
  T* p = nullptr;
  ~ComPtr() {
    if (p) p->Release();
  }
  T** operator&() { return &p; }
  T* operator->() const { return p; }
};

struct ComScope {
  HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  ~ComScope() {
    if (SUCCEEDED(hr)) CoUninitialize();
  }
};

bool ReadWholeFile(const std::string& path, std::string& data) {
  HANDLE file = CreateFileW(win::Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size;
  bool ok = GetFileSizeEx(file, &size) && size.QuadPart < (256ll << 20);
  if (ok) {
    data.resize(static_cast<size_t>(size.QuadPart));
    DWORD got = 0;
    ok = data.empty() || (ReadFile(file, data.data(), static_cast<DWORD>(data.size()), &got, nullptr) &&
                          got == data.size());
  }
  CloseHandle(file);
  return ok;
}

IStream* StreamOver(const std::string& data) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, data.size() ? data.size() : 1);
  if (!memory) return nullptr;
  void* bytes = GlobalLock(memory);
  if (!data.empty()) std::memcpy(bytes, data.data(), data.size());
  GlobalUnlock(memory);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    GlobalFree(memory);
    return nullptr;
  }
  return stream;
}

void MarkOpaque(Picture& picture) {
  uint32_t* p = picture.Pixels();
  size_t n = static_cast<size_t>(picture.Width()) * picture.Height();
  for (size_t i = 0; i < n; ++i) p[i] |= 0xFF000000u;
  picture.SetHasAlpha(false);
}

void UpdateHasAlpha(Picture& picture) {
  const uint32_t* p = picture.Pixels();
  size_t n = static_cast<size_t>(picture.Width()) * picture.Height();
  for (size_t i = 0; i < n; ++i) {
    if ((p[i] >> 24) != 0xFF) {
      picture.SetHasAlpha(true);
      return;
    }
  }
  picture.SetHasAlpha(false);
}

bool LoadWithWic(const std::string& data, Picture& picture) {
  ComPtr<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              reinterpret_cast<void**>(&factory))))
    return false;
  ComPtr<IStream> stream;
  stream.p = StreamOver(data);
  if (!stream.p) return false;
  ComPtr<IWICBitmapDecoder> decoder;
  if (FAILED(factory->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnDemand, &decoder)))
    return false;
  ComPtr<IWICBitmapFrameDecode> frame;
  if (FAILED(decoder->GetFrame(0, &frame))) return false;
  ComPtr<IWICBitmapSource> converted;
  if (FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppPBGRA, frame.p, &converted))) return false;
  UINT w = 0, h = 0;
  if (FAILED(converted->GetSize(&w, &h)) || w == 0 || h == 0 || w > 32767 || h > 32767) return false;
  if (!picture.Create(static_cast<int>(w), static_cast<int>(h), true)) return false;
  if (FAILED(converted->CopyPixels(nullptr, w * 4, w * h * 4, reinterpret_cast<BYTE*>(picture.Pixels())))) {
    picture.Reset();
    return false;
  }
  UpdateHasAlpha(picture);
  return true;
}

bool FromBitmap(HBITMAP bitmap, Picture& picture) {
  BITMAP info;
  if (!GetObjectA(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight == 0) return false;
  int w = info.bmWidth, h = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  if (!picture.Create(w, h, false)) return false;
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  int rows = GetDIBits(screen, bitmap, 0, h, picture.Pixels(), &bi, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != h) {
    picture.Reset();
    return false;
  }
  MarkOpaque(picture);
  return true;
}

// Icons and cursors: the colour drawn on black and the mask decide each pixel's alpha.
bool FromIcon(HICON icon, Picture& picture) {
  ICONINFO info;
  if (!GetIconInfo(icon, &info)) return false;
  BITMAP mask;
  GetObjectA(info.hbmMask, sizeof mask, &mask);
  int w = mask.bmWidth, h = info.hbmColor ? mask.bmHeight : mask.bmHeight / 2;
  if (info.hbmColor) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  if (w <= 0 || h <= 0 || !picture.Create(w, h, true)) return false;
  Picture masked;
  if (!masked.Create(w, h, false)) return false;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, picture.Bitmap());
  DrawIconEx(dc, 0, 0, icon, w, h, 0, nullptr, DI_NORMAL);
  SelectObject(dc, masked.Bitmap());
  DrawIconEx(dc, 0, 0, icon, w, h, 0, nullptr, DI_MASK);
  SelectObject(dc, old);
  DeleteDC(dc);
  GdiFlush();
  uint32_t* p = picture.Pixels();
  const uint32_t* m = masked.Pixels();
  bool any_alpha = false;
  size_t n = static_cast<size_t>(w) * h;
  for (size_t i = 0; i < n; ++i) any_alpha = any_alpha || (p[i] >> 24) != 0;
  if (!any_alpha) {
    // No alpha channel: the mask (white = transparent) decides.
    for (size_t i = 0; i < n; ++i) p[i] = (m[i] & 0x00FFFFFFu) ? 0 : (p[i] | 0xFF000000u);
  }
  UpdateHasAlpha(picture);
  return true;
}

bool FromMetafile(IPicture* ole, Picture& picture) {
  OLE_XSIZE_HIMETRIC hw = 0;
  OLE_YSIZE_HIMETRIC hh = 0;
  ole->get_Width(&hw);
  ole->get_Height(&hh);
  HDC screen = GetDC(nullptr);
  int w = MulDiv(hw, GetDeviceCaps(screen, LOGPIXELSX), kHimetricPerInch);
  int h = MulDiv(hh, GetDeviceCaps(screen, LOGPIXELSY), kHimetricPerInch);
  ReleaseDC(nullptr, screen);
  if (w <= 0 || h <= 0 || w > 32767 || h > 32767 || !picture.Create(w, h, false)) return false;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, picture.Bitmap());
  RECT all = {0, 0, w, h};
  FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
  HRESULT hr = ole->Render(dc, 0, 0, w, h, 0, hh, hw, -hh, nullptr);
  SelectObject(dc, old);
  DeleteDC(dc);
  GdiFlush();
  if (FAILED(hr)) {
    picture.Reset();
    return false;
  }
  MarkOpaque(picture);
  return true;
}

bool LoadWithOle(const std::string& data, Picture& picture) {
  ComPtr<IStream> stream;
  stream.p = StreamOver(data);
  if (!stream.p) return false;
  ComPtr<IPicture> ole;
  if (FAILED(OleLoadPicture(stream.p, static_cast<LONG>(data.size()), FALSE, IID_IPicture,
                            reinterpret_cast<void**>(&ole))))
    return false;
  SHORT type = PICTYPE_NONE;
  ole->get_Type(&type);
  OLE_HANDLE handle = 0;
  ole->get_Handle(&handle);
  switch (type) {
    case PICTYPE_BITMAP:
      return FromBitmap(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), picture);
    case PICTYPE_ICON:
      return FromIcon(reinterpret_cast<HICON>(static_cast<UINT_PTR>(handle)), picture);
    case PICTYPE_METAFILE:
    case PICTYPE_ENHMETAFILE:
      return FromMetafile(ole.p, picture);
    default:
      return false;
  }
}

bool IsPng(const std::string& data) { return data.size() >= 8 && data.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0; }

}  // namespace

Picture& Picture::operator=(Picture&& other) noexcept {
  if (this != &other) {
    Reset();
    bitmap_ = other.bitmap_;
    pixels_ = other.pixels_;
    width_ = other.width_;
    height_ = other.height_;
    has_alpha_ = other.has_alpha_;
    other.bitmap_ = nullptr;
    other.pixels_ = nullptr;
    other.width_ = other.height_ = 0;
  }
  return *this;
}

bool Picture::Create(int width, int height, bool has_alpha) {
  Reset();
  if (width <= 0 || height <= 0) return false;
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap_) return false;
  pixels_ = static_cast<uint32_t*>(bits);
  width_ = width;
  height_ = height;
  has_alpha_ = has_alpha;
  return true;
}

void Picture::Reset() {
  if (bitmap_) DeleteObject(bitmap_);
  bitmap_ = nullptr;
  pixels_ = nullptr;
  width_ = height_ = 0;
  has_alpha_ = false;
}

void Picture::Draw(HDC dc, int x, int y, BYTE opacity) const {
  if (!bitmap_) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, bitmap_);
  if (has_alpha_ || opacity != 255) {
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, opacity, static_cast<BYTE>(has_alpha_ ? AC_SRC_ALPHA : 0)};
    AlphaBlend(dc, x, y, width_, height_, source, 0, 0, width_, height_, blend);
  } else {
    BitBlt(dc, x, y, width_, height_, source, 0, 0, SRCCOPY);
  }
  SelectObject(source, old);
  DeleteDC(source);
}

std::vector<uint32_t> Picture::ComposedOver(COLORREF background) const {
  size_t n = static_cast<size_t>(width_) * height_;
  std::vector<uint32_t> out(pixels_, pixels_ + n);
  if (!has_alpha_) return out;
  uint32_t br = GetRValue(background), bg = GetGValue(background), bb = GetBValue(background);
  for (uint32_t& p : out) {
    uint32_t a = p >> 24, inv = 255 - a;
    uint32_t b = (p & 0xFF) + (bb * inv + 127) / 255;
    uint32_t g = ((p >> 8) & 0xFF) + (bg * inv + 127) / 255;
    uint32_t r = ((p >> 16) & 0xFF) + (br * inv + 127) / 255;
    p = 0xFF000000u | (r > 255 ? 255 : r) << 16 | (g > 255 ? 255 : g) << 8 | (b > 255 ? 255 : b);
  }
  return out;
}

bool LoadPicture(const std::string& path, Picture& picture, std::string& error) {
  picture.Reset();
  std::string data;
  if (!ReadWholeFile(path, data)) {
    error = "cannot be read";
    return false;
  }
  return LoadPictureFromData(data, picture, error);
}

bool LoadPictureFromData(const std::string& data, Picture& picture, std::string& error) {
  picture.Reset();
  ComScope com;
  bool ok = IsPng(data) ? LoadWithWic(data, picture) : LoadWithOle(data, picture);
  // Formats the OLE loader does not know (TIFF, for one) may still decode through WIC.
  if (!ok && !IsPng(data)) ok = LoadWithWic(data, picture);
  if (!ok) {
    picture.Reset();
    error = "is not a picture this program can show";
  }
  return ok;
}

bool ScalePicture(const Picture& source, int width, int height, Picture& scaled) {
  if (source.Empty() || width <= 0 || height <= 0 || width > 32767 || height > 32767) return false;
  // Our own filter rather than WIC's scaler: Wine's ignores the filter asked for and repeats pixels, and
  // the same pixels on every system are what the tests can hold us to.
  Picture out;
  if (!out.Create(width, height, source.HasAlpha()) ||
      !ScalePixels(source.Pixels(), source.Width(), source.Height(), out.Pixels(), width, height))
    return false;
  out.SetHasAlpha(source.HasAlpha());
  scaled = static_cast<Picture&&>(out);
  return true;
}

}  // namespace orb
