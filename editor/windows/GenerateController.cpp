// The main window's generator buttons; see GenerateController.h.
#include "editor/windows/GenerateController.h"

#include "editor/windows/DiscImageController.h"

namespace orb {

namespace {

// The generator's messages become message boxes of the main window.
MessageSink BoxSink(MessageBoxSeam& messages) {
  return [&messages](const GeneratorMessage& m) {
    messages.Show(m.text, m.title, m.icon == MessageIcon::Error ? MsgIcon::Critical : MsgIcon::Information,
                  MsgButtons::Ok);
  };
}

}  // namespace

bool GenerateController::GoOnDespite(const std::string& outside_text) {
  return s_.messages.Show(outside_text + "\r\n\r\nDo you want to go on?", "", MsgIcon::Exclamation,
                          MsgButtons::YesNo) == MsgResult::Yes;
}

GenerateStatus GenerateController::Generate(GenerateMode mode, bool quiet) {
  const std::string root = model_.RememberedRoot();
  Generator generator({s_.files, s_.settings, editor_folder_ + kPlayerFileName, system_folder_},
                      BoxSink(s_.messages));
  GenerateOptions options;
  options.quiet = quiet;
  auto run = [&] {
    return mode == GenerateMode::Menu
               ? generator.MakeCd(model_.Data(), model_.Field(ProjectField::RootFolder), root, options)
               : generator.GenerateSimple(simple_, simple_.RootFolder, root, options);
  };
  GenerateResult result = run();
  if (result.status == GenerateStatus::NeedsConfirmation) {
    if (!GoOnDespite(OutsideRootText(result.outside_root, root))) return GenerateStatus::CheckFailed;
    options.outside_root_confirmed = true;
    result = run();
  }
  return result.status;
}

void GenerateController::Preview(GenerateMode mode) {
  if (Generate(mode, true) != GenerateStatus::CheckFailed)
    s_.shell.Execute("Open", model_.RememberedRoot() + kPlayerFileName, "", "", 1);
}

void GenerateController::MakeDiscImage(GenerateMode mode, const DiscImageStep& next) {
  if (Generate(mode, true) != GenerateStatus::Done) return;
  const std::string root = model_.RememberedRoot();
  if (!next) return;
  if (mode == GenerateMode::Menu)
    next(SubjectFromProject(model_.Data(), root), ImageLabel(model_.Data().CdTitle, root));
  else
    next(SubjectFromSimple(simple_, root), ImageLabel(std::string(), root));
}

}  // namespace orb
