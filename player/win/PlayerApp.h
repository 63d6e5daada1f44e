// The player program: the invisible start-up window frmmain, the splash window frmsplash and the menu
// window, with the start-up rules of StartupController; ends when its last window is gone.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "common/win/MciTransport.h"
#include "common/win/MfVideoEngine.h"
#include "common/win/PictureLoader.h"
#include "player/StartupController.h"
#include "player/win/MenuWindow.h"

namespace orb {

class PlayerApp : public StartupView, public MenuWindowHost {
 public:
  explicit PlayerApp(HINSTANCE instance);
  ~PlayerApp() override;

  // Runs the player from the given folder (PlayerFolder form) to its end; the process exit code.
  int Run(const std::string& folder);

  // StartupView
  MediaWindow StartupWindow() override { return reinterpret_cast<MediaWindow>(startup_); }
  FileRead ReadFile(const std::string& path, std::string& data) override;
  void ShellOpen(MediaWindow owner, const std::string& operation, const std::string& target,
                 const std::string& parameters, const std::string& directory) override;
  bool ShowSplash(const std::string& path, std::string& error) override;
  void UnloadSplash() override;
  bool ShowMenu(std::string& error) override;
  void UnloadStartupWindow() override;
  void EnableTimer(PlayerTimer timer, bool enabled) override;
  void Fail(const std::string& message) override;
  std::vector<std::string> PreferredLanguages() override;

  // MenuWindowHost
  void MenuClosed() override { QuitWhenAlone(); }

 private:
  LRESULT OnStartupMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnSplashMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void QuitWhenAlone();
  // Hands the splash picture, alpha and all, to the layered splash window at x, y; false when refused.
  bool ShowLayeredSplash(int x, int y);

  HINSTANCE instance_;
  MciTransport mci_{true};
  RoutedMediaTransport media_{mci_};
  std::unique_ptr<StartupController> startup_controller_;
  std::unique_ptr<MenuWindow> menu_;
  HWND startup_ = nullptr;
  HWND splash_ = nullptr;
  Picture splash_picture_;
  bool failing_ = false;
  int exit_code_ = 0;
};

}  // namespace orb
