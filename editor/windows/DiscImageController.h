// Make Disc Image after the CD root has been generated: the project check's problems in one box, the
// save dialog for the .iso, the write behind a progress window that can cancel it, the done message
// with what the image fits, and the hand-over to Windows' own disc image burner.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "common/FileSystem.h"
#include "disc/IsoImage.h"
#include "editor/windows/UiSeams.h"
#include "output/DiscImageCheck.h"
#include "output/ProjectCheck.h"

namespace orb {

// The small window shown while the image is written.
class ImageProgressSeam {
 public:
  virtual ~ImageProgressSeam() = default;
  virtual void Open(const std::string& caption) = 0;
  // Shows how far the write has come; false once the user has cancelled.
  virtual bool Show(int percent, const std::string& text) = 0;
  virtual void Close() = 0;
};

using ImageWriter = std::function<IsoResult(const std::string& root, const std::string& iso_path,
                                            const IsoOptions& options, IsoProgress* progress)>;

enum class ImageOutcome {
  Written,    // the image is there (burnt or not)
  Stopped,    // the check found errors
  Declined,   // the user did not go on despite warnings, or cancelled the save dialog
  Cancelled,  // the user cancelled the write; no image was left
  Failed,     // the write failed; its message was shown
};

class DiscImageController {
 public:
  struct Seams {
    MessageBoxSeam& messages;
    FileDialogSeam& dialogs;
    ShellSeam& shell;
    ImageProgressSeam& progress;
  };
  DiscImageController(Seams seams, ProjectCheck& check, ImageWriter writer)
      : s_(seams), check_(check), writer_(std::move(writer)) {}

  // subject: the generated root as the check sees it; label: the image's volume label.
  ImageOutcome Run(const CheckSubject& subject, const std::string& label);
  const std::string& ImagePath() const { return image_path_; }

 private:
  // Written when the image may be made; Stopped or Declined after the box about the findings.
  ImageOutcome CheckOutcome(const std::vector<Finding>& findings);
  std::string AskImagePath(const std::string& root, const std::string& name);
  void Done(const IsoResult& result);

  Seams s_;
  ProjectCheck& check_;
  ImageWriter writer_;
  std::string image_path_;
};

// "NAME.iso", with the characters that no file name may hold replaced; "disc.iso" for no name.
std::string DefaultImageName(const std::string& name);
// The folder that holds the root ("E:\cd\" gives "E:\"); empty for a drive root, which has none.
std::string FolderAbove(const std::string& root);

}  // namespace orb
