// The conversion window's behaviour: the file dialog, the checks and the messages around the converter.
#include "editor/windows/ConvertController.h"

#include <utility>

#include "common/TextLines.h"
#include "common/PathText.h"
#include "project/LegacyConverter.h"

namespace orb {

ConvertController::ConvertController(FileSystem& fs, FileDialogSeam& dialogs, MessageBoxSeam& messages,
                                     std::string root_folder)
    : fs_(fs), dialogs_(dialogs), messages_(messages), root_folder_(std::move(root_folder)) {}

void ConvertController::cmdindex_Click() {
  FileDialogRequest request;
  request.title = frmconprj::kDialogTitle;
  request.filter_description = frmconprj::kFilterDescription;
  request.filter_pattern = frmconprj::kFilterPattern;
  request.initial_folder = root_folder_;
  request.must_exist = true;
  std::string chosen = dialogs_.Open(request);
  if (!chosen.empty()) txtfname_ = chosen;
}

bool ConvertController::cmdconvert_Click() {
  if (txtfname_.empty()) {
    messages_.Show(frmconprj::kNothingChosen, "", MsgIcon::Information, MsgButtons::Ok);
    return false;
  }
  // The derived name may be a project converted earlier and edited since: it is replaced only when asked.
  std::string target = LegacyConvertedName(txtfname_);
  if (fs_.Exists(target)) {
    if (messages_.Show(LeafName(target) + " already exists.\r\nDo you want to replace it?", frmconprj::kCaption,
                       MsgIcon::Exclamation, MsgButtons::YesNo) != MsgResult::Yes)
      return false;
  }
  std::string new_path;
  FormatError error;
  if (!ConvertLegacyProject(fs_, txtfname_, new_path, error)) {
    // Nothing was written under the new name; the window stays open for another choice.
    messages_.Show("The project could not be converted.\r\n" + error.Text(), "", MsgIcon::Critical,
                   MsgButtons::Ok);
    return false;
  }
  messages_.Show(LegacyConvertedMessage(txtfname_, new_path), "", MsgIcon::Information, MsgButtons::Ok);
  return true;
}

}  // namespace orb
