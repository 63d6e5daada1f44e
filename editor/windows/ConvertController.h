// The conversion window (frmconprj): picks a 1.x project file and converts it next to itself in the 2.x
// layout through the project files' converter. Positions are twips (left, top, width, height).
#pragma once

#include <string>

#include "common/FileSystem.h"
#include "editor/windows/UiSeams.h"

namespace orb {

namespace frmconprj {
inline constexpr const char* kCaption = "Convert OBM Projects";
inline constexpr int kClientWidth = 4650, kClientHeight = 2385;
inline constexpr const char* kLabel1 = "Convert OBM 1.x projects to 2.x";
inline constexpr const char* kFrafile = "Select OBM 1.x Project File";
inline constexpr const char* kCmdconvert = "&Convert to OBM 2.x";
inline constexpr const char* kDialogTitle = "Select OBM 1.x Project File";
inline constexpr const char* kFilterDescription = "OBM 1.x Project Files (*.obm)";
inline constexpr const char* kFilterPattern = "*.obm*";
inline constexpr const char* kNothingChosen = "Please select OBM 1.x Project File first.";
struct Box {
  int left, top, width, height;
};
inline constexpr Box kShape1 = {0, 0, 4695, 780};
inline constexpr Box kImage1 = {195, 150, 465, 450};
inline constexpr Box kLabel1Box = {1005, 300, 3015, 255};
inline constexpr Box kFrafileBox = {165, 960, 4305, 750};
inline constexpr Box kTxtfnameBox = {165, 270, 3600, 285};  // inside the frame
inline constexpr Box kCmdindexBox = {3840, 225, 360, 360};  // inside the frame, right of txtfname
inline constexpr Box kCmdconvertBox = {2655, 1905, 1815, 345};
}  // namespace frmconprj

class ConvertController {
 public:
  // root_folder: the remembered root folder, where the file dialog starts.
  ConvertController(FileSystem& fs, FileDialogSeam& dialogs, MessageBoxSeam& messages, std::string root_folder);

  const std::string& txtfname() const { return txtfname_; }

  // The browse button: the chosen file goes into txtfname; Cancel leaves it as it was.
  void cmdindex_Click();
  // Converts the chosen file and reports; true when the window closes (after a successful conversion).
  bool cmdconvert_Click();

 private:
  FileSystem& fs_;
  FileDialogSeam& dialogs_;
  MessageBoxSeam& messages_;
  std::string root_folder_;
  std::string txtfname_;
};

}  // namespace orb
