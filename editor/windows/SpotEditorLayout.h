// The layout of the menu spot editor frmmenuspots: every control with its place in twips, its text and
// tool tip, listed in tab order (labels, which take no focus, first).
#pragma once

namespace orb::frmmenuspots {

enum class Kind { Label, RedLabel, Text, ReadOnlyText, ActionList, PageList, LanguageList, Browse, Button };

// What a control stands for in SpotEditorController.
enum class Role {
  None, txtmenuname, cmbact, txtindex0, txtindex1, txtindex2, txtindex3, txtindex4, txttooltip, txtx, txty,
  txtvidx, txtvidy, txtvidwidth, txtvidheight, imgbrowse0, imgbrowse1, imgbrowse2, imgbrowse3, imgbrowse4,
  cmdlocate, cmdvidlocate, cmdok, cmdcancel, VideoLabel,
  cmbpage,  // in txtindex0's place while the action is Go to Page
  cmblanguage,  // in txtindex0's place while the action is Switch Language: a tag picked or typed
};

struct Control {
  Kind kind;
  Role role;
  const char* text;
  int left, top, width, height;
  const char* tooltip;  // nullptr: none
};

constexpr const char* kCaption = "Menu Spot Details";
constexpr int kClientWidth = 5040, kClientHeight = 4875;

extern const Control kControls[];
extern const int kControlCount;

}  // namespace orb::frmmenuspots
