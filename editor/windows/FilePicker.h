// The editor's file choosing, shared by the main window and the spot editor: the open dialog in the
// remembered root folder (PickFile), the copy of a file chosen outside the root into it (AdoptFile), and
// the dialogs' filter tables.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "common/FileSystem.h"
#include "project/ProjectModel.h"
#include "editor/windows/UiSeams.h"

namespace orb {

// Filter pairs (description, pattern), the first pair selected.
using FileFilters = std::vector<std::pair<std::string, std::string>>;

extern const FileFilters kIconFilters;      // the CD icon
extern const FileFilters kSoundFilters;     // start, move and click sounds
extern const FileFilters kAllFilters;       // start programs and spot targets
extern const FileFilters kImageFilters;     // background and splash
extern const FileFilters kRolloverFilters;  // a spot's rollover: icons and cursors too

// A file dialog's title and its filters.
struct BrowseRequest {
  std::string title;
  FileFilters filters;
};

// What the spot editor picks through: the dialog, then the adoption into destination_folder. Returns the
// field's new text, or empty when cancelled.
class SpotFilePicker {
 public:
  virtual ~SpotFilePicker() = default;
  virtual std::string PickAndAdopt(const BrowseRequest& request, const std::string& destination_folder) = 0;
};

class FilePicker : public SpotFilePicker {
 public:
  FilePicker(const ProjectModel& model, FileDialogSeam& dialogs, MessageBoxSeam& messages, FileSystem& files)
      : model_(model), dialogs_(dialogs), messages_(messages), files_(files) {}

  // The common open dialog, started in the remembered root folder: empty when cancelled.
  std::string PickFile(const std::string& title, const FileFilters& filters);
  // A file chosen outside the remembered root folder is copied into dest_folder (never over another file
  // of its name: the same bytes are used in place, else "name (n).ext"); returns the path that the field
  // receives; empty when the copy failed (its message shown). A picture's high-resolution twins
  // ("back@2x.jpg") go with it to the copy's name, where no file of theirs lies yet.
  std::string AdoptFile(const std::string& chosen, const std::string& dest_folder);
  std::string PickAndAdopt(const BrowseRequest& request, const std::string& destination_folder) override;

 private:
  void AdoptTwins(const std::string& chosen, const std::string& dest);

  const ProjectModel& model_;
  FileDialogSeam& dialogs_;
  MessageBoxSeam& messages_;
  FileSystem& files_;
};

}  // namespace orb
