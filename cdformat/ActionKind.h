// What a menu spot does when clicked: the code stored in the project file and in menu.cfg. Both
// programs compare codes through these names, so a new action or a renumbering has one place to change.
#pragma once

#include <cstdint>

namespace orb {

// None is the spot editor's "Select an Action" entry and is stored as DoNothing.
enum class ActionKind : int16_t {
  None = 0,
  ExecuteFile = 1,
  OpenUrl = 2,
  ExploreCd = 3,
  SendMail = 4,
  PlayVideo = 5,
  ExitMenu = 6,
  DoNothing = 7,
  GoToPage = 8,  // Target is the name of the page to show
  GoBack = 9,    // shows the page shown before this one
  SwitchLanguage = 10,  // Target is a language tag ("de", "pt-BR"): the menu's texts change to that version
};

// The kind of a stored code; a code of no kind (a hand-edited file) matches none of the names.
constexpr ActionKind ActionOf(int16_t code) { return static_cast<ActionKind>(code); }
constexpr int16_t ActionCode(ActionKind kind) { return static_cast<int16_t>(kind); }

// Whether a spot's target is a file path in the root (ExecuteFile, PlayVideo) rather than typed text.
constexpr bool TargetIsPath(int16_t action) {
  return ActionOf(action) == ActionKind::ExecuteFile || ActionOf(action) == ActionKind::PlayVideo;
}

}  // namespace orb
