// The menu window's rules; see MenuController.h.
#include "player/MenuController.h"

#include "cdformat/PlayerFolder.h"
#include "common/MessagePath.h"

namespace orb {
namespace {

std::string MoveAlias(int spot) { return "alias" + std::to_string(spot); }

}  // namespace

std::string ShownText(std::string_view text, size_t max) {
  if (text.size() <= max) return std::string(text);
  return std::string(text.substr(0, max < 3 ? 0 : max - 3)) + std::string("...").substr(0, max);
}

const PlayerSpot* MenuController::Spot(int spot) const {
  if (spot < 1 || spot > static_cast<int>(config_.Spots.size())) return nullptr;
  return &config_.Spots[spot - 1];
}

bool MenuController::HasVideoFrame(const PlayerSpot& spot) const {
  // The reader puts the folder in front of a video target; a blank target line leaves the folder alone.
  return ActionOf(spot.Action) == ActionKind::PlayVideo && spot.Target != folder_ &&
         !TrimBlanks(spot.Target).empty();
}

std::string MenuController::WorkingFolder() const {
  // "D:" alone would mean the drive's current folder, not its root.
  return folder_.size() == 2 && folder_[1] == ':' ? folder_ + "\\" : folder_;
}

bool MenuController::Form_Load(std::string& error) {
  std::string reason;
  if (IsShaped(config_.CdTitle)) {
    if (!view_.BuildShaped(config_.BackgroundPath, reason)) {
      error = MessagePath(config_.BackgroundPath) + ": the background picture " + reason;
      return false;
    }
  } else if (!view_.BuildFramed(ShownText(TrimBlanks(config_.CdTitle), kMaxCaptionText),
                                config_.BackgroundPath, reason)) {
    error = MessagePath(config_.BackgroundPath) + ": the background picture " + reason;
    return false;
  }

  for (size_t i = 0; i < config_.Spots.size(); ++i) {
    const PlayerSpot& spot = config_.Spots[i];
    if (spot.HasMoveSound) {
      OpenSound(media_, PlayerPath(folder_, spot.MoveSound), MoveAlias(static_cast<int>(i + 1)),
                view_.MenuHandle());
    }
  }

  std::string inf_path = folder_ + "\\autorun.inf", inf, icon;
  FormatError inf_error;
  if (FileRead read = view_.ReadFile(inf_path, inf); read != FileRead::kRead) {
    error = FileNotReadable(inf_path, read).Text();
    return false;
  }
  if (!ReadAutorunInfIcon(inf, inf_path, icon, inf_error)) {
    error = inf_error.Text();
    return false;
  }
  if (icon != "Orbstart.exe") {
    std::string icon_path = folder_ + icon;
    if (!view_.SetIcon(icon_path, reason)) {
      error = MessagePath(icon_path) + ": the icon named in " + MessagePath(inf_path) + " " + reason;
      return false;
    }
  }

  for (size_t i = 0; i < config_.Spots.size(); ++i) {
    const PlayerSpot& spot = config_.Spots[i];
    SpotLayout layout;
    layout.x = TwipsToPixels(spot.X);
    layout.y = TwipsToPixels(spot.Y);
    layout.has_video_frame = HasVideoFrame(spot);
    if (layout.has_video_frame) {
      layout.video_x = TwipsToPixels(spot.VideoX);
      layout.video_y = TwipsToPixels(spot.VideoY);
      layout.video_width = TwipsToPixels(spot.VideoWidth);
      layout.video_height = TwipsToPixels(spot.VideoHeight);
    }
    layout.tooltip = ShownText(TrimBlanks(spot.ToolTip), kMaxTooltipText);
    layout.rollover = spot.RolloverImage;
    layout.cursor = spot.MousePointer;
    if (!view_.CreateSpot(static_cast<int>(i + 1), layout, error)) return false;
  }
  return true;
}

void MenuController::PointerOverSpot(int spot) {
  const PlayerSpot* s = Spot(spot);
  if (!s || spot == current_spot_) return;
  view_.ShowRollover(spot, s->RolloverImage);
  if (current_spot_ != 0) view_.HideRollover(current_spot_);
  if (s->HasMoveSound) {
    SendMediaCommand(media_, "Stop " + MoveAlias(last_spot_));
    SendMediaCommand(media_, "play " + MoveAlias(spot) + " from 0");
  }
  current_spot_ = static_cast<int16_t>(spot);
  last_spot_ = spot;
}

void MenuController::PointerOverBackground() {
  if (current_spot_ != 0) view_.HideRollover(current_spot_);
  current_spot_ = 0;
}

void MenuController::img_Click(int spot) {
  const PlayerSpot* s = Spot(spot);
  if (!s || unloaded_) return;
  MediaWindow owner = view_.MenuHandle();
  switch (ActionOf(s->Action)) {
    case ActionKind::ExecuteFile:
      view_.ShellOpen(owner, "open", s->Target, "", WorkingFolder());
      break;
    case ActionKind::OpenUrl:
      view_.ShellOpen(owner, "open", TrimBlanks(s->Target), "", WorkingFolder());
      break;
    case ActionKind::ExploreCd:
      view_.ShellOpen(owner, "open", folder_ + "\\", "", WorkingFolder());
      break;
    case ActionKind::SendMail:
      view_.ShellOpen(owner, "open", std::string("mailto:") + kSupportMailAddress, "", WorkingFolder());
      break;
    case ActionKind::PlayVideo:
      if (HasVideoFrame(*s)) PlayVideo(spot);
      break;
    case ActionKind::ExitMenu:
      SendMediaCommand(media_, "Close " + click_alias_);
      view_.CloseMenu();
      return;
    case ActionKind::DoNothing:
      return;
    default:
      break;
  }
  PlayClickSound(*s);
}

void MenuController::PlayVideo(int spot) {
  video_alias_base_ = "playthemovie";
  std::string alias = video_alias_base_ + std::to_string(spot);
  MediaWindow frame = view_.VideoFrame(spot);
  if (OpenMultimedia(media_, frame, alias, Spot(spot)->Target, kVideoDevice) != kMediaSuccess) return;
  int width = 0, height = 0;
  if (PutMultimediaWindow(media_, frame, alias, 0, 0, width, height) != kMediaSuccess) return;
  std::string from, to;
  PlayMultimedia(media_, alias, from, to);
  view_.ShowVideoFrame(spot);
}

void MenuController::PlayClickSound(const PlayerSpot& spot) {
  SendMediaCommand(media_, "Close " + click_alias_);
  click_alias_ = "audio2";
  if (spot.ClickSound.empty()) return;
  OpenSound(media_, spot.ClickSound, click_alias_, view_.MenuHandle());
  SendMediaCommand(media_, "play " + click_alias_);
}

void MenuController::Form_Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  for (size_t n = 1; n <= config_.Spots.size(); ++n) {
    SendMediaCommand(media_, "Close alias" + std::to_string(n));
    CloseMultimedia(media_, video_alias_base_ + std::to_string(n));
  }
  SendMediaCommand(media_, "Close audio2");
  view_.UnloadStartupWindow();
}

}  // namespace orb
