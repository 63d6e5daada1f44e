// The placement window's rules; see PlacementController.h.
#include "editor/windows/PlacementController.h"

#include "common/TextLines.h"
#include "editor/windows/TwipsText.h"

namespace orb {

const char* const kPreviewStart = "&Start Preview";
const char* const kPreviewStop = "Stop &Preview";
const char* const kPreviewAlias = "playmovie";
const char* const kCoordinateTip =
    "Twips, 15 to a pixel. A typed value applies when you press Enter; the arrow buttons step one twip, the "
    "arrow keys move one pixel (ten with Shift) while the picture area has the focus.";

namespace {

// The spot editor's boxes always hold numbers; anything else counts as 0, that is "not placed".
float NumberOr0(const std::string& text) { return ParseTwips(text).value_or(0.0f); }

bool InZone(float v, float extent) { return (v > 0 && v < kEdgeZone) || (v > extent - kEdgeZone && v < extent); }

}  // namespace

PlacementController::PlacementController(PlacementInputs inputs, PreviewMedia& media)
    : inputs_(std::move(inputs)), media_(media), caption_(kPreviewStart) {}

void PlacementController::Form_Load(std::optional<PlacementRect> picture_size) {
  if (inputs_.video_mode) {
    list_visible_ = true;
    if (NumberOr0(inputs_.txtvidx) != 0) {
      list_.left = NumberOr0(inputs_.txtvidx);
      list_.top = NumberOr0(inputs_.txtvidy);
      // A rectangle cannot have a size below nothing; keep the design size for such a stored value.
      float w = NumberOr0(inputs_.txtvidwidth), h = NumberOr0(inputs_.txtvidheight);
      if (w > 0) list_.width = w;
      if (h > 0) list_.height = h;
    }
    txty_ = FormatTwips(list_.top);
    txtx_ = FormatTwips(list_.left);
    txtvidwidth_ = FormatTwips(list_.width);
    txtvidheight_ = FormatTwips(list_.height);
  } else {
    if (picture_size) {
      img_.width = picture_size->width;
      img_.height = picture_size->height;
    }
    picture_shown_ = picture_size.has_value();
    if (NumberOr0(inputs_.txtx) != 0) {
      img_.left = NumberOr0(inputs_.txtx);
      img_.top = NumberOr0(inputs_.txty);
    }
    ShowPosition(img_);
  }
}

void PlacementController::ShowPosition(const PlacementRect& r) {
  txty_ = FormatTwips(r.top);
  txtx_ = FormatTwips(r.left);
}

void PlacementController::Drag(PlacementRect& r, int buttons, float x, float y) {
  // Only a pure left-button drag moves; the grabbed point stays under the pointer.
  if (buttons == kLeftButton) {
    r.left = r.left - grab_x_ + x;
    r.top = r.top - grab_y_ + y;
  }
  ShowPosition(r);
}

void PlacementController::img_MouseDown(int, float x, float y) {
  dragging_ = true;
  grab_x_ = x;
  grab_y_ = y;
}

void PlacementController::img_MouseMove(int buttons, float x, float y) {
  if (preview_active_ == 1) picture_shown_ = true;
  if (dragging_) Drag(img_, buttons, x, y);
}

void PlacementController::img_MouseUp() { dragging_ = false; }

void PlacementController::Form_MouseMove() {
  if (preview_active_ == 1) picture_shown_ = false;
}

int PlacementController::lstvideo_MouseDown(int, float x, float y) {
  int hit = kHitNone;
  if (x > 0 && x < kEdgeZone) hit = kHitLeft;
  if (x > list_.width - kEdgeZone && x < list_.width) hit = kHitRight;
  // Vertical edges win, so a corner sizes only vertically.
  if (y > 0 && y < kEdgeZone) hit = kHitTop;
  if (y > list_.height - kEdgeZone && y < list_.height) hit = kHitBottom;
  if (hit == kHitNone) {
    dragging_ = true;
    grab_x_ = x;
    grab_y_ = y;
  }
  return hit;
}

void PlacementController::lstvideo_Sized(const PlacementRect& rect) {
  list_ = rect;
  // Every box follows, also X and Y when the left or top edge moved, so that the boxes tell what Finish gives.
  ShowPosition(list_);
  txtvidwidth_ = FormatTwips(list_.width);
  txtvidheight_ = FormatTwips(list_.height);
}

void PlacementController::lstvideo_MouseMove(int buttons, float x, float y) {
  int wanted = kPointerDefault;
  if (InZone(x, list_.width)) wanted = kPointerSizeWE;
  if (InZone(y, list_.height)) wanted = kPointerSizeNS;
  if (wanted != list_pointer_) {
    list_pointer_ = wanted;
    return;
  }
  if (dragging_) Drag(list_, buttons, x, y);
}

void PlacementController::lstvideo_MouseUp() { dragging_ = false; }

void PlacementController::Nudge(float dx, float dy) {
  PlacementRect& target = Target();
  target.left += dx;
  target.top += dy;
  ShowPosition(target);
}

void PlacementController::view_ArrowKey(int dx, int dy, bool shift) {
  const float step = shift ? 150.0f : 15.0f;
  Nudge(static_cast<float>(dx) * step, static_cast<float>(dy) * step);
}

void PlacementController::SetText(PlacementBox box, const std::string& text) {
  switch (box) {
    case PlacementBox::X: txtx_ = text; break;
    case PlacementBox::Y: txty_ = text; break;
    case PlacementBox::VidWidth: txtvidwidth_ = text; break;
    case PlacementBox::VidHeight: txtvidheight_ = text; break;
  }
}

const std::string& PlacementController::Text(PlacementBox box) const {
  switch (box) {
    case PlacementBox::X: return txtx_;
    case PlacementBox::Y: return txty_;
    case PlacementBox::VidWidth: return txtvidwidth_;
    case PlacementBox::VidHeight: return txtvidheight_;
  }
  return txtx_;
}

bool PlacementController::txt_KeyPress(PlacementBox box, int key) {
  if (key != 13) return false;
  // Text that is no number is left in the box and changes nothing.
  std::optional<float> value = ParseTwips(Text(box));
  if (!value) return true;
  switch (box) {
    case PlacementBox::X: Target().left = *value; break;
    case PlacementBox::Y: Target().top = *value; break;
    // A window cannot be sized below nothing.
    case PlacementBox::VidWidth:
      if (*value >= 0) list_.width = *value;
      break;
    case PlacementBox::VidHeight:
      if (*value >= 0) list_.height = *value;
      break;
  }
  return true;
}

void PlacementController::cmdprev_Click() {
  if (caption_ == kPreviewStart) {
    if (list_visible_) {
      preview_alias_ = kPreviewAlias;
      frame_ = list_;
      frame_visible_ = true;
      list_visible_ = false;
      std::string file = TrimBlanks(inputs_.video_file);
      if (media_.OpenMultimedia(preview_alias_, file, "MpegVideo") == "Success" &&
          media_.PutMultimediaWindow(preview_alias_) == "Success") {
        media_.PlayMultimedia(preview_alias_);
      }
    } else {
      preview_active_ = 1;
    }
    caption_ = kPreviewStop;
  } else {
    if (frame_visible_) {
      media_.CloseMultimedia(preview_alias_);
      list_visible_ = true;
      frame_visible_ = false;
    } else {
      preview_active_ = 0;
    }
    picture_shown_ = true;
    caption_ = kPreviewStart;
  }
}

void PlacementController::cmdend_Click() {
  PlacementOutputs out;
  out.video_mode = inputs_.video_mode;
  if (inputs_.video_mode) {
    out.x = FormatTwips(list_.left);
    out.y = FormatTwips(list_.top);
    out.height = FormatTwips(list_.height);
    out.width = FormatTwips(list_.width);
  } else {
    out.x = FormatTwips(img_.left);
    out.y = FormatTwips(img_.top);
  }
  result_ = out;
  preview_active_ = 0;
}

void PlacementController::Form_Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  if (frame_visible_) media_.CloseMultimedia(preview_alias_);
  frame_visible_ = false;
  preview_active_ = 0;
}

}  // namespace orb
