// The menu window frmmenu: the background picture with one invisible child window per spot, tooltips,
// cursors, rollovers and video frames; the rules live in MenuController.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/win/PictureLoader.h"
#include "player/MenuController.h"
#include "player/SpotFocus.h"
#include "player/win/MenuAccessible.h"

namespace orb {

// What the menu window needs from the player around it.
class MenuWindowHost {
 public:
  virtual ~MenuWindowHost() = default;
  virtual FileRead ReadFile(const std::string& path, std::string& data) = 0;
  virtual void ShellOpen(MediaWindow owner, const std::string& operation, const std::string& target,
                         const std::string& parameters, const std::string& directory) = 0;
  virtual void UnloadStartupWindow() = 0;
  // The menu window is gone (after its closing sequence).
  virtual void MenuClosed() = 0;
  // Shows one error message; the player then ends.
  virtual void Fail(const std::string& message) = 0;
};

class MenuWindow : public MenuView, private AccessibleSpots {
 public:
  // language: the tag of the version shown first (the default's texts for none).
  MenuWindow(HINSTANCE instance, const MenuConfig& config, const std::string& folder, MediaTransport& media,
             MenuWindowHost& host, const std::string& language = {});
  ~MenuWindow() override;

  // Creates, loads and shows the window; false with a message (the window is then gone again).
  bool Create(std::string& error);
  HWND Handle() const { return hwnd_; }
  MenuController& Controller() { return controller_; }

  // MenuView
  MediaWindow MenuHandle() override { return reinterpret_cast<MediaWindow>(hwnd_); }
  MediaWindow VideoFrame(int spot) override;
  bool BuildShaped(const std::string& caption, const std::string& background, std::string& error) override;
  bool BuildFramed(const std::string& caption, const std::string& background, std::string& error) override;
  FileRead ReadFile(const std::string& path, std::string& data) override {
    return host_.ReadFile(path, data);
  }
  bool SetIcon(const std::string& path, std::string& error) override;
  bool CreateSpot(int spot, const SpotLayout& layout, std::string& error) override;
  void ShowRollover(int spot, const std::string& path) override;
  void HideRollover(int spot) override;
  void ShowVideoFrame(int spot) override;
  void ShellOpen(MediaWindow owner, const std::string& operation, const std::string& target,
                 const std::string& parameters, const std::string& directory) override {
    host_.ShellOpen(owner, operation, target, parameters, directory);
  }
  void LeavePage() override;
  void PageShown() override;
  void SetRightToLeft(bool rtl) override;
  void Fail(const std::string& message) override { host_.Fail(message); }
  void CloseMenu() override { PostMessageW(hwnd_, WM_CLOSE, 0, 0); }
  void UnloadStartupWindow() override { host_.UnloadStartupWindow(); }

 private:
  // Posted by a page change: the spots of the page left are destroyed once no handler of theirs runs.
  static constexpr UINT kReapSpots = WM_APP + 2;
  // Loads the pictures of the pages the page shown leads to, one page a tick, after it has been painted.
  static constexpr UINT_PTR kPreloadTimer = 1;

  // AccessibleSpots
  int SpotCount() override { return static_cast<int>(spots_.size()); }
  std::string SpotName(int spot) override;
  RECT SpotScreenRect(int spot) override;
  int FocusedSpot() override;
  int SpotAtPoint(POINT screen) override;
  void PressSpot(int spot) override;
  void FocusSpot(int spot) override;

  struct Spot {
    HWND hwnd = nullptr;
    HWND frame = nullptr;
    HCURSOR cursor = nullptr;  // loaded from a file; null for the default hand
    Picture rollover;          // as last drawn, kept for the next time the pointer comes
    std::string rollover_path; // the file it came from and the DPI it was drawn for
    int rollover_dpi = 0;
    bool lit = false;          // the pointer is over the spot: its rollover is drawn
    SpotLayout layout;         // in 96-DPI pixels, for a later change of DPI
    SIZE size = {};            // its rollover picture's, at 96 DPI
    bool pressed = false;
  };

  // A page's background as drawn, and at other DPIs than 96 the file's own picture, whose outline a shaped
  // window takes.
  struct Background {
    Picture shown;
    Picture base;
  };

  LRESULT OnMenuMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnSpotMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  // The spot's and its video frame's places at the window's DPI.
  void PlaceSpot(Spot& spot);
  // The tooltips' text at the window's DPI.
  void SetTooltipFont();
  // The monitor's DPI changed (the window moved): everything laid out again at it, in the suggested place.
  void ChangeDpi(int dpi, const RECT& suggested);
  // Paints the background as seen from a child window whose top-left corner is at (x, y).
  void PaintBackground(HDC dc, int x, int y, const RECT& area) const;
  Spot* SpotAt(int spot);
  void CenterOnScreen(int width, int height);
  // A key press on the menu; false when the key is not the menu's.
  bool OnKey(WPARAM vk, LPARAM lp);
  // False for a mouse move the pointer did not make (windows changing under it).
  bool RealPointerMove();
  // Repaints the focus marks and tells screen readers after the lit spot may have changed.
  void FocusMoved(int before, bool cues_before, bool announce);
  // Sizes the framed window so that its client area just holds the background: centred at start, in its
  // place for a later page.
  void FitToBackground(bool keep_place);
  // Gives the window a new size in its place, moved back inside the work area where the size would leave it.
  void PlaceKept(int width, int height);
  // The background picture of that file, loaded once for the last few pages shown or led to; null with a
  // reason. `shown` marks it the one shown, never let go while it is.
  const Background* BackgroundOf(const std::string& path, std::string& error, bool shown);
  // A spot's size, its rollover picture's, read once per picture.
  bool SpotSize(const std::string& rollover, SIZE& size, std::string& error);
  // Loads the pictures of one page the page shown leads to, while the window has nothing else to do, so
  // that its first showing is as quick as a later one.
  void PreloadNextPage();
  // The spots' rectangles in client pixels, in order.
  std::vector<SpotArea> SpotAreas() const;
  void DestroySpots(std::vector<std::unique_ptr<Spot>>& spots);

  HINSTANCE instance_;
  MenuWindowHost& host_;
  MenuController controller_;
  HWND hwnd_ = nullptr;
  HWND tooltip_ = nullptr;
  HCURSOR hand_ = nullptr;
  HICON icon_ = nullptr;
  HFONT tooltip_font_ = nullptr;  // set while the window's DPI is not the system's
  const Background* background_ = nullptr;  // one of backgrounds_
  // The pictures of the pages shown last, most recent first: going back and forth loads nothing again,
  // and a menu of many large pages does not hold them all. Made again at a change of DPI.
  std::vector<std::pair<std::string, std::unique_ptr<Background>>> backgrounds_;
  std::map<std::string, SIZE> rollover_sizes_;  // a spot's size is its rollover picture's
  int dpi_ = 96;
  bool shaped_ = false;
  bool loaded_ = false;
  bool right_to_left_ = false;  // the language shown: its tooltips and caption read right to left
  int page_changes_ = 0;
  bool had_focus_ = false;  // whether the page left had the keyboard
  std::vector<std::unique_ptr<Spot>> spots_;
  // The spots of the page left: hidden at once, destroyed from the message loop, since the click that
  // changed the page may still be running in one of their window procedures.
  std::vector<std::unique_ptr<Spot>> retired_;
  SpotFocus keys_{controller_, *this};
  std::vector<std::string> spot_names_;
  MenuAccessible* accessible_ = nullptr;  // made on the first WM_GETOBJECT
};

}  // namespace orb
