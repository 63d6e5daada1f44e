// The main window's generator buttons: Generate and Make Cd, Preview and Test, and Make Disc Image. Each
// generates the root of one mode; the question about files outside the root folder is asked here, once,
// and a yes runs the generator again with the files accepted.
#pragma once

#include <functional>
#include <string>

#include "common/CommandRunner.h"
#include "common/FileSystem.h"
#include "common/SettingsStore.h"
#include "output/Generator.h"
#include "output/ProjectCheck.h"
#include "project/ProjectModel.h"
#include "editor/windows/UiSeams.h"

namespace orb {

// Which mode's root is generated: the simple panel's fields or the menu project.
enum class GenerateMode { Simple, Menu };

// Make Disc Image's next step: the generated root's check subject and the image's label.
using DiscImageStep = std::function<void(const CheckSubject& subject, const std::string& label)>;

class GenerateController {
 public:
  struct Seams {
    MessageBoxSeam& messages;
    ShellSeam& shell;
    FileSystem& files;
    SettingsStore& settings;
  };
  // The values are read at each press: the main window changes them as the user works. editor_folder
  // (with its trailing backslash) holds the player; system_folder the runtime library.
  GenerateController(Seams seams, const ProjectModel& model, const SimpleAutorun& simple,
                     const std::string& editor_folder, const std::string& system_folder)
      : s_(seams),
        model_(model),
        simple_(simple),
        editor_folder_(editor_folder),
        system_folder_(system_folder) {}

  // Runs the player's signing command of the settings; without one, a configured command is reported as
  // one that could not be run.
  void SetCommandRunner(CommandRunner* runner) { runner_ = runner; }

  // Generates the mode's root (the player signed when the settings name a command); quiet leaves out the
  // success message. CheckFailed when a check stopped it
  // or the user chose not to go on (nothing was written then).
  GenerateStatus Generate(GenerateMode mode, bool quiet);
  // Generates quietly, then starts the player from the root unless a check stopped the generation or the
  // player could not be signed.
  void Preview(GenerateMode mode);
  // Generates quietly, then hands the root to next (nothing happens after a failed generation, which has
  // shown its message: an image of a half-written root would hide it).
  void MakeDiscImage(GenerateMode mode, const DiscImageStep& next);

 private:
  bool GoOnDespite(const std::string& outside_text);

  Seams s_;
  const ProjectModel& model_;
  const SimpleAutorun& simple_;
  const std::string& editor_folder_;
  const std::string& system_folder_;
  CommandRunner* runner_ = nullptr;
};

}  // namespace orb
