// The menu spot editor frmmenuspots: one MenuSpot's fields, the action rule, the browse and Locate buttons,
// and OK storing the spot into the project and the main window's spot list.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "project/ProjectModel.h"
#include "editor/windows/FilePicker.h"
#include "editor/windows/PlacementController.h"
#include "editor/windows/UiSeams.h"

namespace orb {

// The main window's spot list (cmbmenu): entry 0 is the placeholder, entry k is spot k.
class SpotListSink {
 public:
  virtual ~SpotListSink() = default;
  virtual void RenameEntry(int k, const std::string& text) = 0;
  virtual void AppendEntry(const std::string& text) = 0;
};

// Shows the placement window modally over the spot editor; the outputs of Finish, or none.
using PlacementRunner = std::function<std::optional<PlacementOutputs>(const PlacementInputs&)>;

enum class SpotText { Name, ToolTip, Target, Rollover, MoveSound, ClickSound, Pointer, X, Y, VidX, VidY, VidWidth, VidHeight };

// The browse dialogs of imgbrowse entries 0 to 4.
BrowseRequest SpotBrowseRequest(int entry);

class SpotEditorController {
 public:
  SpotEditorController(ProjectModel& model, SpotListSink& list, MessageBoxSeam& messages, SpotFilePicker& picker,
                       PlacementRunner placement, std::function<void(int)> open_help);

  // Create: action entry 0, empty tag. Edit: every field preset from spot k, tag k.
  void PresetNew();
  void PresetFromSpot(int k);

  const std::string& Text(SpotText field) const;
  void SetText(SpotText field, const std::string& text);  // typing into a field
  int Action() const { return action_entry_; }
  void cmbact_Click(int entry);  // selecting an entry runs the action rule

  // Go to Page: the target is picked from the project's pages (PageChoices) instead of typed.
  bool TargetIsPage() const { return action_entry_ == ActionCode(ActionKind::GoToPage); }
  std::vector<std::string> PageChoices() const { return model_.PageNames(); }
  // The choice the target names, or -1.
  int PageChoice() const;
  void cmbpage_Click(int choice);

  // Switch Language: the target is picked from the project's tags (LanguageChoices) or typed.
  bool TargetIsLanguage() const { return action_entry_ == ActionCode(ActionKind::SwitchLanguage); }
  std::vector<std::string> LanguageChoices() const;
  void cmblanguage_Click(int choice);

  // While the main window edits a language version, the tooltip, rollover picture and a file or address
  // target show and store that version's texts (empty: the default's, which Hint gives to show greyed);
  // every other field stays the default's and is disabled.
  bool InLanguageVersion() const { return model_.CurrentLanguage() > 0; }
  bool FieldEnabled(SpotText field) const;
  std::string Hint(SpotText field) const;
  bool ActionEnabled() const { return !InLanguageVersion(); }

  bool TargetEnabled() const { return target_enabled_ && FieldEnabled(SpotText::Target); }
  bool TargetBrowseEnabled() const { return target_browse_enabled_ && FieldEnabled(SpotText::Target); }
  bool VideoGroupEnabled() const { return video_enabled_ && !InLanguageVersion(); }
  const std::string& Tag() const { return tag_; }
  const std::string& VidLocateTag() const { return vidlocate_tag_; }

  void imgbrowse_Click(int entry);
  void cmdlocate_Click();
  void cmdvidlocate_Click();
  // True when the spot was stored and the dialog closes; false keeps it open with all input.
  bool cmdok_Click();
  void Form_KeyDown_F1();

 private:
  void RunPlacement();
  std::string& Ref(SpotText field);
  void Inform(const std::string& text);
  std::optional<MenuSpot> BuildSpot();
  bool StoreVersionTexts();
  bool TargetIsVersions() const;

  ProjectModel& model_;
  SpotListSink& list_;
  MessageBoxSeam& messages_;
  SpotFilePicker& picker_;
  PlacementRunner placement_;
  std::function<void(int)> open_help_;

  std::string texts_[13];
  MenuSpot default_;  // the spot as the default language has it, for the hints of a version's fields
  int action_entry_ = 0;
  bool target_enabled_ = true, target_browse_enabled_ = true, video_enabled_ = true;
  std::string tag_;
  std::string vidlocate_tag_;
};

}  // namespace orb
