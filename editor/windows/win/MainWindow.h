// The Win32 view of frmmain: creates the window, its two panels, the switch bar, every control and the
// menu bar; turns messages into controller intents and shows what the controller holds.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "editor/windows/MainWindowController.h"
#include "editor/windows/win/CaptionFitter.h"
#include "editor/windows/win/MainWindowLayout.h"

namespace orb {

class MainWindow {
 public:
  explicit MainWindow(MainWindowController::Seams seams);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window without showing it and runs the window-load steps. command_line: the
  // editor's arguments (a project file to open at start, or empty).
  bool Create(HINSTANCE instance, const std::string& command_line);
  HWND Handle() const { return hwnd_; }
  // A control by identifier, wherever it lives (form or panel); nullptr when unknown.
  HWND Control(int id) const;
  MainWindowController& Controller() { return controller_; }
  int Dpi() const { return dpi_; }

  // Accelerators of the menu bar, then dialog navigation (Tab, Shift+Tab, mnemonics); true when msg was
  // handled.
  bool PreTranslateMessage(MSG* msg);
  // Runs between a permitted close and the window's destruction (the closing fade).
  void SetClosingEffect(std::function<void()> effect) { closing_effect_ = std::move(effect); }
  // The closing fade: panels and bar hidden, the window blended out over two seconds.
  void FadeOut();
  // Whether destroying the window ends the message loop (off for in-process tests).
  void SetQuitOnDestroy(bool quit) { quit_on_destroy_ = quit; }
  // Re-reads the controller and updates every control that shows something else.
  void Sync();

 private:
  LRESULT OnFrameMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnPanelMessage(HWND panel, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  // Messages that the panels pass up to the window: commands, colours, cursors.
  bool OnSharedMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  void OnCommand(int id, int code, HWND control);
  void OnClose();
  void CreateControls();
  void AddTooltip(HWND control, const char* text);
  void ApplyDpi(int dpi);
  void Layout();
  void PlaceControl(const ControlSpec& spec);
  void LoadImages();
  void SyncText(int id, const std::string& text);
  void SyncSpotList();
  // The CD title box's tooltip: its own, or what a "?" in the title does.
  void SyncTitleTip();
  // The page list, its selection and which page buttons can act.
  void SyncPageRow();
  // The language list, its selection, the default's hints in a version's fields and what a version locks.
  void SyncLanguageRow();
  // The language row's commands; false for another control's.
  bool OnLanguageCommand(int id, int code, HWND control);
  // What a field shows: its text, or a version's hint where the field cannot show a cue banner.
  std::string ShownFieldText(MainField field) const;
  // Replaces a list's entries (cmbmenu, cmbpage) with entries where they differ.
  void RebuildList(HWND combo, const std::vector<std::string>& entries);
  void SyncTimer(UINT_PTR timer, bool enabled, bool& running);
  void SyncPanels();
  void RestoreFocus();
  SIZE WindowSizeForClient(int dpi) const;

  MainWindowController controller_;
  HINSTANCE instance_ = nullptr;
  HWND hwnd_ = nullptr;
  HWND panels_[2] = {nullptr, nullptr};
  HWND tooltip_ = nullptr;
  std::string title_tip_;  // the text the title box's tool holds now
  HMENU menu_ = nullptr;
  HACCEL accelerators_ = nullptr;
  MainFonts fonts_;
  CaptionFitter fitter_;  // room, or narrower fonts, for captions that the installed face makes too wide
  HBRUSH title_brush_ = nullptr;
  HICON icon_big_ = nullptr, icon_small_ = nullptr, arrow_up_ = nullptr, arrow_down_ = nullptr;
  HICON folder_icon_ = nullptr, browse_icon_ = nullptr;
  HCURSOR hand_ = nullptr, point_ = nullptr;
  HWND focus_ = nullptr;  // the control that had the focus when the window was last deactivated
  int dpi_ = 96;
  bool syncing_ = false;
  bool up_timer_running_ = false;
  bool down_timer_running_ = false;
  bool showing_arrow_down_ = false;
  uint64_t shown_spot_list_ = UINT64_MAX;  // the model's spot-list revision cmbmenu shows
  uint64_t shown_page_list_ = UINT64_MAX;  // and cmbpage
  std::vector<std::string> shown_languages_;  // cmblanguage's entries
  std::string shown_title_hint_;              // the title box's cue banner
  bool quit_on_destroy_ = true;
  std::function<void()> closing_effect_;
};

}  // namespace orb
