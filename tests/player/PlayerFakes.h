// Fakes of the player's seams that write everything that happens into one ordered log.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "player/MenuController.h"
#include "player/StartupController.h"
#include "tests/support/FakeMediaTransport.h"

namespace orb {

using Log = std::vector<std::string>;

// Media commands go into the log as "mci COMMAND".
struct LoggedMedia : FakeMediaTransport {
  explicit LoggedMedia(Log& log) : log(log) {}
  long Send(const std::string& command, std::string* returned) override {
    log.push_back("mci " + command);
    return FakeMediaTransport::Send(command, returned);
  }
  Log& log;
};

// A spot as the reader makes it, with its rollover at D:\over.bmp.
inline PlayerSpot Spot(int16_t action, std::string target = "", std::string move = "", std::string click = "") {
  PlayerSpot s;
  s.Action = action;
  s.Target = std::move(target);
  s.RolloverImage = "D:\\over.bmp";
  s.MoveSound = std::move(move);
  s.HasMoveSound = !TrimBlanks(s.MoveSound).empty();
  s.ClickSound = std::move(click);
  return s;
}

constexpr MediaWindow kStartupWindow = 100;
constexpr MediaWindow kMenuWindow = 200;

struct FakeStartupView : StartupView {
  explicit FakeStartupView(Log& log) : log(log) {}
  MediaWindow StartupWindow() override { return kStartupWindow; }
  FileRead ReadFile(const std::string& path, std::string& data) override {
    if (too_large.count(path)) return FileRead::kTooLarge;
    auto it = files.find(path);
    if (it == files.end()) return FileRead::kMissing;
    data = it->second;
    return FileRead::kRead;
  }
  void ShellOpen(MediaWindow owner, const std::string& operation, const std::string& target,
                 const std::string& parameters, const std::string& directory) override {
    log.push_back("shell " + std::to_string(owner) + " " + operation + " [" + target + "] [" + parameters + "] [" +
                  directory + "]");
  }
  bool ShowSplash(const std::string& path, std::string& error) override {
    log.push_back("splash " + path);
    if (broken_pictures.count(path)) error = "cannot be read";
    return !broken_pictures.count(path);
  }
  void UnloadSplash() override { log.push_back("unload splash"); }
  bool ShowMenu(std::string& error) override {
    log.push_back("menu");
    error = menu_error;
    return menu_error.empty();
  }
  void UnloadStartupWindow() override { log.push_back("unload startup"); }
  void EnableTimer(PlayerTimer timer, bool enabled) override {
    log.push_back(std::string(timer == PlayerTimer::Play ? "tmrplay " : "tmrstay ") + (enabled ? "on" : "off"));
  }
  void Fail(const std::string& message) override { log.push_back("fail " + message); }
  std::vector<std::string> PreferredLanguages() override { return preferred; }

  Log& log;
  std::map<std::string, std::string> files;
  std::vector<std::string> preferred;
  std::set<std::string> too_large;
  std::set<std::string> broken_pictures;
  std::string menu_error;
};

struct FakeMenuView : MenuView {
  explicit FakeMenuView(Log& log) : log(log) {}
  MediaWindow MenuHandle() override { return kMenuWindow; }
  MediaWindow VideoFrame(int spot) override { return frames.count(spot) ? 300 + spot : 0; }
  bool BuildShaped(const std::string&, const std::string& background, std::string& error) override {
    log.push_back("shaped " + background);
    return Picture(background, error);
  }
  bool BuildFramed(const std::string& caption, const std::string& background, std::string& error) override {
    log.push_back("framed [" + caption + "] " + background);
    return Picture(background, error);
  }
  FileRead ReadFile(const std::string& path, std::string& data) override {
    auto it = files.find(path);
    if (it == files.end()) return FileRead::kMissing;
    data = it->second;
    return FileRead::kRead;
  }
  bool SetIcon(const std::string& path, std::string& error) override {
    log.push_back("icon " + path);
    return Picture(path, error);
  }
  bool CreateSpot(int spot, const SpotLayout& l, std::string& error) override {
    std::string text = "spot " + std::to_string(spot) + " at " + std::to_string(l.x) + "," + std::to_string(l.y) +
                       " tip [" + l.tooltip + "] " + l.rollover;
    if (!l.cursor.empty()) text += " cursor " + l.cursor;
    if (l.has_video_frame) {
      frames.insert(spot);
      text += " video " + std::to_string(l.video_x) + "," + std::to_string(l.video_y) + "," +
              std::to_string(l.video_width) + "," + std::to_string(l.video_height);
    }
    log.push_back(text);
    for (const std::string* path : {&l.rollover, &l.cursor}) {
      if (broken_pictures.count(*path)) {
        error = *path + ": cannot be read";
        return false;
      }
    }
    return true;
  }
  void ShowRollover(int spot, const std::string&) override { log.push_back("show " + std::to_string(spot)); }
  void HideRollover(int spot) override { log.push_back("hide " + std::to_string(spot)); }
  void ShowVideoFrame(int spot) override { log.push_back("show frame " + std::to_string(spot)); }
  void ShellOpen(MediaWindow owner, const std::string& operation, const std::string& target,
                 const std::string& parameters, const std::string& directory) override {
    log.push_back("shell " + std::to_string(owner) + " " + operation + " [" + target + "] [" + parameters + "] [" +
                  directory + "]");
  }
  void CloseMenu() override { log.push_back("close menu"); }
  void UnloadStartupWindow() override { log.push_back("unload startup"); }
  void LeavePage() override {
    log.push_back("leave page");
    frames.clear();
  }
  void PageShown() override {
    log.push_back("page shown");
    if (on_page_shown) on_page_shown();
  }
  void Fail(const std::string& message) override { log.push_back("fail " + message); }
  void SetRightToLeft(bool rtl) override {
    if (rtl != right_to_left) log.push_back(rtl ? "right to left" : "left to right");
    right_to_left = rtl;
  }

  bool Picture(const std::string& path, std::string& error) {
    if (broken_pictures.count(path)) error = "cannot be read";
    return !broken_pictures.count(path);
  }

  Log& log;
  std::map<std::string, std::string> files;
  std::set<std::string> broken_pictures;
  std::set<int> frames;
  bool right_to_left = false;
  std::function<void()> on_page_shown;  // what the window does next, when a test needs it
};

}  // namespace orb
