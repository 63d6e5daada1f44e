// New, Load, Save and the closing and start-up logic; see ProjectWorkflow.h.
#include "editor/windows/ProjectWorkflow.h"

#include <optional>

#include "common/MessagePath.h"
#include "common/TextLines.h"
#include "editor/windows/EditorSettings.h"
#include "project/ProjectFile.h"

namespace orb {

namespace {

const char* const kLoadError = "Error loading project.";

bool EndsWithObm(const std::string& name) {
  if (name.size() < 4) return false;
  std::string tail = name.substr(name.size() - 4);
  for (char& c : tail) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return tail == ".obm";
}

// The folder part of a file's path with its trailing backslash; empty for a bare name.
std::string FolderOf(const std::string& path) {
  size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string RemoveAll(std::string text, const std::string& what) {
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at)) text.erase(at, what.size());
  return text;
}

}  // namespace

ProjectWorkflow::ProjectWorkflow(ProjectModel& model, FileSystem& fs, SettingsStore& settings,
                                 MessageBoxSeam& messages, FileDialogSeam& dialogs, FolderBrowserSeam& folders,
                                 WorkflowHost& host)
    : model_(model),
      fs_(fs),
      settings_(settings),
      messages_(messages),
      dialogs_(dialogs),
      folders_(folders),
      host_(host) {}

void ProjectWorkflow::Inform(const std::string& text, const std::string& title) {
  messages_.Show(text, title, MsgIcon::Information, MsgButtons::Ok);
}

void ProjectWorkflow::LoadFailed(const std::string& detail) {
  std::string text = kLoadError;
  if (!detail.empty()) text += "\r\n" + detail;
  messages_.Show(text, "", MsgIcon::Critical, MsgButtons::Ok);
}

void ProjectWorkflow::mnunewprj_Click() {
  if (!ConfirmDiscardChanges()) return;
  model_.New();
  host_.ShowProject();
  host_.SetTitle(model_.MenuModeTitle());
}

void ProjectWorkflow::mnuldprj_Click() {
  if (!ConfirmDiscardChanges()) return;
  Load();
}

bool ProjectWorkflow::Load() {
  std::string path;
  if (startup_load_pending_) {
    path = model_.ProjectPath();
    startup_load_pending_ = false;
  } else {
    FileDialogRequest request;
    request.title = "Select a OBM Project file to Load";
    request.filter_description = "OBM Project File (*.obm)";
    request.filter_pattern = "*.obm*";
    request.initial_folder = model_.RememberedRoot();
    request.must_exist = true;
    path = dialogs_.Open(request);
    if (path.empty()) return false;
  }

  std::string data, read_error;
  if (!fs_.ReadFile(path, data, read_error)) {
    LoadFailed(read_error.empty() ? MessagePath(path) + ": the file cannot be read" : read_error);
    return false;
  }

  std::optional<std::string> replacement_root;
  std::string root = ProjectFileRoot(data);
  // An empty root line names no folder that could have moved.
  if (!root.empty() && !fs_.Exists(root)) {
    MsgResult answer = messages_.Show(
        "Root Folder of the project not found. It might have been moved.\r\n"
        "Do you want to find the folder and set this path as current Root Folder?",
        "Orbmenu", MsgIcon::Question, MsgButtons::YesNo);
    if (answer != MsgResult::Yes) {
      LoadFailed("");
      return false;
    }
    std::string picked = folders_.BrowseRootFolderFrom(model_.RememberedRoot());
    // Without a folder there is nothing to re-base on: the load ends and nothing is written.
    if (picked.empty()) {
      LoadFailed("");
      return false;
    }
    fs_.CreateFolder(picked + "imgmusic");  // may exist already; a failure shows up when files are copied
    replacement_root = picked;
  }

  ProjectData project;
  FormatError error;
  if (!ParseProjectFile(data, path, replacement_root, project, error)) {
    LoadFailed(error.Text());
    return false;
  }
  if (replacement_root) project.RootFolder = *replacement_root;

  model_.ReplaceWhole(std::move(project), path);
  host_.ShowProject();
  Inform("Project successfully loaded.", "Loading Complete.");
  host_.SetTitle(model_.MenuModeTitle());
  if (replacement_root) {
    root_relocated_ = true;
    Save();
  }
  return true;
}

std::string ProjectWorkflow::AskSaveName() {
  FileDialogRequest request;
  request.title = "Enter a name for the project to be saved.";
  request.filter_description = "OBM Project Files (*.obm)";
  request.filter_pattern = "*.obm*";
  // The project's own folder, else the root folder: never wherever the last media dialog ended.
  request.initial_folder = FolderOf(model_.ProjectPath());
  if (request.initial_folder.empty()) request.initial_folder = model_.RememberedRoot();
  request.must_exist = false;
  // The question about an existing file is asked below, about the name really written; the dialog's
  // own would come before ".obm" is added, about another name.
  request.overwrite_prompt = false;
  request.default_extension = "obm";
  for (;;) {
    std::string chosen = dialogs_.Save(request);
    if (chosen.empty()) return chosen;
    // A typed name that already ends in ".obm" is taken as it is, not doubled.
    std::string path = EndsWithObm(chosen) ? chosen : SaveFileNameFor(fs_, chosen);
    // Only a project without a file of its own comes here, so any existing file is another one.
    if (!fs_.Exists(path)) return path;
    std::string name = path.substr(FolderOf(path).size());
    if (messages_.Show(name + " already exists.\r\nDo you want to replace it?", "Confirm Save As",
                       MsgIcon::Exclamation, MsgButtons::YesNo) == MsgResult::Yes)
      return path;
    request.initial_folder = FolderOf(path);  // No: back to the dialog, where the user was
  }
}

SaveOutcome ProjectWorkflow::Save() {
  bool had_file = model_.HasFile();
  std::string path = model_.ProjectPath();
  if (!had_file) {
    path = AskSaveName();
    if (path.empty()) return SaveOutcome::Cancelled;

    const ProjectData& d = model_.Data();
    if (d.RootFolder.empty()) {
      Inform("Please select a Root Folder.", "Can not continue.");
      return SaveOutcome::Failed;
    }
    if (d.BackgroundImage.empty()) {
      Inform("Please select a background image. It is required.", "Can not continue.");
      return SaveOutcome::Failed;
    }
    if (d.Spots.empty()) {
      Inform("Minimum one Menu spot is needed.Please Click Create.", "");
      return SaveOutcome::Failed;
    }
  }

  std::string error;
  if (!SaveProjectFile(fs_, path, model_.Data(), error)) {
    root_relocated_ = false;
    messages_.Show("The project could not be saved.\r\n" + error, "", MsgIcon::Critical, MsgButtons::Ok);
    return SaveOutcome::Failed;
  }
  model_.MarkSaved(path);
  if (root_relocated_) {
    root_relocated_ = false;
  } else if (!had_file) {
    Inform("Project successfully saved.", "Operation Complete.");
  } else {
    Inform("Project successfully updated and saved.", "Operation Complete.");
  }
  host_.SetTitle(model_.MenuModeTitle());
  return SaveOutcome::Saved;
}

bool ProjectWorkflow::ConfirmDiscardChanges() {
  if (!model_.Dirty()) return true;
  std::string rest = RemoveAll(host_.Title(), kTitleMenuPrefix);
  MsgResult answer =
      messages_.Show("Do you want to save changes to " + rest, "", MsgIcon::None, MsgButtons::YesNoCancel);
  if (answer == MsgResult::No) return true;
  if (answer == MsgResult::Yes) return Save() == SaveOutcome::Saved;
  return false;
}

void ProjectWorkflow::Form_Activate() {
  if (!command_line_project_.empty()) {
    model_.SetProjectPath(command_line_project_);
    command_line_project_.clear();
    startup_load_pending_ = true;
    activated_once_ = true;
    host_.EnterMenuMode();
    return;
  }
  if (activated_once_) return;
  activated_once_ = true;
  const EditorSettings settings = LoadEditorSettings(settings_);
  std::string last = TrimBlanks(settings.last_project);
  if (settings.load_last_project && !last.empty()) {
    model_.SetProjectPath(last);
    startup_load_pending_ = true;
    host_.EnterMenuMode();
  } else if (settings.start_in_menu_mode) {
    host_.EnterMenuMode();
  }
}

void ProjectWorkflow::MenuModeEntered() {
  if (startup_load_pending_) Load();
}

}  // namespace orb
