// The update window's behaviour: its download button.
#include "editor/windows/UpdateWindowController.h"

#include <utility>

#include "editor/windows/MakerLinks.h"

namespace orb {

UpdateWindowController::UpdateWindowController(ShellSeam& shell, std::string information)
    : shell_(shell), information_(std::move(information)) {}

void UpdateWindowController::cmdupdate_Click() { shell_.Execute("open", kMakerDownloadPage, "", "", 1); }

}  // namespace orb
