// The editor's one menu project, its spots and action codes, and the simple-mode fields, with the
// operations that keep Dirty, HasFile, the spot list and the remembered root folder consistent.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cdformat/ActionKind.h"
#include "cdformat/LanguageVersion.h"

namespace orb {

// The entries of the spot editor's action list, in order; an entry's index is its code.
inline constexpr int kActionEntryCount = 11;
extern const char* const kActionEntryTexts[kActionEntryCount];

// The stored code for a selected action-list entry: entry 0 (and any entry off the list) is stored as 7.
int16_t ActionCodeForEntry(int entry);

struct MenuSpot {
  std::string Name;
  std::string ToolTip;
  int16_t Action = 0;
  std::string Target;
  std::string RolloverImage;
  int16_t X = 0;
  int16_t Y = 0;
  std::string MoveSound;
  std::string ClickSound;
  std::string MousePointer;
  int16_t VideoX = 0;
  int16_t VideoY = 0;
  int16_t VideoWidth = 0;
  int16_t VideoHeight = 0;

  bool operator==(const MenuSpot&) const = default;
};

// A page after the first: its own name, window title, background and spots. Page 1's fields are the
// project's own (CdTitle, BackgroundImage, Spots), so a one-page project is what it always was.
struct MenuPage {
  std::string Name;
  std::string CdTitle;
  std::string BackgroundImage;
  std::vector<MenuSpot> Spots;

  bool operator==(const MenuPage&) const = default;
};

// Page 1's name when the author gave none.
inline constexpr const char* kDefaultPageName = "Home";

// Whether two page names (or a Go to Page target and a name) are the same page: trimmed of blanks and
// compared without regard to ASCII case.
bool SamePageName(const std::string& a, const std::string& b);

struct SimpleAutorun {
  std::string RootFolder;
  std::string StartProgram;
  std::string AutorunIcon;
  std::string AutorunSound;
  std::string CommandLine;

  bool operator==(const SimpleAutorun&) const = default;
};

// The saved part of a project: what a project file holds and what Load replaces as a whole.
struct ProjectData {
  std::string RootFolder;
  std::string CdTitle;
  std::string CdIcon;
  std::string SoundFile;
  std::string BackgroundImage;
  std::string SplashImage;
  std::vector<MenuSpot> Spots;  // positions 1..SpotCount are Spots[0..SpotCount-1]
  std::string PageName = kDefaultPageName;  // page 1's name, the target that leads back to it
  std::vector<MenuPage> Pages;              // pages 2, 3, ... in order
  // The tag of the project's own texts (empty: the project has no language versions) and the versions.
  std::string DefaultLanguage;
  std::vector<LanguageVersion> Languages;

  int16_t SpotCount() const { return static_cast<int16_t>(Spots.size()); }
  bool operator==(const ProjectData&) const = default;
};

// Which project field a "Set a project field" operation changes.
enum class ProjectField { RootFolder, CdTitle, CdIcon, SoundFile, BackgroundImage, SplashImage };

extern const char* const kNewSpotEntry;      // " New Menu Spot", entry 0 of the spot list
extern const char* const kTitleSimple;       // "Orbmenu v2.0"
extern const char* const kTitleMenuPrefix;   // "Orbmenu v2.0 - "

// Why a page name was refused.
enum class PageNameProblem { None, Empty, Taken };

// Why a language tag was refused: not a tag's shape, or the tag of the default or another version.
enum class LanguageTagProblem { None, Invalid, Taken };

// A Go to Page spot that leads to a page: where it sits (both 1-based) and its name.
struct PageLink {
  int page = 0;
  int position = 0;
  std::string spot_name;

  bool operator==(const PageLink&) const = default;
};

class ProjectModel {
 public:
  static constexpr int kMaxSpots = 32767;

  const ProjectData& Data() const { return data_; }
  // The spots of the page being edited; the spot operations below act on that page too.
  const std::vector<MenuSpot>& Spots() const;
  int16_t SpotCount() const { return static_cast<int16_t>(Spots().size()); }
  // Spot at 1-based position i (1..SpotCount).
  const MenuSpot& Spot(int i) const { return Spots().at(static_cast<size_t>(i - 1)); }

  // --- pages (1-based; page 1 is the project's own title, background and spots) ---
  int PageCount() const { return 1 + static_cast<int>(data_.Pages.size()); }
  // The page being edited: page 1 after New, Load and the mode switches.
  int CurrentPage() const { return current_page_; }
  // False (and no change) for a page out of range.
  bool SelectPage(int page);
  const std::string& PageName(int page) const;
  std::vector<std::string> PageNames() const;
  // A name a page other than except_page could take: not empty and no other page's name.
  PageNameProblem CheckPageName(const std::string& name, int except_page = 0) const;
  // Appends a page of that name (trimmed) with empty fields; the current page stays.
  PageNameProblem AddPage(const std::string& name);
  // Renames a page; the Go to Page spots that named it follow it.
  PageNameProblem RenamePage(int page, const std::string& name);
  // The Go to Page spots on other pages that lead to page.
  std::vector<PageLink> LinksTo(int page) const;
  // Page 1 is neither deleted nor moved: it is the menu's start and the files hold it first. The spots
  // that led to a deleted page keep their target (the check names them). False for any other refusal.
  bool DeletePage(int page);
  // Moves a page one place up (-1) or down (+1) among pages 2 onwards; the current page follows it.
  bool MovePage(int page, int step);

  // --- language versions (0 is the default language, the project's own texts; k is Languages[k - 1]) ---
  int LanguageCount() const { return 1 + static_cast<int>(data_.Languages.size()); }
  // The language being edited: the default after New, Load and the mode switches.
  int CurrentLanguage() const { return current_language_; }
  // False (and no change) for a language out of range.
  bool SelectLanguage(int language);
  // The default's tag (possibly empty) for 0, else the version's.
  const std::string& LanguageTag(int language) const;
  // Appends a version of that tag (trimmed of blanks) without texts; the current language stays.
  LanguageTagProblem AddLanguage(const std::string& tag);
  // Removes version k (1-based) and its texts; the default is never removed. The default is edited next
  // when the version was the current one.
  bool RemoveLanguage(int language);
  // Sets the default's tag (trimmed); empty is allowed (a project may leave its own language unnamed).
  LanguageTagProblem SetDefaultLanguage(const std::string& tag);
  // The current version's text of a page (spot 0) or spot, empty when it gives none or the default is
  // current. Setting an empty value removes the text, so the field falls back to the default's.
  std::string LanguageText(LanguageField field, int page, int spot) const;
  void SetLanguageText(LanguageField field, int page, int spot, const std::string& value);

  const std::string& ProjectPath() const { return project_path_; }
  bool HasFile() const { return has_file_; }
  bool Dirty() const { return dirty_; }
  const std::string& RememberedRoot() const { return remembered_root_; }

  // New: empties the project; ProjectPath and the remembered root folder stay.
  void New();
  // Add spot: false (and no change) when the project already holds kMaxSpots spots.
  bool AddSpot(const MenuSpot& spot);
  // Replace / remove spot at 1-based position i; false for a position out of range.
  bool ReplaceSpot(int i, const MenuSpot& spot);
  bool RemoveSpot(int i);
  // Set a project field (typed or filled in by a browse button); marks the project dirty when the
  // value differs from the one held. CdTitle and BackgroundImage are the current page's.
  void SetField(ProjectField field, const std::string& value);
  const std::string& Field(ProjectField field) const;
  // Picking a root folder with the folder browser sets RootFolder and the remembered folder together.
  void SetRootFolderPicked(const std::string& folder);
  // The simple panel's root button: only the remembered folder follows it (the project stays clean).
  void SetRememberedRoot(const std::string& folder) { remembered_root_ = folder; }
  // Mode switches: entering the menu mode empties RootFolder (and the caller empties its simple
  // fields); leaving it empties the whole project and HasFile. Both empty the remembered folder.
  void ClearForEnteringMenuMode();
  void ClearForLeavingMenuMode();
  // Load: the whole project comes from a file at path; the remembered folder becomes its root.
  void ReplaceWhole(ProjectData data, const std::string& path);
  // Save succeeded to path.
  void MarkSaved(const std::string& path);
  // Sets ProjectPath without loading (start-up load from the command line or the settings).
  void SetProjectPath(const std::string& path) { project_path_ = path; }

  // The spot list: " New Menu Spot" then each spot's Name trimmed of blanks.
  std::vector<std::string> SpotListEntries() const;
  // Changes whenever the spot list or the page list may have changed, so that a view re-reads them only
  // then.
  uint64_t SpotListRevision() const { return spot_list_revision_; }
  // Main window title in the menu mode: the no-file form, or with ProjectPath once HasFile.
  std::string MenuModeTitle() const;

 private:
  ProjectData data_;
  std::string project_path_;
  std::string remembered_root_;
  bool has_file_ = false;
  bool dirty_ = false;
  uint64_t spot_list_revision_ = 0;
  int current_page_ = 1;
  int current_language_ = 0;

  std::vector<MenuSpot>& CurrentSpots();
  std::string& FieldRef(ProjectField field);
  void ListsChanged(bool dirty);
};

}  // namespace orb
