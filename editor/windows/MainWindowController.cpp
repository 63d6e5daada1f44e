// The main window's rules; see MainWindowController.h.
#include "editor/windows/MainWindowController.h"

#include <algorithm>
#include <memory>

#include "common/TextLines.h"
#include "output/Generator.h"
#include "common/PathText.h"
#include "editor/windows/DiscImageController.h"
#include "editor/windows/MakerLinks.h"
#include "editor/windows/UnstorableText.h"

namespace orb {

namespace {

using Filters = std::vector<std::pair<std::string, std::string>>;

const char* const kNoRootFirst = "Please select a Root Folder first.";

const Filters kIconFilters = {{"Icon Files (*.ico)", "*.ico*"}};
const Filters kSoundFilters = {{"Supported Sound Files (*.wav,*.mp3,*.mid)", "*.wav;*.mp3;*.mid*"},
                               {"Wav Files (*.wav)", "*.wav*"},
                               {"Mp3 Files (*.mp3)", "*.mp3*"},
                               {"Mid Files (*.mid)", "*.mid*"}};
const Filters kAllFilters = {{"All Files (*.*)", "*.*"}};
const Filters kImageFilters = {{"Supported Image Files", "*.bmp;*.dib;*.gif;*.jpg;*.png;*.wmf;*.emf"},
                               {"Bitmaps (*.bmp,*.dib)", "*.bmp;*.dib"},
                               {"GIF Images (*.gif)", "*.gif"},
                               {"JPEG Images (*.jpg)", "*.jpg"},
                               {"PNG Images (*.png)", "*.png"},
                               {"Metafiles  (*.wmf,*.emf)", "*.wmf;*.emf"}};

constexpr int kMaxNumberedCopies = 9999;

// Whether two files hold the same bytes, read in pieces (a video may be large); a file that cannot be
// read counts as different, so that nothing is lost by trusting it.
bool SameBytes(FileSystem& files, const std::string& a, const std::string& b) {
  std::string error;
  std::unique_ptr<FileReader> ra = files.OpenReader(a, error);
  std::unique_ptr<FileReader> rb = ra ? files.OpenReader(b, error) : nullptr;
  if (!rb) return false;
  std::vector<char> ba(1 << 16), bb(1 << 16);
  std::size_t got_a = 0, got_b = 0;
  for (;;) {
    if (!ra->Read(ba.data(), ba.size(), got_a, error)) return false;
    // Fill the second buffer to the same length: readers may hand out shorter pieces.
    got_b = 0;
    while (got_b < got_a) {
      std::size_t got = 0;
      if (!rb->Read(bb.data() + got_b, got_a - got_b, got, error)) return false;
      if (got == 0) return false;
      got_b += got;
    }
    if (got_a == 0) {
      std::size_t extra = 0;
      return rb->Read(bb.data(), 1, extra, error) && extra == 0;
    }
    if (!std::equal(ba.begin(), ba.begin() + got_a, bb.begin())) return false;
  }
}

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
  if (s_.settings.Read("OBM", "Options", "LastSaved") == "1")
    s_.settings.Write("OBM", "Options", "SavedPrjName", model_.ProjectPath());
}

void MainWindowController::SetTitle(const std::string& title) {
  title_ = title;
  Changed();
}

std::string MainWindowController::FieldText(MainField field) const {
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

std::string MainWindowController::PickFile(const std::string& title, const Filters& filters) {
  FileDialogRequest request;
  request.title = title;
  if (!filters.empty()) {
    request.filter_description = filters[0].first;
    request.filter_pattern = filters[0].second;
    request.more_filters.assign(filters.begin() + 1, filters.end());
  }
  request.initial_folder = model_.RememberedRoot();
  request.must_exist = true;
  return s_.dialogs.Open(request);
}

std::string MainWindowController::AdoptFile(const std::string& chosen, const std::string& dest_folder) {
  const std::string& root = model_.RememberedRoot();
  if (root.empty()) return chosen;
  // Windows names one file in many spellings: compare full paths, without case, "/" as "\".
  std::string full = s_.files.FullPath(chosen);
  std::string full_root = s_.files.FullPath(root);
  if (!full_root.empty() && full_root.back() != '\\' && full_root.back() != '/') full_root += '\\';
  if (full.size() > full_root.size() && IsInsideFolder(full, full_root)) {
    // Spelled from the root's own text, so that the project file and menu.cfg find it below the root.
    std::string below = full.substr(full_root.size());
    for (char& c : below) c = c == '/' ? '\\' : c;
    return root + (root.back() == '\\' ? "" : "\\") + below;
  }
  const std::string leaf = LeafName(chosen);
  std::string dest = dest_folder + leaf;
  if (SamePath(full, s_.files.FullPath(dest))) return dest;  // never copied onto itself
  // A file of that name may be another spot's picture: never replace it. The same bytes are used where
  // they lie; different bytes go under the next free "name (n).ext".
  for (int n = 2; s_.files.Exists(dest); ++n) {
    if (SameBytes(s_.files, chosen, dest)) return dest;
    if (n > kMaxNumberedCopies) break;  // a folder that answers "exists" to every name
    dest = dest_folder + NumberedName(leaf, n);
  }
  s_.messages.Show("The file will now be copied to the root folder.\r\nPlease read help for more information",
                   "Automatic Adjustment", MsgIcon::Information, MsgButtons::Ok);
  s_.files.CopyFile(chosen, dest);
  return dest;
}

void MainWindowController::cmdindex_Click(int entry) {
  if (simple_.RootFolder.empty()) {
    ShowInfo(kNoRootFirst);
    return;
  }
  std::string chosen;
  switch (entry) {
    case 0: chosen = PickFile("Select an Icon for your Cd", kIconFilters); break;
    case 1: chosen = PickFile("Select the Starting Program(or a File)  for your Cd", kAllFilters); break;
    case 2: chosen = PickFile("Select a Sound File for your Cd", kSoundFilters); break;
    default: return;
  }
  if (chosen.empty()) return;
  std::string value = AdoptFile(chosen, model_.RememberedRoot());
  (entry == 0 ? simple_.AutorunIcon : entry == 1 ? simple_.StartProgram : simple_.AutorunSound) = value;
  Changed();
}

void MainWindowController::cmdindex2_Click(int entry) {
  if (model_.Field(ProjectField::RootFolder).empty()) {
    ShowInfo(kNoRootFirst);
    return;
  }
  std::string chosen;
  switch (entry) {
    case 0: chosen = PickFile("Select an Icon for your Cd", kIconFilters); break;
    case 1: chosen = PickFile("Select a sound file for your Cd", kSoundFilters); break;
    case 2:
    case 3: chosen = PickFile("Select a Background Image for your Cd", kImageFilters); break;
    default: return;
  }
  if (chosen.empty()) return;
  model_.SetField(MenuFileField(entry), AdoptFile(chosen, model_.RememberedRoot() + "imgmusic\\"));
  Changed();
}

void MainWindowController::txtcmdline_Change(const std::string& text) {
  if (simple_.CommandLine == text) return;
  simple_.CommandLine = text;
  Changed();
}

void MainWindowController::txtcdtitle_Change(const std::string& text) {
  if (model_.Field(ProjectField::CdTitle) == text) return;
  model_.SetField(ProjectField::CdTitle, text);
  Changed();
}

void MainWindowController::txtcdtitle_Refused(const std::u32string& characters) {
  s_.messages.Show(UnstorableCharactersMessage("CD title", characters), "", MsgIcon::Exclamation, MsgButtons::Ok);
}

std::string MainWindowController::CdTitleTip() const {
  if (model_.Field(ProjectField::CdTitle).find('?') == std::string::npos) return std::string();
  return "The title holds a ?: wherever it stands, the menu shows as a splash screen, borderless and cut to the "
         "shape of its background, without a title bar or close box. Remove every ? for a framed window.";
}

// --- spot list ---

void MainWindowController::cmbmenu_Click(int position) { selected_spot_ = position; }

void MainWindowController::cmdmenuspots_Click() {
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

void MainWindowController::StartPlayer(const std::string& root) {
  s_.shell.Execute("Open", root + kPlayerFileName, "", "", 1);
}

bool MainWindowController::GoOnDespite(const std::string& outside_text) {
  return s_.messages.Show(outside_text + "\r\n\r\nDo you want to go on?", "", MsgIcon::Exclamation,
                          MsgButtons::YesNo) == MsgResult::Yes;
}

// The generator's messages become message boxes of this window.
static MessageSink BoxSink(MessageBoxSeam& messages) {
  return [&messages](const GeneratorMessage& m) {
    messages.Show(m.text, m.title, m.icon == MessageIcon::Error ? MsgIcon::Critical : MsgIcon::Information,
                  MsgButtons::Ok);
  };
}

GenerateStatus MainWindowController::GenerateSimple(bool quiet) {
  const std::string root = model_.RememberedRoot();
  Generator generator({s_.files, s_.settings, editor_folder_ + kPlayerFileName, system_folder_}, BoxSink(s_.messages));
  GenerateOptions options;
  options.quiet = quiet;
  GenerateResult result = generator.GenerateSimple(simple_, simple_.RootFolder, root, options);
  if (result.status == GenerateStatus::NeedsConfirmation) {
    if (!GoOnDespite(OutsideRootText(result.outside_root, root))) return GenerateStatus::CheckFailed;
    options.outside_root_confirmed = true;
    result = generator.GenerateSimple(simple_, simple_.RootFolder, root, options);
  }
  return result.status;
}

GenerateStatus MainWindowController::GenerateMenu(bool quiet) {
  const std::string root = model_.RememberedRoot();
  Generator generator({s_.files, s_.settings, editor_folder_ + kPlayerFileName, system_folder_}, BoxSink(s_.messages));
  GenerateOptions options;
  options.quiet = quiet;
  const std::string& root_field = model_.Field(ProjectField::RootFolder);
  GenerateResult result = generator.MakeCd(model_.Data(), root_field, root, options);
  if (result.status == GenerateStatus::NeedsConfirmation) {
    if (!GoOnDespite(OutsideRootText(result.outside_root, root))) return GenerateStatus::CheckFailed;
    options.outside_root_confirmed = true;
    result = generator.MakeCd(model_.Data(), root_field, root, options);
  }
  return result.status;
}

void MainWindowController::cmdgenerate_Click() { GenerateSimple(false); }

void MainWindowController::cmdpreview_Click() {
  if (GenerateSimple(true) != GenerateStatus::CheckFailed) StartPlayer(model_.RememberedRoot());
}

// Test shows no success message.
void MainWindowController::cmdgenerate2_Click() { GenerateMenu(cmdpreview2_tag_ == "True"); }

void MainWindowController::cmdpreview2_Click() {
  cmdpreview2_tag_ = "True";
  if (GenerateMenu(true) != GenerateStatus::CheckFailed) StartPlayer(model_.RememberedRoot());
  cmdpreview2_tag_.clear();
}

void MainWindowController::MakeDiscImage() {
  bool menu = InMenuPanel();
  // A failed generation has shown its message; an image of a half-written root would hide it.
  if ((menu ? GenerateMenu(true) : GenerateSimple(true)) != GenerateStatus::Done) return;
  const std::string root = model_.RememberedRoot();
  if (!hooks_.make_disc_image) return;
  if (menu)
    hooks_.make_disc_image(SubjectFromProject(model_.Data(), root), ImageLabel(model_.Data().CdTitle, root));
  else
    hooks_.make_disc_image(SubjectFromSimple(simple_, root), ImageLabel(std::string(), root));
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
    case MainMenuCommand::MakeDiscImage: MakeDiscImage(); break;
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
