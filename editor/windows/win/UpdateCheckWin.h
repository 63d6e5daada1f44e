// The Win32 side of the update check: WinINet, the hourglass and the update window (frmupdate).
#pragma once

#include <windows.h>

#include <string>

#include "editor/windows/UiSeams.h"
#include "editor/windows/UpdateCheck.h"

namespace orb {

// HTTP GET over WinINet: a direct connection, never from the cache.
class WinInetHttpGet : public HttpGetSeam {
 public:
  std::string Get(const std::string& url, std::size_t max_bytes) override;
};

// The hourglass over a window while the check waits for the server.
class WindowBusyCursor : public BusyCursorSeam {
 public:
  explicit WindowBusyCursor(HWND window) : window_(window) {}
  void SetBusy(bool busy) override;

 private:
  HWND window_;
};

// Shows frmupdate modally over owner.
class UpdateWindowView : public UpdateWindowSeam {
 public:
  UpdateWindowView(HWND owner, ShellSeam& shell) : owner_(owner), shell_(shell) {}
  void Show(const std::string& information) override;

 private:
  HWND owner_;
  ShellSeam& shell_;
};

// Help, "Check for Update...": the whole check over the real seams, the server taken from
// ORBMENU_UPDATE_SERVER when that is set (see editor/windows/MakerLinks.h).
void RunUpdateCheck(HWND main_window, MessageBoxSeam& messages, ShellSeam& shell);

}  // namespace orb
