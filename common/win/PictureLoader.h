// Pictures for both programs: BMP, DIB, GIF, JPEG, ICO, CUR, WMF and EMF through the system's OLE picture
// loader, PNG (with its alpha) through WIC, all turned into one 32-bit top-down DIB section.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace orb {

class Picture {
 public:
  Picture() = default;
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;
  Picture(Picture&& other) noexcept { *this = static_cast<Picture&&>(other); }
  Picture& operator=(Picture&& other) noexcept;
  ~Picture() { Reset(); }

  // An empty picture of the given size (all pixels zero), ready to be filled through Pixels().
  bool Create(int width, int height, bool has_alpha);
  void Reset();

  bool Empty() const { return bitmap_ == nullptr; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Premultiplied B, G, R, A bytes per pixel, rows top to bottom, no padding.
  uint32_t* Pixels() const { return pixels_; }
  HBITMAP Bitmap() const { return bitmap_; }
  // True when some pixel is not fully opaque; such pictures are blended over what lies beneath.
  bool HasAlpha() const { return has_alpha_; }
  void SetHasAlpha(bool has_alpha) { has_alpha_ = has_alpha; }

  // Draws the picture unscaled with its top-left corner at (x, y); below 255, opacity lets what lies
  // beneath show through every pixel.
  void Draw(HDC dc, int x, int y, BYTE opacity = 255) const;
  // The pixels as they look drawn over background (0x00BBGGRR), in DIB layout.
  std::vector<uint32_t> ComposedOver(COLORREF background) const;

 private:
  HBITMAP bitmap_ = nullptr;
  uint32_t* pixels_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  bool has_alpha_ = false;
};

// Loads a picture file (its path in UTF-8). On failure false with a short reason in error ("cannot be read", "is not a picture
// this program can show"). COM is initialised for the call if the thread has not done so.
bool LoadPicture(const std::string& path, Picture& picture, std::string& error);
// The same for a picture already in memory, such as one stored among the program's resources.
bool LoadPictureFromData(const std::string& data, Picture& picture, std::string& error);
// The picture at another size through the box filter of common/PixelScale.h; false (scaled untouched) for
// sizes it refuses or when memory runs out.
bool ScalePicture(const Picture& source, int width, int height, Picture& scaled);

}  // namespace orb
