// The CD generator; see Generator.h.
#include "output/Generator.h"

#include "cdformat/CdFormats.h"
#include "cdformat/PagesFormat.h"
#include "cdformat/PagesText.h"
#include "common/MessagePath.h"
#include "common/PathText.h"
#include "common/TextLines.h"

namespace orb {

const char* const kMsgSelectRootFolder = "Please select a Root Folder.";
const char* const kMsgBackgroundRequired = "Please select a background image. It is required.";
const char* const kMsgMinimumOneSpot = "Minimum one Menu spot is needed.Please Click Create.";
const char* const kMsgPlayerMissing = "Could not find Orbstart.exe. Please reinstall the software.";
const char* const kPlayerFileName = "Orbstart.exe";
const char* const kRuntimeFileName = "rtxcore.dll";

std::string SuccessText(const std::string& root) {
  return "All autorun files have been generated in the (" + root + ") folder.\r\n" +
         "Now put all these files on root of your Cd and Burn them. Enjoy!";
}

namespace {

void CheckField(std::vector<OutsideRootField>& out, const std::string& root, std::string field,
                const std::string& path) {
  if (TrimBlanks(path).empty() || IsInsideFolder(path, root)) return;
  out.push_back({std::move(field), path});
}

// The further pages need what page 1 needs; the player could not show such a page.
std::string FurtherPageCheck(const ProjectData& project) {
  for (size_t i = 0; i < project.Pages.size(); ++i) {
    const MenuPage& page = project.Pages[i];
    if (TrimBlanks(page.BackgroundImage).empty())
      return "Please select a background image for the " + PageLabel(page.Name, i + 2) + ". It is required.";
    if (page.Spots.empty())
      return "Minimum one Menu spot is needed on the " + PageLabel(page.Name, i + 2) +
             ". Please Click Create.";
  }
  return std::string();
}

}  // namespace

std::vector<OutsideRootField> FieldsOutsideRoot(const ProjectData& project, const std::string& root) {
  std::vector<OutsideRootField> out;
  CheckField(out, root, "CD icon", project.CdIcon);
  CheckField(out, root, "start sound", project.SoundFile);
  CheckField(out, root, "background image", project.BackgroundImage);
  CheckField(out, root, "splash image", project.SplashImage);
  auto spots = [&](const std::vector<MenuSpot>& list, const std::string& page) {
    int number = 0;
    for (const MenuSpot& spot : list) {
      std::string name = page + "spot " + std::to_string(++number) + " (" + TrimBlanks(spot.Name) + "): ";
      if (TargetIsPath(spot.Action)) CheckField(out, root, name + "target", spot.Target);
      CheckField(out, root, name + "rollover image", spot.RolloverImage);
      CheckField(out, root, name + "move sound", spot.MoveSound);
      CheckField(out, root, name + "click sound", spot.ClickSound);
      CheckField(out, root, name + "mouse pointer", spot.MousePointer);
    }
  };
  spots(project.Spots, std::string());
  for (size_t i = 0; i < project.Pages.size(); ++i) {
    const MenuPage& page = project.Pages[i];
    std::string name = PageLabel(page.Name, i + 2);
    CheckField(out, root, name + ": background image", page.BackgroundImage);
    spots(page.Spots, name + ", ");
  }
  return out;
}

std::string PageLabel(const std::string& name, size_t number) {
  std::string trimmed = TrimBlanks(name);
  return trimmed.empty() ? "page " + std::to_string(number) : "page \"" + trimmed + "\"";
}

std::vector<OutsideRootField> FieldsOutsideRoot(const SimpleAutorun& simple, const std::string& root) {
  std::vector<OutsideRootField> out;
  CheckField(out, root, "start program", simple.StartProgram);
  CheckField(out, root, "CD icon", simple.AutorunIcon);
  CheckField(out, root, "start sound", simple.AutorunSound);
  return out;
}

std::string OutsideRootText(const std::vector<OutsideRootField>& fields, const std::string& root) {
  std::string text =
      "These files are not inside the root folder (" + root + "), so the CD would not find them:";
  for (const OutsideRootField& f : fields) text += "\r\n" + f.field + ": " + MessagePath(f.path);
  return text;
}

void Generator::Show(std::string text, MessageIcon icon, std::string title) {
  if (sink_) sink_(GeneratorMessage{std::move(text), icon, std::move(title)});
}

bool Generator::Write(const std::string& path, const std::string& data) {
  std::string error;
  if (env_.fs.WriteFileAtomic(path, data, error)) return true;
  Show("Could not write " + MessagePath(path) + ": " + error, MessageIcon::Error, "Error");
  return false;
}

// Steps 2 to 6 shared by both modes. The old autorun.inf, autorun.des and Orbstart.exe are not deleted
// first: each is replaced whole, so a failure leaves the previous file rather than none.
bool Generator::FinishStep(const std::string& inf, const std::string& des, const std::string& root) {
  if (!Write(root + "autorun.inf", inf)) return false;
  if (!Write(root + "autorun.des", des)) return false;
  const std::string player = root + kPlayerFileName;
  std::string error;
  bool copied = env_.fs.CopyFile(env_.player_source, player, error);
  if (!copied && !env_.fs.Exists(env_.player_source)) {
    Show(kMsgPlayerMissing, MessageIcon::Error, "Error");
  } else if (!copied) {
    Show("Could not copy " + MessagePath(env_.player_source) + " to " + MessagePath(player) + ": " + error,
         MessageIcon::Error, "Error");
  }
  // Our player needs no runtime library: copy one only where the system has it, and ignore failures.
  if (env_.copy_runtime && !env_.system_folder.empty()) {
    std::string runtime = env_.system_folder + "\\" + kRuntimeFileName;
    if (env_.fs.Exists(runtime)) env_.fs.CopyFile(runtime, root + kRuntimeFileName, error);
  }
  // Signed before anything (a preview, an image) can use it; an unsigned player is kept from both.
  if (copied && env_.sign_player) {
    std::string problem = env_.sign_player(player);
    if (!problem.empty()) {
      Show(problem, MessageIcon::Error, "Error");
      sign_failed_ = true;
      return false;
    }
  }
  return copied;
}

GenerateStatus Generator::Outcome(bool written) const {
  return written ? GenerateStatus::Done : sign_failed_ ? GenerateStatus::SignFailed : GenerateStatus::Failed;
}

bool Generator::SimpleStep(const SimpleAutorun& simple, const std::string& root) {
  if (!Write(root + "menu.cfg", MenuCfgForSimple())) return false;
  // The true texts of what autorun.des holds as fallbacks; else an earlier menu's pages would go on the
  // disc for nothing.
  if (std::string pages = SimplePagesText(simple, root); !pages.empty()) {
    if (!Write(root + kPagesFileName, pages)) return false;
  } else {
    RemoveStalePages(root);
  }
  return FinishStep(AutorunInfForSimple(simple, root), AutorunDes(AutorunEntriesForSimple(simple, root)),
                    root);
}

bool Generator::WriteMenuCfg(const ProjectData& project, const std::string& root) {
  if (!Write(root + "menu.cfg", MenuCfgForMenu(project, root))) return false;
  // Language versions and the true texts of what menu.cfg holds as fallbacks reach the player in pages.cfg
  // too, so a one-page menu with them writes it.
  if (WritesPagesCfg(project, root))
    return Write(root + kPagesFileName, PagesText(project, root, PagesPathForm::CdRoot));
  // A pages.cfg of an earlier generation would show the player pages the project no longer has.
  RemoveStalePages(root);
  return true;
}

void Generator::RemoveStalePages(const std::string& root) {
  const std::string pages = root + kPagesFileName;
  if (env_.fs.Exists(pages)) env_.fs.DeleteFile(pages);
}

bool Generator::MenuStep(const ProjectData& project, const std::string& root) {
  return FinishStep(AutorunInfForMenu(project, root), AutorunDes(AutorunEntriesForMenu(project, root)), root);
}

GenerateResult Generator::GenerateSimple(const SimpleAutorun& simple, const std::string& root_field,
                                         const std::string& root, GenerateOptions options) {
  GenerateResult result;
  if (root_field.empty()) {
    Show(kMsgSelectRootFolder);
    result.status = GenerateStatus::CheckFailed;
    return result;
  }
  if (!options.outside_root_confirmed) {
    result.outside_root = FieldsOutsideRoot(simple, root);
    if (!result.outside_root.empty()) {
      result.status = GenerateStatus::NeedsConfirmation;
      return result;
    }
  }
  sign_failed_ = false;
  result.status = Outcome(SimpleStep(simple, root));
  if (result.status != GenerateStatus::Done) return result;
  if (!options.quiet) Show(SuccessText(root), MessageIcon::Information, "Success");
  return result;
}

GenerateResult Generator::MakeCd(const ProjectData& project, const std::string& root_field,
                                 const std::string& root, GenerateOptions options) {
  GenerateResult result;
  std::string check = root_field.empty()                ? kMsgSelectRootFolder
                      : project.BackgroundImage.empty() ? kMsgBackgroundRequired
                      : project.Spots.empty()           ? kMsgMinimumOneSpot
                                                        : FurtherPageCheck(project);
  if (!check.empty()) {
    Show(check);
    result.status = GenerateStatus::CheckFailed;
    return result;
  }
  if (!options.outside_root_confirmed) {
    result.outside_root = FieldsOutsideRoot(project, root);
    if (!result.outside_root.empty()) {
      result.status = GenerateStatus::NeedsConfirmation;
      return result;
    }
  }
  sign_failed_ = false;
  result.status = Outcome(WriteMenuCfg(project, root) && MenuStep(project, root));
  if (result.status != GenerateStatus::Done) return result;
  if (!options.quiet) Show(SuccessText(root), MessageIcon::Information, "Success");
  return result;
}

}  // namespace orb
