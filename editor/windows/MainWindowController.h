// State and rules of the editor's main window frmmain: the two mode panels and the slide between them,
// the root and file buttons, the spot list buttons, the menu commands and the generator buttons.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/FileSystem.h"
#include "common/SettingsStore.h"
#include "output/Generator.h"
#include "output/ProjectCheck.h"
#include "project/ProjectModel.h"
#include "editor/windows/CaptionLayout.h"
#include "editor/windows/FilePicker.h"
#include "editor/windows/GenerateController.h"
#include "editor/windows/UiSeams.h"

namespace orb {

namespace frmmain {
constexpr int kClientWidth = 7440;
constexpr int kClientHeight = 5520;
constexpr int kPanelTop = 360;
constexpr int kPanelHeight = 4815;  // designed height of both panels
constexpr int kBarLeft = 20;
constexpr int kBarWidth = 7440;
constexpr int kBarHeight = 375;
constexpr int kBarBottomTop = 5160;  // the bar's top while the simple panel is shown
constexpr int kSlideStep = 120;      // twips moved on each timer tick
}  // namespace frmmain

// Entries of the menu bar, dispatched by MainWindowController::OnMenu.
enum class MainMenuCommand {
  NewProject, LoadProject, SaveProject, MakeDiscImage, Exit,  // File
  Convert, Options,                            // Tools
  Contents, Website, MoreSoftware, Update, About,  // Help
};

// Which text field of the window a value belongs to.
enum class MainField {
  txtroot, txtindex0, txtindex1, txtindex2, txtcmdline,           // simple panel
  txtroot2, txtindex2_0, txtindex2_1, txtindex2_2, txtindex2_3,  // menu panel (CdIcon, SoundFile,
  txtcdtitle,                                                     //   BackgroundImage, SplashImage)
};

// The version's field a main window field shows while a language version is selected, if any.
std::optional<LanguageField> VersionField(MainField field);

// Where later windows plug into the main window. Unset hooks make their entry do nothing.
struct MainWindowHooks {
  std::function<void()> new_project, load_project, save_project;  // File menu (project entries)
  std::function<void()> close_window;       // Exit entry: closes through the quit prompt
  // Make Disc Image, after the root has been generated: the root's check subject and the image's label.
  DiscImageStep make_disc_image;
  std::function<void()> convert, options;   // Tools menu: modal windows
  std::function<void(int context)> help;    // Contents: help topic 1001 (simple) or 1002 (menu)
  std::function<void()> check_update, about;
  std::function<void()> create_spot;        // spot editor for a new spot (background already checked)
  std::function<void(int position)> edit_spot;  // spot editor on spot `position` (1-based)
  std::function<void()> menu_slide_ended;   // end of the slide into the menu panel (start-up load)
  std::function<void()> activated;          // each activation of the window (start-up load)
  std::function<bool()> query_close;        // quit prompt; false keeps the window open
  std::function<bool()> leave_menu_mode;    // before leaving the menu panel; false stays in it
  // The small window that asks a page's name (Add, Rename): the caption and the name it starts with; the
  // name typed, or nothing when cancelled.
  std::function<std::optional<std::string>(const std::string& caption, const std::string& name)> page_name;
  // The same small window asking a language tag (Add, Set Default): the caption and the tag it starts with.
  std::function<std::optional<std::string>(const std::string& caption, const std::string& tag)> language_tag;
};

inline constexpr const char* kAddPageCaption = "Add Page";
inline constexpr const char* kRenamePageCaption = "Rename Page";
inline constexpr const char* kAddLanguageCaption = "Add Language";
inline constexpr const char* kDefaultLanguageCaption = "Default Language";
// The language list's first entry when the project's own language has no tag.
inline constexpr const char* kDefaultLanguageEntry = "Default";

class MainWindowController {
 public:
  struct Seams {
    MessageBoxSeam& messages;
    FileDialogSeam& dialogs;
    FolderBrowserSeam& folders;
    ShellSeam& shell;
    FileSystem& files;
    SettingsStore& settings;
  };
  explicit MainWindowController(Seams seams);

  ProjectModel& Model() { return model_; }
  const ProjectModel& Model() const { return model_; }
  MainWindowHooks& Hooks() { return hooks_; }
  // Called whenever state that the view shows has changed; the view re-reads everything it shows.
  void SetChangedListener(std::function<void()> listener) { changed_ = std::move(listener); }
  // Tell the view to re-read (for code that changed the model directly, like Load).
  void Changed() const {
    if (changed_) changed_();
  }

  // --- window load ---
  // command_line: the editor's arguments; module_path: the full path of the running program.
  // exists / full_path: a look-up of a file and GetFullPathNameA, passed in by the view.
  void Form_Load(const std::string& command_line, const std::string& module_path,
                 const std::function<bool(const std::string&)>& exists,
                 const std::function<std::string(const std::string&)>& full_path);
  void Form_Activate();
  // True when the window may close (the quit prompt said so).
  bool Form_QueryUnload();
  // The window is closing: records the last project when that option is on.
  void Form_Unload();

  const std::string& EditorFolder() const { return editor_folder_; }
  // The system directory (GetSystemDirectoryA), where the generator looks for the runtime library.
  void SetSystemFolder(const std::string& folder) { system_folder_ = folder; }
  // Runs the player's signing command (Options) for the generator buttons.
  void SetCommandRunner(CommandRunner* runner) { generate_.SetCommandRunner(runner); }
  const std::string& StartupProjectPath() const { return startup_project_path_; }
  void ClearStartupProjectPath() { startup_project_path_.clear(); }

  // --- what the view shows ---
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);
  bool ProjectEntriesEnabled() const { return project_entries_enabled_; }
  const std::string& PanelMark() const { return panel_mark_; }  // cmdani's Tag: "0" simple, "1" menu
  bool InMenuPanel() const { return panel_mark_ == "1"; }
  int SlideCounter() const { return slide_counter_; }
  bool UpTimerEnabled() const { return tmraniup_enabled_; }
  bool DownTimerEnabled() const { return tmranidown_enabled_; }
  int SimplePanelHeight() const { return simple_height_; }
  int BarTop() const { return bar_top_; }
  bool BarShowsArrowDown() const { return arrow_down_; }
  std::string FieldText(MainField field) const;
  const SimpleAutorun& Simple() const { return simple_; }
  // cmbmenu: entries and the selected position (-1 nothing selected).
  std::vector<std::string> SpotListEntries() const { return model_.SpotListEntries(); }
  // True (and shown_revision brought up to date) when the list changed since the view last showed it:
  // every keystroke elsewhere calls the view, and re-reading 32,767 names each time made typing crawl.
  bool SpotListChanged(uint64_t& shown_revision) const {
    if (shown_revision == model_.SpotListRevision()) return false;
    shown_revision = model_.SpotListRevision();
    return true;
  }
  int SelectedSpot() const { return selected_spot_; }
  // cmbpage: the project's pages; the page being edited is selected (0-based entry CurrentPage() - 1).
  std::vector<std::string> PageEntries() const { return model_.PageNames(); }
  // Which page buttons can act on the page being edited: page 1 stays first and stays.
  bool PageRemoveEnabled() const { return MakeUpEnabled() && model_.CurrentPage() > 1; }
  bool PageUpEnabled() const { return MakeUpEnabled() && model_.CurrentPage() > 2; }
  bool PageDownEnabled() const {
    return MakeUpEnabled() && model_.CurrentPage() > 1 && model_.CurrentPage() < model_.PageCount();
  }
  const std::string& PreviewTag() const { return cmdpreview2_tag_; }
  // cmblanguage: the default language (its tag, or "Default") then each version's tag; the language being
  // edited is selected (entry CurrentLanguage()).
  std::vector<std::string> LanguageEntries() const;
  // While a version is selected, the title and background show and edit its texts; the other fields and
  // the buttons that change the menu's make-up stay the default's and are disabled.
  bool InLanguageVersion() const { return model_.CurrentLanguage() > 0; }
  bool FieldEnabled(MainField field) const;
  // The root, icon, sound and splash buttons, Create and Delete of spots and the page buttons.
  bool MakeUpEnabled() const { return !InLanguageVersion(); }
  // The default's text, shown greyed in the title or background field while the version gives none.
  std::string FieldHint(MainField field) const;

  // --- user intents ---
  void cmdani_Click();
  void tmraniup_Timer();
  void tmranidown_Timer();
  void cmdroot_Click();
  void cmdroot2_Click();
  void cmdindex_Click(int entry);   // 0 icon, 1 start program, 2 sound
  void cmdindex2_Click(int entry);  // 0 icon, 1 sound, 2 background, 3 splash
  void txtcmdline_Change(const std::string& text);
  void txtcdtitle_Change(const std::string& text);
  // The title box's tooltip while the title holds "?", which shapes the menu; empty otherwise (the box's
  // own tip stands).
  std::string CdTitleTip() const;
  void cmbmenu_Click(int position);
  void cmdmenuspots_Click();
  void cmdedit_Click();
  void cmdDelete_Click();
  // The page row: choosing the page being edited, and the page buttons.
  void cmbpage_Click(int entry);
  void cmdaddpage_Click();
  void cmdrenamepage_Click();
  void cmdremovepage_Click();
  void cmdpageup_Click();
  void cmdpagedown_Click();
  // The language row: choosing the language being edited, Add, Remove and Set Default.
  void cmblanguage_Click(int entry);
  void cmdaddlanguage_Click();
  void cmdremovelanguage_Click();
  void cmddefaultlanguage_Click();
  void cmdgenerate_Click();
  void cmdpreview_Click();
  void cmdgenerate2_Click();
  void cmdpreview2_Click();
  void OnMenu(MainMenuCommand command);

  // The file dialog and adoption of the window's file buttons, which the spot editor uses too.
  FilePicker& Picker() { return picker_; }

  // Selects a spot list position (after the spot editor has added or renamed a spot).
  void SelectSpot(int position) {
    selected_spot_ = position;
    Changed();
  }

 private:
  GenerateMode Mode() const { return InMenuPanel() ? GenerateMode::Menu : GenerateMode::Simple; }
  void ShowInfo(const std::string& text, const std::string& title = std::string());
  // Asks a page name until the model takes it (apply) or the user cancels.
  void AskPageName(const std::string& caption, std::string name,
                   const std::function<PageNameProblem(const std::string&)>& apply);
  void PageEdited();
  // Asks a language tag until apply takes it or the user cancels.
  void AskLanguageTag(const std::string& caption, std::string tag,
                      const std::function<LanguageTagProblem(const std::string&)>& apply);

  Seams s_;
  MainWindowHooks hooks_;
  std::function<void()> changed_;
  ProjectModel model_;
  SimpleAutorun simple_;
  std::string title_ = kTitleSimple;
  std::string panel_mark_ = "0";
  std::string editor_folder_;
  std::string system_folder_;
  std::string startup_project_path_;
  std::string cmdpreview2_tag_;
  bool project_entries_enabled_ = false;
  bool tmraniup_enabled_ = false;
  bool tmranidown_enabled_ = false;
  bool arrow_down_ = false;
  int slide_counter_ = 0;
  int simple_height_ = frmmain::kPanelHeight;
  int bar_top_ = frmmain::kBarBottomTop;
  int selected_spot_ = 0;
  FilePicker picker_;
  GenerateController generate_;  // reads model_, simple_ and the two folders above at each press
};

// The editor's own folder with a trailing backslash, from the running program's full path.
std::string EditorFolderFromModulePath(const std::string& module_path);

}  // namespace orb
