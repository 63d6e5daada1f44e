// The menu spot editor's rules; see SpotEditorController.h.
#include "editor/windows/SpotEditorController.h"

#include <string>

#include "common/LanguageTag.h"
#include "common/TextLines.h"
#include "editor/windows/TwipsText.h"

namespace orb {

namespace {

const char* const kProgramTitle = "Select a Program(or a File) for the Menu Spot.";

}  // namespace

BrowseRequest SpotBrowseRequest(int entry) {
  switch (entry) {
    case 1:
      return {"Select a Rollover Image for the Menu Spot.", kRolloverFilters};
    case 2:
    case 3:
      return {"Select a Sound File.", kSoundFilters};
    default:
      return {kProgramTitle, kAllFilters};
  }
}

SpotEditorController::SpotEditorController(ProjectModel& model, SpotListSink& list, MessageBoxSeam& messages,
                                           SpotFilePicker& picker, PlacementRunner placement,
                                           std::function<void(int)> open_help)
    : model_(model),
      list_(list),
      messages_(messages),
      picker_(picker),
      placement_(std::move(placement)),
      open_help_(std::move(open_help)) {
  for (SpotText f : {SpotText::X, SpotText::Y, SpotText::VidX, SpotText::VidY, SpotText::VidWidth,
                     SpotText::VidHeight}) {
    Ref(f) = "0";
  }
}

std::string& SpotEditorController::Ref(SpotText field) { return texts_[static_cast<int>(field)]; }

const std::string& SpotEditorController::Text(SpotText field) const { return texts_[static_cast<int>(field)]; }

void SpotEditorController::SetText(SpotText field, const std::string& text) { Ref(field) = text; }

void SpotEditorController::Inform(const std::string& text) {
  messages_.Show(text, "", MsgIcon::Information, MsgButtons::Ok);
}

void SpotEditorController::PresetNew() {
  cmbact_Click(0);
  tag_.clear();
}

void SpotEditorController::PresetFromSpot(int k) {
  const MenuSpot& s = model_.Spot(k);
  Ref(SpotText::Name) = s.Name;
  Ref(SpotText::ToolTip) = s.ToolTip;
  // A code outside the list (a hand-edited file) shows as "Do Nothing", which is what OK would store.
  cmbact_Click(s.Action >= ActionCode(ActionKind::None) && s.Action < kActionEntryCount
                   ? s.Action
                   : ActionCode(ActionKind::DoNothing));
  Ref(SpotText::Target) = s.Target;
  Ref(SpotText::Rollover) = s.RolloverImage;
  Ref(SpotText::X) = std::to_string(s.X);
  Ref(SpotText::Y) = std::to_string(s.Y);
  Ref(SpotText::MoveSound) = s.MoveSound;
  Ref(SpotText::ClickSound) = s.ClickSound;
  Ref(SpotText::Pointer) = s.MousePointer;
  Ref(SpotText::VidX) = std::to_string(s.VideoX);
  Ref(SpotText::VidY) = std::to_string(s.VideoY);
  Ref(SpotText::VidWidth) = std::to_string(s.VideoWidth);
  Ref(SpotText::VidHeight) = std::to_string(s.VideoHeight);
  tag_ = std::to_string(k);
  default_ = s;
  if (InLanguageVersion()) {
    int page = model_.CurrentPage();
    Ref(SpotText::ToolTip) = model_.LanguageText(LanguageField::ToolTip, page, k);
    Ref(SpotText::Rollover) = model_.LanguageText(LanguageField::Rollover, page, k);
    if (TargetIsVersions()) Ref(SpotText::Target) = model_.LanguageText(LanguageField::Target, page, k);
  }
}

bool SpotEditorController::TargetIsVersions() const {
  // A file, an address or a video can differ by language; a page, a tag or nothing cannot.
  switch (ActionOf(ActionCodeForEntry(action_entry_))) {
    case ActionKind::ExecuteFile:
    case ActionKind::OpenUrl:
    case ActionKind::SendMail:
    case ActionKind::PlayVideo: return true;
    default: return false;
  }
}

bool SpotEditorController::FieldEnabled(SpotText field) const {
  if (!InLanguageVersion()) return true;
  if (field == SpotText::Target) return TargetIsVersions();
  return field == SpotText::ToolTip || field == SpotText::Rollover;
}

std::string SpotEditorController::Hint(SpotText field) const {
  if (!InLanguageVersion() || !FieldEnabled(field) || !Text(field).empty()) return std::string();
  switch (field) {
    case SpotText::ToolTip: return default_.ToolTip;
    case SpotText::Rollover: return default_.RolloverImage;
    case SpotText::Target: return default_.Target;
    default: return std::string();
  }
}

std::vector<std::string> SpotEditorController::LanguageChoices() const {
  std::vector<std::string> tags;
  for (int language = 0; language < model_.LanguageCount(); ++language) {
    if (!model_.LanguageTag(language).empty()) tags.push_back(model_.LanguageTag(language));
  }
  return tags;
}

void SpotEditorController::cmblanguage_Click(int choice) {
  std::vector<std::string> tags = LanguageChoices();
  if (choice >= 0 && choice < static_cast<int>(tags.size())) Ref(SpotText::Target) = tags[static_cast<size_t>(choice)];
}

void SpotEditorController::cmbact_Click(int entry) {
  if (entry < 0 || entry >= kActionEntryCount) return;
  action_entry_ = entry;
  switch (entry) {
    case 1: target_enabled_ = true; target_browse_enabled_ = true; video_enabled_ = false; break;
    case 2:
    case 4:
    case 8: target_enabled_ = true; target_browse_enabled_ = false; video_enabled_ = false; break;
    case 10: target_enabled_ = true; target_browse_enabled_ = false; video_enabled_ = false; break;
    case 3:
    case 6:
    case 9: target_enabled_ = false; target_browse_enabled_ = false; video_enabled_ = false; break;
    case 5: target_enabled_ = true; target_browse_enabled_ = true; video_enabled_ = true; break;
    default: break;  // "Select an Action" and "Do Nothing" leave availability as it is
  }
}

int SpotEditorController::PageChoice() const {
  std::vector<std::string> pages = PageChoices();
  for (size_t i = 0; i < pages.size(); ++i) {
    if (SamePageName(pages[i], Text(SpotText::Target))) return static_cast<int>(i);
  }
  return -1;
}

void SpotEditorController::cmbpage_Click(int choice) {
  std::vector<std::string> pages = PageChoices();
  if (choice >= 0 && choice < static_cast<int>(pages.size())) Ref(SpotText::Target) = pages[static_cast<size_t>(choice)];
}

void SpotEditorController::imgbrowse_Click(int entry) {
  if (entry < 0 || entry > 4) return;
  if (entry == 0 && !target_browse_enabled_) return;
  static const SpotText kBrowsed[5] = {SpotText::Target, SpotText::Rollover, SpotText::MoveSound,
                                       SpotText::ClickSound, SpotText::Pointer};
  if (!FieldEnabled(kBrowsed[entry])) return;
  std::string chosen = picker_.PickAndAdopt(SpotBrowseRequest(entry), model_.RememberedRoot() + "imgmusic\\");
  if (chosen.empty()) return;
  static const SpotText kFields[5] = {SpotText::Target, SpotText::Rollover, SpotText::MoveSound,
                                      SpotText::ClickSound, SpotText::Pointer};
  Ref(kFields[entry]) = chosen;
}

void SpotEditorController::RunPlacement() {
  PlacementInputs in;
  in.video_mode = vidlocate_tag_ == "Video";
  in.background_image = model_.Field(ProjectField::BackgroundImage);
  in.rollover_image = Text(SpotText::Rollover);
  in.video_file = TrimBlanks(Text(SpotText::Target));
  in.txtx = Text(SpotText::X);
  in.txty = Text(SpotText::Y);
  in.txtvidx = Text(SpotText::VidX);
  in.txtvidy = Text(SpotText::VidY);
  in.txtvidwidth = Text(SpotText::VidWidth);
  in.txtvidheight = Text(SpotText::VidHeight);
  for (int i = 1; i <= model_.SpotCount(); ++i) {
    const MenuSpot& other = model_.Spot(i);
    if (tag_ == std::to_string(i) || TrimBlanks(other.RolloverImage).empty()) continue;  // the spot itself
    in.other_spots.push_back({TrimBlanks(other.RolloverImage), static_cast<float>(other.X), static_cast<float>(other.Y)});
  }
  std::optional<PlacementOutputs> out = placement_ ? placement_(in) : std::nullopt;
  // The placement window clears the tag however it was closed.
  vidlocate_tag_.clear();
  if (!out) return;
  if (out->video_mode) {
    Ref(SpotText::VidX) = out->x;
    Ref(SpotText::VidY) = out->y;
    Ref(SpotText::VidHeight) = out->height;
    Ref(SpotText::VidWidth) = out->width;
  } else {
    Ref(SpotText::X) = out->x;
    Ref(SpotText::Y) = out->y;
  }
}

void SpotEditorController::cmdlocate_Click() {
  if (InLanguageVersion()) return;  // the position is the default's
  if (Text(SpotText::Rollover).empty()) {
    Inform("Please select a Rollover image first.");
    return;
  }
  RunPlacement();
}

void SpotEditorController::cmdvidlocate_Click() {
  if (InLanguageVersion()) return;
  if (Text(SpotText::Target).empty()) {
    Inform("Please select a Video file first.");
    return;
  }
  vidlocate_tag_ = "Video";
  RunPlacement();
}

std::optional<MenuSpot> SpotEditorController::BuildSpot() {
  MenuSpot s;
  s.Name = Text(SpotText::Name);
  s.ToolTip = Text(SpotText::ToolTip);
  s.Action = ActionCodeForEntry(action_entry_);
  // Go Back has no target; a Go to Page target is a page's name as the page list holds it.
  if (ActionOf(s.Action) == ActionKind::GoToPage) {
    int page = PageChoice();
    if (page < 0) {
      Inform("Please select the page this menu spot leads to.");
      return std::nullopt;
    }
    s.Target = PageChoices()[static_cast<size_t>(page)];
  } else if (ActionOf(s.Action) == ActionKind::SwitchLanguage) {
    if (!ValidLanguageTag(Text(SpotText::Target))) {
      Inform("Please choose or type the language this menu spot switches to: a tag such as de, fr or pt-BR.");
      return std::nullopt;
    }
    s.Target = Text(SpotText::Target);
  } else if (ActionOf(s.Action) != ActionKind::GoBack) {
    s.Target = Text(SpotText::Target);
  }
  s.RolloverImage = Text(SpotText::Rollover);
  s.MoveSound = Text(SpotText::MoveSound);
  s.ClickSound = Text(SpotText::ClickSound);
  s.MousePointer = Text(SpotText::Pointer);
  std::optional<int16_t> x = TwipsToInt16(Text(SpotText::X)), y = TwipsToInt16(Text(SpotText::Y));
  if (!x || !y) {
    Inform("The co-ordinates of the rollover image must lie between -32768 and 32767. Please Click Locate again.");
    return std::nullopt;
  }
  std::optional<int16_t> v[4] = {TwipsToInt16(Text(SpotText::VidX)), TwipsToInt16(Text(SpotText::VidY)),
                                 TwipsToInt16(Text(SpotText::VidWidth)), TwipsToInt16(Text(SpotText::VidHeight))};
  for (const auto& value : v) {
    if (!value) {
      Inform("The co-ordinates and size of the video must lie between -32768 and 32767. Please Click Locate again.");
      return std::nullopt;
    }
  }
  s.X = *x;
  s.Y = *y;
  s.VideoX = *v[0];
  s.VideoY = *v[1];
  s.VideoWidth = *v[2];
  s.VideoHeight = *v[3];
  return s;
}

bool SpotEditorController::StoreVersionTexts() {
  std::optional<int16_t> k = ParseInt16(tag_);
  if (!k || *k < 1 || *k > model_.SpotCount()) {
    Inform("A new menu spot is made in the default language. Please choose it in the main window first.");
    return false;
  }
  int page = model_.CurrentPage();
  model_.SetLanguageText(LanguageField::ToolTip, page, *k, Text(SpotText::ToolTip));
  model_.SetLanguageText(LanguageField::Rollover, page, *k, Text(SpotText::Rollover));
  if (TargetIsVersions()) model_.SetLanguageText(LanguageField::Target, page, *k, Text(SpotText::Target));
  tag_.clear();
  return true;
}

bool SpotEditorController::cmdok_Click() {
  if (InLanguageVersion()) return StoreVersionTexts();
  if (Text(SpotText::Name).empty()) {
    Inform("Please Enter a menu name.");
    return false;
  }
  if (Text(SpotText::Rollover).empty()) {
    Inform("Please select a Rollover image and its co-ordinates.");
    return false;
  }
  if (Text(SpotText::X).empty() || Text(SpotText::Y).empty()) {
    Inform("Please Click Locate & locate the co-ordinates of rollover image.");
    return false;
  }
  std::optional<MenuSpot> spot = BuildSpot();
  if (!spot) return false;
  std::string listed = TrimBlanks(spot->Name);
  if (!tag_.empty()) {
    std::optional<int16_t> k = ParseInt16(tag_);
    if (!k || !model_.ReplaceSpot(*k, *spot)) return false;  // the tag always names a stored spot
    list_.RenameEntry(*k, listed);
    tag_.clear();
  } else {
    if (!model_.AddSpot(*spot)) {
      Inform("A project holds at most 32767 menu spots.");
      return false;
    }
    list_.AppendEntry(listed);
  }
  return true;
}

void SpotEditorController::Form_KeyDown_F1() {
  if (open_help_) open_help_(1004);
}

}  // namespace orb
