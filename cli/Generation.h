// The generator as the verbs set it up, and the generation of a project's CD root that make-cd and
// make-iso share.
#pragma once

#include <string>
#include <vector>

#include "cli/CliSupport.h"
#include "common/PosixFileSystem.h"
#include "output/Generator.h"

namespace orb::cli {

// The player to copy: the one given, else Orbstart.exe beside this program, in the distribution's
// windows folder (dist/windows next to dist/linux), or in the source tree's dist/windows.
std::string DefaultPlayer();

// The system folder where a runtime library would be looked for, in the model's form: the folder named
// by ORBMENU_SYSTEM_DIR, or none (Linux has no system folder holding one).
std::string SystemFolder();

// The generator's messages on stderr, line breaks as the terminal's.
MessageSink PrintingSink(const char* verb);

// One generator set-up for every verb that writes a CD root: the Linux file seam, the player given with
// --player (else DefaultPlayer), the runtime library unless --no-runtime, and the messages printed, or
// held (hold) while the player still has to be signed.
class VerbGenerator {
 public:
  VerbGenerator(const char* verb, const ParsedArgs& parsed, bool hold);
  VerbGenerator(const VerbGenerator&) = delete;
  VerbGenerator& operator=(const VerbGenerator&) = delete;
  Generator& Get() { return generator_; }
  PosixFileSystem& Files() { return files_; }
  const std::vector<GeneratorMessage>& Held() const { return held_; }

 private:
  PosixFileSystem files_;
  std::vector<GeneratorMessage> held_;
  Generator generator_;
};

// Loads the project named by parsed.positional[0] and generates its CD root as make-cd does (options
// --root, --player, --no-runtime, --force and the signing ones); quiet leaves out the success message.
// Sets root (the model's folder) and title (the CD title) once the project is loaded.
ExitCode GenerateProjectRoot(const char* verb, const ParsedArgs& parsed, bool quiet, std::string& root,
                             std::string& title);

}  // namespace orb::cli
