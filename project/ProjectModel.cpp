// The project model's operations; see ProjectModel.h.
#include "project/ProjectModel.h"

#include "common/TextLines.h"

namespace orb {

const char* const kActionEntryTexts[8] = {
    "Select an Action", "Execute a File", "Open an url",  "Explore Cd",
    "Send a mail",      "Play Video File", "Exit Menu",   "Do Nothing",
};
const char* const kNewSpotEntry = " New Menu Spot";
const char* const kTitleSimple = "Orbmenu v2.0";
const char* const kTitleMenuPrefix = "Orbmenu v2.0 - ";

int16_t ActionCodeForEntry(int entry) {
  if (entry <= 0 || entry > ActionCode(ActionKind::DoNothing)) return ActionCode(ActionKind::DoNothing);
  return static_cast<int16_t>(entry);
}

void ProjectModel::New() {
  ++spot_list_revision_;
  std::string root = remembered_root_;
  data_ = ProjectData();
  has_file_ = false;
  dirty_ = false;
  remembered_root_ = root;
}

bool ProjectModel::AddSpot(const MenuSpot& spot) {
  if (data_.Spots.size() >= static_cast<size_t>(kMaxSpots)) return false;
  data_.Spots.push_back(spot);
  ++spot_list_revision_;
  dirty_ = true;
  return true;
}

bool ProjectModel::ReplaceSpot(int i, const MenuSpot& spot) {
  if (i < 1 || i > SpotCount()) return false;
  data_.Spots[static_cast<size_t>(i - 1)] = spot;
  ++spot_list_revision_;
  dirty_ = true;
  return true;
}

bool ProjectModel::RemoveSpot(int i) {
  if (i < 1 || i > SpotCount()) return false;
  data_.Spots.erase(data_.Spots.begin() + (i - 1));
  ++spot_list_revision_;
  dirty_ = true;
  return true;
}

static std::string& FieldRef(ProjectData& d, ProjectField field) {
  switch (field) {
    case ProjectField::RootFolder: return d.RootFolder;
    case ProjectField::CdTitle: return d.CdTitle;
    case ProjectField::CdIcon: return d.CdIcon;
    case ProjectField::SoundFile: return d.SoundFile;
    case ProjectField::BackgroundImage: return d.BackgroundImage;
    case ProjectField::SplashImage: return d.SplashImage;
  }
  return d.CdTitle;
}

void ProjectModel::SetField(ProjectField field, const std::string& value) {
  std::string& current = FieldRef(data_, field);
  // Like a text box's change event: setting the text it already holds is no change.
  if (current == value) return;
  current = value;
  dirty_ = true;
}

const std::string& ProjectModel::Field(ProjectField field) const {
  return FieldRef(const_cast<ProjectData&>(data_), field);
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
  data_ = ProjectData();
  remembered_root_.clear();
  has_file_ = false;
  dirty_ = false;
}

void ProjectModel::ReplaceWhole(ProjectData data, const std::string& path) {
  ++spot_list_revision_;
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
  entries.reserve(data_.Spots.size() + 1);
  entries.emplace_back(kNewSpotEntry);
  for (const MenuSpot& spot : data_.Spots) entries.push_back(TrimBlanks(spot.Name));
  return entries;
}

std::string ProjectModel::MenuModeTitle() const {
  if (!has_file_) return std::string(kTitleMenuPrefix) + "(New project.obm)";
  return std::string(kTitleMenuPrefix) + "(" + project_path_ + ")";
}

}  // namespace orb

