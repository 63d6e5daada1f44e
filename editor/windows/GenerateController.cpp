// The main window's generator buttons; see GenerateController.h.
#include "editor/windows/GenerateController.h"

#include "editor/windows/DiscImageController.h"
#include "editor/windows/EditorSettings.h"
#include "output/PlayerSigning.h"

namespace orb {

namespace {

// The generator's messages become message boxes of the main window.
MessageSink BoxSink(MessageBoxSeam& messages) {
  return [&messages](const GeneratorMessage& m) {
    messages.Show(m.text, m.title, m.icon == MessageIcon::Error ? MsgIcon::Critical : MsgIcon::Information,
                  MsgButtons::Ok);
  };
}

// Where the view set no runner: the command is not run, and the message says so.
struct NoCommandRunner : CommandRunner {
  CommandResult Run(const std::string&, int) override {
    CommandResult result;
    result.error = "no way to run commands here";
    return result;
  }
};

}  // namespace

bool GenerateController::GoOnDespite(const std::string& outside_text) {
  return s_.messages.Show(outside_text + "\r\n\r\nDo you want to go on?", "", MsgIcon::Exclamation,
                          MsgButtons::YesNo) == MsgResult::Yes;
}

GenerateStatus GenerateController::Generate(GenerateMode mode, bool quiet) {
  const std::string root = model_.RememberedRoot();
  const EditorSettings settings = LoadEditorSettings(s_.settings);
  GeneratorEnvironment env{s_.files, editor_folder_ + kPlayerFileName, system_folder_, !settings.leave_out_runtime,
                           nullptr};
  if (!settings.sign_command.empty()) {
    env.sign_player = [this, command = settings.sign_command](const std::string& player) {
      NoCommandRunner none;
      return SignWithCommand(runner_ ? *runner_ : none, command, player,
                             [&](std::string& bytes) {
                               std::string error;
                               return s_.files.ReadFile(player, bytes, error);
                             });
    };
  }
  Generator generator(env, BoxSink(s_.messages));
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
  GenerateStatus status = Generate(mode, true);
  if (status != GenerateStatus::CheckFailed && status != GenerateStatus::SignFailed)
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
