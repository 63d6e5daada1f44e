// The main window's rules; see MainWindowController.h.
#include "editor/windows/MainWindowController.h"

#include <algorithm>
#include <memory>

#include "common/TextLines.h"
#include "output/Generator.h"
#include "common/PathText.h"
#include "editor/windows/DiscImageController.h"
#include "editor/windows/EditorSettings.h"
#include "editor/windows/MakerLinks.h"

namespace orb {

namespace {

const char* const kNoRootFirst = "Please select a Root Folder first.";

// txtindex2 entry -> project field.
ProjectField MenuFileField(int entry) {
  switch (entry) {
    case 0: return ProjectField::CdIcon;
    case 1: return ProjectField::SoundFile;
    case 2: return ProjectField::BackgroundImage;
    default: return ProjectField::SplashImage;
  }
}

}  // namespace

MainWindowController::MainWindowController(Seams seams)
    : s_(seams),
      picker_(model_, s_.dialogs, s_.messages, s_.files),
      generate_({s_.messages, s_.shell, s_.files, s_.settings}, model_, simple_, editor_folder_,
                system_folder_) {}

std::string EditorFolderFromModulePath(const std::string& module_path) {
  size_t cut = module_path.find_last_of('\\');
  std::string folder = cut == std::string::npos ? std::string() : module_path.substr(0, cut);
  // A drive root ("C:\") keeps the backslash it already has.
  if (folder.size() < 3 && cut != std::string::npos) folder = module_path.substr(0, cut + 1);
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  return folder;
}

void MainWindowController::Form_Load(const std::string& command_line, const std::string& module_path,
                                     const std::function<bool(const std::string&)>& exists,
                                     const std::function<std::string(const std::string&)>& full_path) {
  project_entries_enabled_ = false;
  std::string arg = TrimBlanks(command_line);
  // Explorer quotes a path with blanks; the quotes are not part of the file's name.
  if (arg.size() >= 2 && arg.front() == '"' && arg.back() == '"') arg = TrimBlanks(arg.substr(1, arg.size() - 2));
  startup_project_path_.clear();
  if (!arg.empty() && exists(arg)) startup_project_path_ = full_path(arg);
  arrow_down_ = false;
  editor_folder_ = EditorFolderFromModulePath(module_path);
  selected_spot_ = 0;
  Changed();
}

void MainWindowController::Form_Activate() {
  if (hooks_.activated) hooks_.activated();
}

bool MainWindowController::Form_QueryUnload() { return hooks_.query_close ? hooks_.query_close() : true; }

void MainWindowController::Form_Unload() {
  if (LoadEditorSettings(s_.settings).load_last_project) SaveLastProject(s_.settings, model_.ProjectPath());
}

void MainWindowController::SetTitle(const std::string& title) {
  title_ = title;
  Changed();
}

std::string MainWindowController::FieldText(MainField field) const {
  if (std::optional<LanguageField> version_field = VersionField(field)) {
    if (InLanguageVersion()) return model_.LanguageText(*version_field, model_.CurrentPage(), 0);
  }
  switch (field) {
    case MainField::txtroot: return simple_.RootFolder;
    case MainField::txtindex0: return simple_.AutorunIcon;
    case MainField::txtindex1: return simple_.StartProgram;
    case MainField::txtindex2: return simple_.AutorunSound;
    case MainField::txtcmdline: return simple_.CommandLine;
    case MainField::txtroot2: return model_.Field(ProjectField::RootFolder);
    case MainField::txtindex2_0: return model_.Field(ProjectField::CdIcon);
    case MainField::txtindex2_1: return model_.Field(ProjectField::SoundFile);
    case MainField::txtindex2_2: return model_.Field(ProjectField::BackgroundImage);
    case MainField::txtindex2_3: return model_.Field(ProjectField::SplashImage);
    case MainField::txtcdtitle: return model_.Field(ProjectField::CdTitle);
  }
  return std::string();
}

// --- the slide between the panels ---

void MainWindowController::cmdani_Click() {
  if (panel_mark_ == "0") {
    project_entries_enabled_ = true;
    title_ = std::string(kTitleMenuPrefix) + "(New project.obm)";
    simple_ = SimpleAutorun();
    model_.ClearForEnteringMenuMode();
    tmraniup_enabled_ = true;
  } else {
    // Leaving empties the project: unsaved changes are asked about first.
    if (hooks_.leave_menu_mode && !hooks_.leave_menu_mode()) return;
    project_entries_enabled_ = false;
    title_ = kTitleSimple;
    model_.ClearForLeavingMenuMode();
    selected_spot_ = 0;
    tmranidown_enabled_ = true;
  }
  Changed();
}

void MainWindowController::tmraniup_Timer() {
  slide_counter_ += frmmain::kSlideStep;
  if (slide_counter_ <= frmmain::kBarBottomTop) {
    simple_height_ = simple_height_ < frmmain::kSlideStep ? 0 : simple_height_ - frmmain::kSlideStep;
    bar_top_ -= frmmain::kSlideStep;
    Changed();
    return;
  }
  tmraniup_enabled_ = false;
  slide_counter_ = 0;
  bar_top_ = 0;
  panel_mark_ = "1";
  arrow_down_ = true;
  Changed();
  if (hooks_.menu_slide_ended) hooks_.menu_slide_ended();
}

void MainWindowController::tmranidown_Timer() {
  slide_counter_ += frmmain::kSlideStep;
  if (slide_counter_ <= frmmain::kBarBottomTop) {
    simple_height_ =
        simple_height_ <= frmmain::kPanelHeight ? simple_height_ + frmmain::kSlideStep : frmmain::kPanelHeight;
    bar_top_ += frmmain::kSlideStep;
    Changed();
    return;
  }
  tmranidown_enabled_ = false;
  slide_counter_ = 0;
  bar_top_ = frmmain::kBarBottomTop;
  panel_mark_ = "0";
  arrow_down_ = false;
  Changed();
}

// --- root folder and file buttons ---

void MainWindowController::cmdroot_Click() {
  std::string folder = s_.folders.BrowseRootFolderFrom(model_.RememberedRoot());
  simple_.RootFolder = folder;
  model_.SetRememberedRoot(folder);
  Changed();
}

void MainWindowController::cmdroot2_Click() {
  std::string folder = s_.folders.BrowseRootFolderFrom(model_.RememberedRoot());
  model_.SetRootFolderPicked(folder);
  if (!folder.empty()) s_.files.CreateFolder(folder + "imgmusic");  // an existing folder is fine
  Changed();
}

void MainWindowController::cmdindex_Click(int entry) {
  if (simple_.RootFolder.empty()) {
    ShowInfo(kNoRootFirst);
    return;
  }
  BrowseRequest request;
  switch (entry) {
    case 0: request = {"Select an Icon for your Cd", kIconFilters}; break;
    case 1: request = {"Select the Starting Program(or a File)  for your Cd", kAllFilters}; break;
    case 2: request = {"Select a Sound File for your Cd", kSoundFilters}; break;
    default: return;
  }
  std::string chosen = picker_.PickFile(request.title, request.filters);
  if (chosen.empty()) return;
  std::string value = picker_.AdoptFile(chosen, model_.RememberedRoot());
  if (value.empty()) return;  // the copy failed and said so
  (entry == 0 ? simple_.AutorunIcon : entry == 1 ? simple_.StartProgram : simple_.AutorunSound) = value;
  Changed();
}

void MainWindowController::cmdindex2_Click(int entry) {
  if (model_.Field(ProjectField::RootFolder).empty()) {
    ShowInfo(kNoRootFirst);
    return;
  }
  BrowseRequest request;
  switch (entry) {
    case 0: request = {"Select an Icon for your Cd", kIconFilters}; break;
    case 1: request = {"Select a sound file for your Cd", kSoundFilters}; break;
    case 2:
    case 3: request = {"Select a Background Image for your Cd", kImageFilters}; break;
    default: return;
  }
  if (InLanguageVersion() && entry != 2) return;  // only the background is a version's
  std::string chosen = picker_.PickFile(request.title, request.filters);
  if (chosen.empty()) return;
  std::string value = picker_.AdoptFile(chosen, model_.RememberedRoot() + "imgmusic\\");
  if (value.empty()) return;  // the copy failed and said so
  if (InLanguageVersion()) {
    // The default's own picture chosen again: the version gives none and falls back to it, the one way
    // back to "not given" for a field that takes no typing.
    if (value == model_.Field(ProjectField::BackgroundImage)) value.clear();
    model_.SetLanguageText(LanguageField::Background, model_.CurrentPage(), 0, value);
    Changed();
    return;
  }
  model_.SetField(MenuFileField(entry), value);
  Changed();
}

void MainWindowController::txtcmdline_Change(const std::string& text) {
  if (simple_.CommandLine == text) return;
  simple_.CommandLine = text;
  Changed();
}

void MainWindowController::txtcdtitle_Change(const std::string& text) {
  if (InLanguageVersion()) {
    if (FieldText(MainField::txtcdtitle) == text) return;
    model_.SetLanguageText(LanguageField::Title, model_.CurrentPage(), 0, text);
    Changed();
    return;
  }
  if (model_.Field(ProjectField::CdTitle) == text) return;
  model_.SetField(ProjectField::CdTitle, text);
  Changed();
}

std::string MainWindowController::CdTitleTip() const {
  if (model_.Field(ProjectField::CdTitle).find('?') == std::string::npos) return std::string();
  return "The title holds a ?: wherever it stands, the menu shows as a splash screen, borderless and cut to the "
         "shape of its background, without a title bar or close box. Remove every ? for a framed window.";
}

// --- spot list ---

void MainWindowController::cmbmenu_Click(int position) { selected_spot_ = position; }

void MainWindowController::cmdmenuspots_Click() {
  if (!MakeUpEnabled()) return;
  if (model_.Field(ProjectField::BackgroundImage).empty()) {
    ShowInfo(kMsgBackgroundRequired);
    return;
  }
  if (hooks_.create_spot) hooks_.create_spot();
  Changed();
}

void MainWindowController::cmdedit_Click() {
  if (model_.SpotCount() < 1) {
    ShowInfo("Minimum one Menu spot is needed to be created to be able Edit it.");
    return;
  }
  if (selected_spot_ < 1) {
    ShowInfo("Please select a menu spot by clicking on the combo box to Edit it.");
    return;
  }
  if (hooks_.edit_spot) hooks_.edit_spot(selected_spot_);
  Changed();
}

void MainWindowController::cmdDelete_Click() {
  if (!MakeUpEnabled()) return;
  if (model_.SpotCount() < 1) {
    ShowInfo("Minimum one Menu spot is needed to be created to be able Delete it.");
    return;
  }
  if (selected_spot_ < 1 || selected_spot_ > model_.SpotCount()) {
    ShowInfo("Please select a menu spot by clicking on the combo box to Delete it.");
    return;
  }
  model_.RemoveSpot(selected_spot_);
  selected_spot_ = 0;
  Changed();
  ShowInfo("Menu Spot successsfully deleted.");
}

// --- generator buttons ---

void MainWindowController::ShowInfo(const std::string& text, const std::string& title) {
  s_.messages.Show(text, title, MsgIcon::Information, MsgButtons::Ok);
}

void MainWindowController::cmdgenerate_Click() { generate_.Generate(GenerateMode::Simple, false); }

void MainWindowController::cmdpreview_Click() { generate_.Preview(GenerateMode::Simple); }

// Test shows no success message.
void MainWindowController::cmdgenerate2_Click() {
  generate_.Generate(GenerateMode::Menu, cmdpreview2_tag_ == "True");
}

void MainWindowController::cmdpreview2_Click() {
  cmdpreview2_tag_ = "True";
  generate_.Preview(GenerateMode::Menu);
  cmdpreview2_tag_.clear();
}

// --- menu bar ---

void MainWindowController::OnMenu(MainMenuCommand command) {
  auto call = [](const std::function<void()>& hook) {
    if (hook) hook();
  };
  switch (command) {
    case MainMenuCommand::NewProject:
      if (project_entries_enabled_) call(hooks_.new_project);
      break;
    case MainMenuCommand::LoadProject:
      if (project_entries_enabled_) call(hooks_.load_project);
      break;
    case MainMenuCommand::SaveProject:
      if (project_entries_enabled_) call(hooks_.save_project);
      break;
    case MainMenuCommand::MakeDiscImage:
      generate_.MakeDiscImage(Mode(), hooks_.make_disc_image);
      break;
    case MainMenuCommand::Exit: call(hooks_.close_window); break;
    case MainMenuCommand::Convert: call(hooks_.convert); break;
    case MainMenuCommand::Options: call(hooks_.options); break;
    case MainMenuCommand::Contents:
      if (hooks_.help) hooks_.help(panel_mark_ == "0" ? 1001 : 1002);
      break;
    case MainMenuCommand::Website: s_.shell.Execute("open", kMakerWebsite, "", "", 1); break;
    case MainMenuCommand::MoreSoftware: s_.shell.Execute("open", kMakerProductsPage, "", "", 1); break;
    case MainMenuCommand::Update: call(hooks_.check_update); break;
    case MainMenuCommand::About: call(hooks_.about); break;
  }
  Changed();
}

}  // namespace orb
