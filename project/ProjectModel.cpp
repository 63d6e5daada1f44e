// The project model's operations; see ProjectModel.h.
#include "project/ProjectModel.h"

#include <algorithm>

#include "common/LanguageTag.h"
#include "common/TextLines.h"
#include "project/LanguageVersions.h"

namespace orb {

const char* const kActionEntryTexts[kActionEntryCount] = {
    "Select an Action", "Execute a File", "Open an url", "Explore Cd", "Send a mail",
    "Play Video File",  "Exit Menu",      "Do Nothing",  "Go to Page", "Go Back",
    "Switch Language",
};
const char* const kNewSpotEntry = " New Menu Spot";
const char* const kTitleSimple = "Orbmenu v2.0";
const char* const kTitleMenuPrefix = "Orbmenu v2.0 - ";

int16_t ActionCodeForEntry(int entry) {
  if (entry <= 0 || entry >= kActionEntryCount) return ActionCode(ActionKind::DoNothing);
  return static_cast<int16_t>(entry);
}

static char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SamePageName(const std::string& a, const std::string& b) {
  std::string x = TrimBlanks(a), y = TrimBlanks(b);
  if (x.size() != y.size()) return false;
  for (size_t i = 0; i < x.size(); ++i) {
    if (AsciiLower(x[i]) != AsciiLower(y[i])) return false;
  }
  return true;
}

const std::vector<MenuSpot>& ProjectModel::Spots() const {
  return current_page_ == 1 ? data_.Spots : data_.Pages[static_cast<size_t>(current_page_ - 2)].Spots;
}

std::vector<MenuSpot>& ProjectModel::CurrentSpots() { return const_cast<std::vector<MenuSpot>&>(Spots()); }

void ProjectModel::ListsChanged(bool dirty) {
  ++spot_list_revision_;
  if (dirty) dirty_ = true;
}

bool ProjectModel::SelectPage(int page) {
  if (page < 1 || page > PageCount()) return false;
  if (page != current_page_) {
    current_page_ = page;
    ListsChanged(false);
  }
  return true;
}

const std::string& ProjectModel::PageName(int page) const {
  return page <= 1 ? data_.PageName : data_.Pages.at(static_cast<size_t>(page - 2)).Name;
}

std::vector<std::string> ProjectModel::PageNames() const {
  std::vector<std::string> names;
  names.reserve(static_cast<size_t>(PageCount()));
  for (int page = 1; page <= PageCount(); ++page) names.push_back(PageName(page));
  return names;
}

PageNameProblem ProjectModel::CheckPageName(const std::string& name, int except_page) const {
  if (TrimBlanks(name).empty()) return PageNameProblem::Empty;
  for (int page = 1; page <= PageCount(); ++page) {
    if (page != except_page && SamePageName(PageName(page), name)) return PageNameProblem::Taken;
  }
  return PageNameProblem::None;
}

PageNameProblem ProjectModel::AddPage(const std::string& name) {
  PageNameProblem problem = CheckPageName(name);
  if (problem != PageNameProblem::None) return problem;
  MenuPage page;
  page.Name = TrimBlanks(name);
  data_.Pages.push_back(std::move(page));
  ListsChanged(true);
  return PageNameProblem::None;
}

PageNameProblem ProjectModel::RenamePage(int page, const std::string& name) {
  if (page < 1 || page > PageCount()) return PageNameProblem::Empty;
  PageNameProblem problem = CheckPageName(name, page);
  if (problem != PageNameProblem::None) return problem;
  std::string old_name = PageName(page);
  std::string new_name = TrimBlanks(name);
  if (old_name == new_name) return PageNameProblem::None;
  auto follow = [&](std::vector<MenuSpot>& spots) {
    for (MenuSpot& spot : spots) {
      if (ActionOf(spot.Action) == ActionKind::GoToPage && SamePageName(spot.Target, old_name)) spot.Target = new_name;
    }
  };
  follow(data_.Spots);
  for (MenuPage& other : data_.Pages) follow(other.Spots);
  (page == 1 ? data_.PageName : data_.Pages[static_cast<size_t>(page - 2)].Name) = new_name;
  ListsChanged(true);
  return PageNameProblem::None;
}

std::vector<PageLink> ProjectModel::LinksTo(int page) const {
  std::vector<PageLink> links;
  if (page < 1 || page > PageCount()) return links;
  const std::string& name = PageName(page);
  for (int from = 1; from <= PageCount(); ++from) {
    if (from == page) continue;
    const std::vector<MenuSpot>& spots =
        from == 1 ? data_.Spots : data_.Pages[static_cast<size_t>(from - 2)].Spots;
    for (size_t i = 0; i < spots.size(); ++i) {
      if (ActionOf(spots[i].Action) == ActionKind::GoToPage && SamePageName(spots[i].Target, name)) {
        links.push_back({from, static_cast<int>(i + 1), TrimBlanks(spots[i].Name)});
      }
    }
  }
  return links;
}

bool ProjectModel::DeletePage(int page) {
  if (page < 2 || page > PageCount()) return false;
  data_.Pages.erase(data_.Pages.begin() + (page - 2));
  LanguagesRemovePage(data_, page);
  if (current_page_ == page) {
    current_page_ = page - 1;  // the page before it, which always exists
  } else if (current_page_ > page) {
    --current_page_;
  }
  ListsChanged(true);
  return true;
}

bool ProjectModel::MovePage(int page, int step) {
  int to = page + step;
  if ((step != -1 && step != 1) || page < 2 || page > PageCount() || to < 2 || to > PageCount()) return false;
  std::swap(data_.Pages[static_cast<size_t>(page - 2)], data_.Pages[static_cast<size_t>(to - 2)]);
  LanguagesSwapPages(data_, page, to);
  if (current_page_ == page) {
    current_page_ = to;
  } else if (current_page_ == to) {
    current_page_ = page;
  }
  ListsChanged(true);
  return true;
}

void ProjectModel::New() {
  ++spot_list_revision_;
  current_page_ = 1;
  current_language_ = 0;
  std::string root = remembered_root_;
  data_ = ProjectData();
  has_file_ = false;
  dirty_ = false;
  remembered_root_ = root;
}

bool ProjectModel::AddSpot(const MenuSpot& spot) {
  if (Spots().size() >= static_cast<size_t>(kMaxSpots)) return false;
  CurrentSpots().push_back(spot);
  ++spot_list_revision_;
  dirty_ = true;
  return true;
}

bool ProjectModel::ReplaceSpot(int i, const MenuSpot& spot) {
  if (i < 1 || i > SpotCount()) return false;
  CurrentSpots()[static_cast<size_t>(i - 1)] = spot;
  ++spot_list_revision_;
  dirty_ = true;
  return true;
}

bool ProjectModel::RemoveSpot(int i) {
  if (i < 1 || i > SpotCount()) return false;
  CurrentSpots().erase(CurrentSpots().begin() + (i - 1));
  LanguagesRemoveSpot(data_, current_page_, i);
  ++spot_list_revision_;
  dirty_ = true;
  return true;
}

std::string& ProjectModel::FieldRef(ProjectField field) {
  ProjectData& d = data_;
  MenuPage* page = current_page_ == 1 ? nullptr : &d.Pages[static_cast<size_t>(current_page_ - 2)];
  switch (field) {
    case ProjectField::RootFolder: return d.RootFolder;
    case ProjectField::CdTitle: return page ? page->CdTitle : d.CdTitle;
    case ProjectField::CdIcon: return d.CdIcon;
    case ProjectField::SoundFile: return d.SoundFile;
    case ProjectField::BackgroundImage: return page ? page->BackgroundImage : d.BackgroundImage;
    case ProjectField::SplashImage: return d.SplashImage;
  }
  return d.CdTitle;
}

void ProjectModel::SetField(ProjectField field, const std::string& value) {
  std::string& current = FieldRef(field);
  // Like a text box's change event: setting the text it already holds is no change.
  if (current == value) return;
  current = value;
  dirty_ = true;
}

const std::string& ProjectModel::Field(ProjectField field) const {
  return const_cast<ProjectModel*>(this)->FieldRef(field);
}

void ProjectModel::SetRootFolderPicked(const std::string& folder) {
  remembered_root_ = folder;
  if (data_.RootFolder == folder) return;
  data_.RootFolder = folder;
  dirty_ = true;
}

void ProjectModel::ClearForEnteringMenuMode() {
  data_.RootFolder.clear();
  remembered_root_.clear();
  dirty_ = false;
}

void ProjectModel::ClearForLeavingMenuMode() {
  ++spot_list_revision_;
  current_page_ = 1;
  current_language_ = 0;
  data_ = ProjectData();
  remembered_root_.clear();
  has_file_ = false;
  dirty_ = false;
}

void ProjectModel::ReplaceWhole(ProjectData data, const std::string& path) {
  ++spot_list_revision_;
  current_page_ = 1;
  current_language_ = 0;
  data_ = std::move(data);
  remembered_root_ = data_.RootFolder;
  project_path_ = path;
  has_file_ = true;
  dirty_ = false;
}

void ProjectModel::MarkSaved(const std::string& path) {
  project_path_ = path;
  has_file_ = true;
  dirty_ = false;
}

std::vector<std::string> ProjectModel::SpotListEntries() const {
  std::vector<std::string> entries;
  entries.reserve(Spots().size() + 1);
  entries.emplace_back(kNewSpotEntry);
  for (const MenuSpot& spot : Spots()) entries.push_back(TrimBlanks(spot.Name));
  return entries;
}

std::string ProjectModel::MenuModeTitle() const {
  if (!has_file_) return std::string(kTitleMenuPrefix) + "(New project.obm)";
  return std::string(kTitleMenuPrefix) + "(" + project_path_ + ")";
}

// --- language versions ---

bool ProjectModel::SelectLanguage(int language) {
  if (language < 0 || language >= LanguageCount()) return false;
  if (language != current_language_) {
    current_language_ = language;
    ListsChanged(false);
  }
  return true;
}

const std::string& ProjectModel::LanguageTag(int language) const {
  return language <= 0 ? data_.DefaultLanguage : data_.Languages.at(static_cast<size_t>(language - 1)).Tag;
}

static LanguageTagProblem CheckLanguageTag(const ProjectModel& model, const std::string& tag, int except) {
  if (!ValidLanguageTag(tag)) return LanguageTagProblem::Invalid;
  for (int language = 0; language < model.LanguageCount(); ++language) {
    if (language != except && SameLanguageTag(model.LanguageTag(language), tag)) return LanguageTagProblem::Taken;
  }
  return LanguageTagProblem::None;
}

LanguageTagProblem ProjectModel::AddLanguage(const std::string& tag) {
  std::string trimmed = TrimBlanks(tag);
  LanguageTagProblem problem = CheckLanguageTag(*this, trimmed, -1);
  if (problem != LanguageTagProblem::None) return problem;
  data_.Languages.push_back({trimmed, {}});
  ListsChanged(true);
  return LanguageTagProblem::None;
}

bool ProjectModel::RemoveLanguage(int language) {
  if (language < 1 || language >= LanguageCount()) return false;
  data_.Languages.erase(data_.Languages.begin() + (language - 1));
  if (current_language_ == language) {
    current_language_ = 0;
  } else if (current_language_ > language) {
    --current_language_;
  }
  ListsChanged(true);
  return true;
}

LanguageTagProblem ProjectModel::SetDefaultLanguage(const std::string& tag) {
  std::string trimmed = TrimBlanks(tag);
  if (!trimmed.empty()) {
    LanguageTagProblem problem = CheckLanguageTag(*this, trimmed, 0);
    if (problem != LanguageTagProblem::None) return problem;
  }
  if (trimmed != data_.DefaultLanguage) {
    data_.DefaultLanguage = trimmed;
    ListsChanged(true);
  }
  return LanguageTagProblem::None;
}

std::string ProjectModel::LanguageText(LanguageField field, int page, int spot) const {
  if (current_language_ < 1) return std::string();
  for (const orb::LanguageText& text : data_.Languages[static_cast<size_t>(current_language_ - 1)].Texts) {
    if (text.Field == field && text.Page == page && text.Spot == spot) return text.Value;
  }
  return std::string();
}

void ProjectModel::SetLanguageText(LanguageField field, int page, int spot, const std::string& value) {
  if (current_language_ < 1) return;
  std::vector<orb::LanguageText>& texts = data_.Languages[static_cast<size_t>(current_language_ - 1)].Texts;
  auto it = std::find_if(texts.begin(), texts.end(), [&](const orb::LanguageText& t) {
    return t.Field == field && t.Page == page && t.Spot == spot;
  });
  if (it == texts.end()) {
    if (value.empty()) return;
    texts.push_back({field, page, spot, value});
  } else if (value.empty()) {
    texts.erase(it);
  } else if (it->Value == value) {
    return;
  } else {
    it->Value = value;
  }
  dirty_ = true;
}

}  // namespace orb
