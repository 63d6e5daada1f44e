// The placement window frmlocate: puts a spot's rollover picture or its video rectangle on the background,
// by dragging, edge sizing, 1-twip nudges and typed coordinates, with a rollover or video preview.
// All positions are twips of the background picture, relative to the window's client area.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orb {

struct PlacementRect {
  float left = 0, top = 0, width = 0, height = 0;
  bool operator==(const PlacementRect&) const = default;
};

// Another spot of the menu, shown faintly under the one being placed so that it can be lined up with it.
struct PlacementGhost {
  std::string image;  // its rollover picture
  float x = 0, y = 0;  // twips
};

// What the window reads from the spot editor (and the main window) when it opens.
struct PlacementInputs {
  bool video_mode = false;  // cmdvidlocate's tag is "Video"
  std::string background_image;
  std::string rollover_image;  // txtindex 1
  std::string video_file;      // txtindex 0
  std::string txtx = "0", txty = "0";
  std::string txtvidx = "0", txtvidy = "0", txtvidwidth = "0", txtvidheight = "0";
  std::vector<PlacementGhost> other_spots;
};

// What Finish writes back into the spot editor's boxes: txtx/txty in rollover mode, txtvidx/txtvidy/
// txtvidwidth/txtvidheight in video mode.
struct PlacementOutputs {
  bool video_mode = false;
  std::string x, y, width, height;
};

// The media layer as the preview uses it; the video frame fraVid is the parent window, already moved onto
// the rectangle and shown when OpenMultimedia is called. Each returns "Success" or an error text.
class PreviewMedia {
 public:
  virtual ~PreviewMedia() = default;
  virtual std::string OpenMultimedia(const std::string& alias, const std::string& file,
                                     const std::string& device) = 0;
  virtual std::string PutMultimediaWindow(const std::string& alias) = 0;  // at 0, 0 filling the frame
  virtual std::string PlayMultimedia(const std::string& alias) = 0;
  virtual std::string CloseMultimedia(const std::string& alias) = 0;
};

enum class PlacementBox { X, Y, VidWidth, VidHeight };

// Mouse buttons held during an event, as a bit set.
constexpr int kLeftButton = 1, kRightButton = 2, kMiddleButton = 4;

// Hit codes sent with WM_NCLBUTTONDOWN to size the rectangle, and the rectangle's pointer shapes.
constexpr int kHitNone = 0, kHitLeft = 10, kHitRight = 11, kHitTop = 12, kHitBottom = 15;
constexpr int kPointerDefault = 0, kPointerSizeNS = 7, kPointerSizeWE = 9;
constexpr float kEdgeZone = 100;

extern const char* const kPreviewStart;  // "&Start Preview"
extern const char* const kPreviewStop;   // "Stop &Preview"
extern const char* const kPreviewAlias;  // "playmovie"
// The coordinate boxes' tooltip: their unit, and that a typed value waits for Enter.
extern const char* const kCoordinateTip;

class PlacementController {
 public:
  static constexpr PlacementRect kImgDesign{4200, 2400, 975, 495};
  static constexpr PlacementRect kListDesign{960, 360, 2175, 1470};
  static constexpr PlacementRect kFrameDesign{990, 2370, 2175, 1350};

  PlacementController(PlacementInputs inputs, PreviewMedia& media);

  // Loading steps 4 and 5; picture_size is the rollover picture's size in twips (none when the file is
  // missing or unreadable: the picture stays empty at its design size).
  void Form_Load(std::optional<PlacementRect> picture_size);

  // The rollover picture.
  void img_MouseDown(int buttons, float x, float y);
  void img_MouseMove(int buttons, float x, float y);
  void img_MouseUp();
  void Form_MouseMove();
  // The video rectangle. MouseDown returns the hit code to size with (kHitNone: a drag began).
  int lstvideo_MouseDown(int buttons, float x, float y);
  // The rectangle as the system sized it (its own sizing loop or the thick frame); every box follows.
  void lstvideo_Sized(const PlacementRect& rect);
  void lstvideo_MouseMove(int buttons, float x, float y);
  void lstvideo_MouseUp();

  void cmdleft_Click() { Nudge(-1, 0); }
  void cmdright_Click() { Nudge(1, 0); }
  void cmdup_Click() { Nudge(0, -1); }
  void cmddown_Click() { Nudge(0, 1); }
  // An arrow key while the picture area has the focus: one pixel (15 twips) a press, ten with Shift.
  void view_ArrowKey(int dx, int dy, bool shift);

  // Typing into a box; KeyPress returns true when the key was Enter (consumed).
  void SetText(PlacementBox box, const std::string& text);
  bool txt_KeyPress(PlacementBox box, int key);

  void cmdprev_Click();
  void cmdend_Click();     // Finish: the outputs, then the window closes
  void Form_Unload();      // every way of closing runs this once

  // State for the view.
  bool VideoMode() const { return inputs_.video_mode; }
  const PlacementInputs& Inputs() const { return inputs_; }
  const PlacementRect& Img() const { return img_; }
  bool ImgVisible() const { return !inputs_.video_mode; }
  bool PictureShown() const { return picture_shown_; }
  const PlacementRect& List() const { return list_; }
  bool ListVisible() const { return list_visible_; }
  const PlacementRect& Frame() const { return frame_; }
  bool FrameVisible() const { return frame_visible_; }
  int ListPointer() const { return list_pointer_; }
  const std::string& Text(PlacementBox box) const;
  const std::string& PreviewCaption() const { return caption_; }
  int PreviewActive() const { return preview_active_; }
  bool Dragging() const { return dragging_; }
  const std::string& PreviewAliasName() const { return preview_alias_; }
  // Set by Finish; empty after Cancel or the close box.
  const std::optional<PlacementOutputs>& Result() const { return result_; }

 private:
  PlacementRect& Target() { return list_visible_ ? list_ : img_; }
  void Nudge(float dx, float dy);
  void ShowPosition(const PlacementRect& r);
  void Drag(PlacementRect& r, int buttons, float x, float y);

  PlacementInputs inputs_;
  PreviewMedia& media_;
  PlacementRect img_ = kImgDesign;
  PlacementRect list_ = kListDesign;
  PlacementRect frame_ = kFrameDesign;
  bool picture_shown_ = false;
  bool list_visible_ = false;
  bool frame_visible_ = false;
  int list_pointer_ = kPointerDefault;
  std::string txtx_ = "0", txty_ = "0", txtvidwidth_ = "0", txtvidheight_ = "0";
  std::string caption_;
  int preview_active_ = 0;
  bool dragging_ = false;
  float grab_x_ = 0, grab_y_ = 0;
  std::string preview_alias_;
  std::optional<PlacementOutputs> result_;
  bool unloaded_ = false;
};

}  // namespace orb
