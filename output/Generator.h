// The CD generator: writes menu.cfg (and pages.cfg for a menu of several pages), autorun.inf and
// autorun.des into the root folder and copies the player (and the runtime library when the system has
// one), with the checks and messages of the editor's Generate, Preview, Make Cd and Test buttons. Messages go
// to a sink, so that the editor shows them in message boxes and the command line prints them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/FileSystem.h"
#include "project/ProjectModel.h"

namespace orb {

enum class MessageIcon { Information, Error };

struct GeneratorMessage {
  std::string text;
  MessageIcon icon = MessageIcon::Information;
  std::string title;  // empty: the editor's own title
  bool operator==(const GeneratorMessage&) const = default;
};

using MessageSink = std::function<void(const GeneratorMessage&)>;

extern const char* const kMsgSelectRootFolder;    // "Please select a Root Folder."
extern const char* const kMsgBackgroundRequired;  // "Please select a background image. It is required."
extern const char* const kMsgMinimumOneSpot;      // "Minimum one Menu spot is needed.Please Click Create."
extern const char* const kMsgPlayerMissing;  // "Could not find Orbstart.exe. Please reinstall the software."
extern const char* const kPlayerFileName;    // "Orbstart.exe"
extern const char* const kRuntimeFileName;   // "rtxcore.dll"

// "All autorun files have been generated in the (ROOT) folder." CR LF "Now put all these files ..."
std::string SuccessText(const std::string& root);

// Signs the player just copied to the given path; returns what went wrong, empty when it is signed.
using PlayerSigner = std::function<std::string(const std::string& player)>;

// Where the generator takes its files from and what it writes through.
struct GeneratorEnvironment {
  FileSystem& fs;
  std::string player_source;  // the editor's folder followed by "Orbstart.exe"
  std::string system_folder;  // the system directory without a trailing backslash; empty when none
  bool copy_runtime = true;   // false: the user's option leaves the runtime library off the CD
  PlayerSigner sign_player;   // unset: the player is copied as it is
};

// A path field that does not lie inside the root folder: on the CD its relative path would be broken.
struct OutsideRootField {
  std::string field;  // "background image", "spot 2 (Help): rollover image", ...
  std::string path;
  bool operator==(const OutsideRootField&) const = default;
};

// Fields of pages after the first are named with their page: "page "Extras", spot 1 (Intro): target".
std::vector<OutsideRootField> FieldsOutsideRoot(const ProjectData& project, const std::string& root);
// A page as messages name it: page "Extras", or page 3 (its number) when it has no name.
std::string PageLabel(const std::string& name, size_t number);
std::vector<OutsideRootField> FieldsOutsideRoot(const SimpleAutorun& simple, const std::string& root);
// "These files are not inside the root folder (ROOT), so the CD would not find them:" and one line each.
std::string OutsideRootText(const std::vector<OutsideRootField>& fields, const std::string& root);

struct GenerateOptions {
  bool quiet = false;                   // a preview's run: no success message
  bool outside_root_confirmed = false;  // the user agreed to generate despite files outside the root
};

enum class GenerateStatus {
  Done,               // every file written and the player copied
  CheckFailed,        // a check's message was shown; nothing written
  NeedsConfirmation,  // files outside the root (see outside_root); nothing written yet
  Failed,             // an error message was shown; no success message
  SignFailed,         // the player copied could not be signed (message shown): nothing may use it
};

struct GenerateResult {
  GenerateStatus status = GenerateStatus::Done;
  std::vector<OutsideRootField> outside_root;
};

class Generator {
 public:
  Generator(GeneratorEnvironment env, MessageSink sink) : env_(std::move(env)), sink_(std::move(sink)) {}

  // Generate (and Preview, quiet) of the simple mode. root_field is the mode's root folder field, root
  // the remembered root folder that receives the files.
  GenerateResult GenerateSimple(const SimpleAutorun& simple, const std::string& root_field,
                                const std::string& root, GenerateOptions options = {});
  // Make Cd (and Test, quiet) of the menu mode.
  GenerateResult MakeCd(const ProjectData& project, const std::string& root_field, const std::string& root,
                        GenerateOptions options = {});

  // The steps on their own; each reports its own failures and returns true only when all went well.
  bool SimpleStep(const SimpleAutorun& simple, const std::string& root);
  bool WriteMenuCfg(const ProjectData& project, const std::string& root);
  bool MenuStep(const ProjectData& project, const std::string& root);

 private:
  bool Write(const std::string& path, const std::string& data);
  bool FinishStep(const std::string& inf, const std::string& des, const std::string& root);
  GenerateStatus Outcome(bool written) const;
  void Show(std::string text, MessageIcon icon = MessageIcon::Information, std::string title = {});

  GeneratorEnvironment env_;
  MessageSink sink_;
  bool sign_failed_ = false;
};

}  // namespace orb
