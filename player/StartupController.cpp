// The player's start-up sequence; see StartupController.h.
#include "player/StartupController.h"

#include <cmath>

#include "cdformat/PagesFormat.h"
#include "cdformat/PagesReader.h"
#include "common/MessagePath.h"
#include "player/MenuLanguage.h"

namespace orb {

bool StartupController::Load() {
  std::string path = folder_ + "\\menu.cfg";
  std::string data;
  FormatError error;
  if (FileRead read = view_.ReadFile(path, data); read != FileRead::kRead) {
    error = FileNotReadable(path, read);
  } else if (ReadMenuConfig(data, folder_, path, config_, error) && LoadPages(error)) {
    language_ = ChooseMenuLanguage(config_, view_.PreferredLanguages());
    return true;
  }
  failed_ = true;
  view_.Fail(error.Text());
  return false;
}

bool StartupController::LoadPages(FormatError& error) {
  // Without the file the menu is the one page it always was. A simple autorun has it only for the true
  // texts of its program, sound and command line: one it cannot read leaves autorun.des's texts, since the
  // program must still start.
  std::string path = folder_ + "\\" + kPagesFileName;
  std::string data;
  FileRead read = view_.ReadFile(path, data);
  if (read == FileRead::kMissing) return true;
  if (!config_.MenuMode) {
    if (read == FileRead::kRead) ReadSimpleTrueTexts(data, folder_, path, config_);
    return true;
  }
  if (read == FileRead::kTooLarge) {
    error = FileNotReadable(path, read);
    return false;
  }
  return ReadPagesConfig(data, folder_, path, config_, error);
}

void StartupController::Run() {
  if (failed_) return;
  if (!config_.SplashPath.empty()) {
    std::string error;
    if (!view_.ShowSplash(config_.SplashPath, error)) {
      failed_ = true;
      view_.Fail(MessagePath(config_.SplashPath) + ": the splash picture " + error);
      return;
    }
    splash_shown_ = true;
    view_.EnableTimer(PlayerTimer::Stay, true);
  }
  sound_alias_ = "audio3";

  std::string des;
  if (view_.ReadFile(folder_ + "\\autorun.des", des) != FileRead::kRead) des.clear();  // a record of zeros
  AutorunRecord record = ReadAutorunDes(des);
  // pages.cfg's true texts of what the code page lacks.
  if (!config_.StartSound.empty()) record.AutorunSound = config_.StartSound;
  if (!config_.StartProgram.empty()) record.StartProgram = config_.StartProgram;
  if (!config_.CommandLine.empty()) record.CommandLine = config_.CommandLine;

  if (!config_.MenuMode && (record.StartProgram.empty() || record.StartProgram[0] != '\0')) {
    std::string parameters = record.CommandLine.empty() ? std::string() : " " + record.CommandLine;
    view_.ShellOpen(view_.StartupWindow(), "Open", TrimBlanks(folder_ + record.StartProgram), parameters, "");
  }
  if (!record.AutorunSound.empty()) {
    OpenSound(media_, PlayerPath(folder_, record.AutorunSound), sound_alias_, view_.StartupWindow());
    int32_t ms = GetMultimediaMilliseconds(media_, sound_alias_);
    start_sound_seconds_ = ms < 0 ? 0 : static_cast<int32_t>(std::nearbyint(ms / 1000.0));
    SendMediaCommand(media_, "play " + sound_alias_);
  }
  view_.EnableTimer(PlayerTimer::Play, true);
  if (config_.MenuMode && config_.SplashPath.empty()) ShowMenu();
  if (!config_.MenuMode && record.AutorunSound.empty()) Form_Unload();
}

void StartupController::tmrplay_Timer() {
  if (unloaded_) return;
  ++elapsed_seconds_;
  if (elapsed_seconds_ > start_sound_seconds_) Form_Unload();
}

void StartupController::tmrstay_Timer() {
  if (!splash_shown_) return;
  ++splash_ticks_;
  if (splash_ticks_ > 3) {
    splash_shown_ = false;
    view_.EnableTimer(PlayerTimer::Stay, false);
    view_.UnloadSplash();
    ShowMenu();
  }
}

void StartupController::Form_Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  view_.EnableTimer(PlayerTimer::Play, false);
  SendMediaCommand(media_, "Close audio3");
  view_.UnloadStartupWindow();
}

void StartupController::ShowMenu() {
  std::string error;
  if (!view_.ShowMenu(error)) {
    failed_ = true;
    view_.Fail(error);
  }
}

}  // namespace orb
