// The update window (frmupdate): the news about a newer version and the way to its download.
#pragma once

#include <string>

#include "editor/windows/UiSeams.h"

namespace orb {

inline constexpr const char* kUpdateWindowCaption = "New Version  of Orbmenu is available";

class UpdateWindowController {
 public:
  UpdateWindowController(ShellSeam& shell, std::string information);
  const std::string& txtinfo() const { return information_; }
  // Opens the download page; the window stays open.
  void cmdupdate_Click();
  // True: the view closes the window.
  bool cmdexit_Click() { return true; }

 private:
  ShellSeam& shell_;
  std::string information_;
};

}  // namespace orb
