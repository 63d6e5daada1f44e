// The player's start-up: reads menu.cfg and autorun.des, opens the start program (simple mode) or leads
// through the splash to the menu, and carries the start sound until its length has passed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cdformat/CdReaders.h"
#include "common/MediaCommands.h"

namespace orb {

enum class PlayerTimer { Play, Stay };  // tmrplay of the start-up window, tmrstay of the splash

// What the start-up needs from the windows around it.
class StartupView {
 public:
  virtual ~StartupView() = default;
  virtual MediaWindow StartupWindow() = 0;
  // The whole file, when it exists, can be read and is at most kMaxPlayerFileBytes.
  virtual FileRead ReadFile(const std::string& path, std::string& data) = 0;
  virtual void ShellOpen(MediaWindow owner, const std::string& operation, const std::string& target,
                         const std::string& parameters, const std::string& directory) = 0;
  // Loads the splash picture and shows the splash; false with a reason when the picture cannot be loaded.
  virtual bool ShowSplash(const std::string& path, std::string& error) = 0;
  virtual void UnloadSplash() = 0;
  // Loads and shows the menu window; false with a message when it cannot be built.
  virtual bool ShowMenu(std::string& error) = 0;
  virtual void UnloadStartupWindow() = 0;
  virtual void EnableTimer(PlayerTimer timer, bool enabled) = 0;
  // Shows one error message; the player then ends.
  virtual void Fail(const std::string& message) = 0;
  // The user's preferred UI languages as tags, the first preferred first.
  virtual std::vector<std::string> PreferredLanguages() { return {}; }
};

class StartupController {
 public:
  StartupController(std::string player_folder, MediaTransport& media, StartupView& view)
      : folder_(std::move(player_folder)), media_(media), view_(view) {}

  // Reads menu.cfg and, when present, pages.cfg; false (after view.Fail) when the player cannot go on.
  bool Load();
  // The start sequence, once after Load.
  void Run();
  void tmrplay_Timer();
  void tmrstay_Timer();
  // Closing of the start-up window, whoever causes it; only the first call does anything.
  void Form_Unload();

  const MenuConfig& Config() const { return config_; }
  const std::string& Folder() const { return folder_; }
  // The tag of the language version the menu opens in (the default's tag for the default).
  const std::string& Language() const { return language_; }
  int32_t StartSoundSeconds() const { return start_sound_seconds_; }
  int32_t ElapsedSeconds() const { return elapsed_seconds_; }
  bool Unloaded() const { return unloaded_; }

 private:
  bool LoadPages(FormatError& error);
  void ShowMenu();

  std::string folder_;
  MediaTransport& media_;
  StartupView& view_;
  MenuConfig config_;
  std::string language_;
  std::string sound_alias_;
  int32_t start_sound_seconds_ = 0;
  int32_t elapsed_seconds_ = 0;
  int16_t splash_ticks_ = 0;
  bool splash_shown_ = false;
  bool unloaded_ = false;
  bool failed_ = false;
};

}  // namespace orb
