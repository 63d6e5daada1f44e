// The menu window's rules; see MenuController.h.
#include "player/MenuController.h"

#include "cdformat/PagesReader.h"
#include "cdformat/PlayerFolder.h"
#include "common/LanguageTag.h"
#include "common/MessagePath.h"
#include "player/MenuLanguage.h"

namespace orb {
namespace {

std::string MoveAlias(int spot) { return "alias" + std::to_string(spot); }

}  // namespace

MenuController::MenuController(const MenuConfig& config, std::string player_folder, MediaTransport& media,
                               MenuView& view, std::string language)
    : config_(config),
      shown_(MenuInLanguage(config, language)),
      language_(std::move(language)),
      folder_(std::move(player_folder)),
      media_(media),
      view_(view) {}

std::string ShownText(std::string_view text, size_t max) {
  // The text is UTF-8: counted in characters, and never cut inside one.
  const size_t kept = max < 3 ? 0 : max - 3;
  size_t characters = 0, kept_bytes = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (characters == kept) kept_bytes = i;
    if (++characters > max) return std::string(text.substr(0, kept_bytes)) + std::string("...").substr(0, max);
  }
  return std::string(text);
}

const std::vector<PlayerSpot>& MenuController::PageSpots(int page) const {
  return page <= 1 ? shown_.Spots : shown_.Pages[page - 2].Spots;
}

const std::string& MenuController::PageBackground(int page) const {
  return page <= 1 ? shown_.BackgroundPath : shown_.Pages[page - 2].BackgroundPath;
}

int MenuController::FindPage(const std::string& name) const {
  const std::string wanted = TrimBlanks(name);
  if (SamePageName(wanted, shown_.PageName)) return 1;
  for (size_t i = 0; i < shown_.Pages.size(); ++i) {
    if (SamePageName(wanted, shown_.Pages[i].Name)) return static_cast<int>(i + 2);
  }
  return 0;
}

const std::string& MenuController::PageTitle() const {
  return page_ == 0 ? shown_.CdTitle : shown_.Pages[page_ - 1].Title;
}

const PlayerSpot* MenuController::Spot(int spot) const {
  const std::vector<PlayerSpot>& spots = Spots();
  if (spot < 1 || spot > static_cast<int>(spots.size())) return nullptr;
  return &spots[spot - 1];
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

bool MenuController::BuildWindow(std::string& error) {
  const std::string& background = PageBackground(Page());
  const std::string caption = ShownText(TrimBlanks(PageTitle()), kMaxCaptionText);
  std::string reason;
  bool built = IsShaped(PageTitle()) ? view_.BuildShaped(caption, background, reason)
                                     : view_.BuildFramed(caption, background, reason);
  if (!built) error = MessagePath(background) + ": the background picture " + reason;
  return built;
}

void MenuController::OpenMoveSounds() {
  const std::vector<PlayerSpot>& spots = Spots();
  for (size_t i = 0; i < spots.size(); ++i) {
    if (spots[i].HasMoveSound) {
      OpenSound(media_, PlayerPath(folder_, spots[i].MoveSound), MoveAlias(static_cast<int>(i + 1)),
                view_.MenuHandle());
    }
  }
}

bool MenuController::CreateSpots(std::string& error) {
  const std::vector<PlayerSpot>& spots = Spots();
  for (size_t i = 0; i < spots.size(); ++i) {
    const PlayerSpot& spot = spots[i];
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

bool MenuController::Form_Load(std::string& error) {
  view_.SetRightToLeft(IsRightToLeft(language_));
  if (!BuildWindow(error)) return false;
  OpenMoveSounds();

  std::string inf_path = folder_ + "\\autorun.inf", inf, icon, reason;
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
  return CreateSpots(error);
}

void MenuController::GoToPage(const std::string& name) {
  int page = FindPage(name);
  if (page == 0 || page == Page() || unloaded_) return;
  history_.push_back(page_);
  ShowPage(static_cast<size_t>(page - 1));
}

void MenuController::GoBack() {
  if (history_.empty() || unloaded_) return;
  size_t page = history_.back();
  history_.pop_back();
  ShowPage(page);
}

void MenuController::SwitchLanguage(const std::string& tag) {
  std::string wanted = MenuLanguageTag(config_, TrimBlanks(tag));
  if (unloaded_ || wanted.empty() || SameLanguageTag(wanted, language_)) return;
  // The spots of the page left close what they opened as they were, before the version changes them.
  LeavePage();
  language_ = std::move(wanted);
  shown_ = MenuInLanguage(config_, language_);
  view_.SetRightToLeft(IsRightToLeft(language_));
  EnterPage(page_);
}

void MenuController::ShowPage(size_t page) {
  LeavePage();
  EnterPage(page);
}

void MenuController::LeavePage() {
  // What plays on the page left ends with it: its move sounds and its videos, whose frames go with the spots.
  const std::vector<PlayerSpot>& old_spots = Spots();
  for (size_t n = 1; n <= old_spots.size(); ++n) {
    if (old_spots[n - 1].HasMoveSound) SendMediaCommand(media_, "Close " + MoveAlias(static_cast<int>(n)));
    if (!video_alias_base_.empty() && HasVideoFrame(old_spots[n - 1])) {
      CloseMultimedia(media_, video_alias_base_ + std::to_string(n));
    }
  }
  view_.LeavePage();
}

void MenuController::EnterPage(size_t page) {
  page_ = page;
  current_spot_ = 0;
  last_spot_ = 0;
  std::string error;
  if (!BuildWindow(error)) return view_.Fail(error);
  OpenMoveSounds();
  if (!CreateSpots(error)) return view_.Fail(error);
  view_.PageShown();
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

void MenuController::PointerRestsOn(int spot) {
  if (!Spot(spot) || spot == current_spot_) return;
  view_.ShowRollover(spot, Spot(spot)->RolloverImage);
  if (current_spot_ != 0) view_.HideRollover(current_spot_);
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
    case ActionKind::GoToPage:
      GoToPage(s->Target);
      break;
    case ActionKind::GoBack:
      GoBack();
      break;
    case ActionKind::SwitchLanguage: {
      // The switch replaces the spots; the click sound is the clicked spot's as it was.
      const PlayerSpot clicked = *s;
      SwitchLanguage(clicked.Target);
      PlayClickSound(clicked);
      return;
    }
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
  for (size_t n = 1; n <= Spots().size(); ++n) {
    SendMediaCommand(media_, "Close alias" + std::to_string(n));
    CloseMultimedia(media_, video_alias_base_ + std::to_string(n));
  }
  SendMediaCommand(media_, "Close audio2");
  view_.UnloadStartupWindow();
}

}  // namespace orb
