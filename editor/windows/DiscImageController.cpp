// Make Disc Image's dialogue with the user; see DiscImageController.h.
#include "editor/windows/DiscImageController.h"

#include "common/PathText.h"
#include "common/TextLines.h"

namespace orb {

namespace {

const char* const kTitle = "Make Disc Image";

// The findings worth a word before the image, at most kShownFindings of them: a disc of many files named in
// another script would otherwise give a message box taller than the screen, its buttons out of reach.
constexpr size_t kShownFindings = 20;

std::string Lines(const std::vector<Finding>& findings) {
  std::string text;
  size_t shown = 0, more = 0;
  for (const Finding& finding : findings) {
    if (finding.severity == Severity::Note) continue;
    if (shown++ < kShownFindings)
      text += "\r\n" + FindingLine(finding);
    else
      ++more;
  }
  if (more > 0) text += "\r\n... and " + std::to_string(more) + " more like these";
  return text;
}

// Hands the writer's progress to the window, as a percentage and the megabytes done.
class ProgressAdapter : public IsoProgress {
 public:
  ProgressAdapter(ImageProgressSeam& view, std::string name) : view_(view), name_(std::move(name)) {}
  bool Advance(std::uint64_t done, std::uint64_t total) override {
    int percent = total == 0 ? 100 : static_cast<int>(done * 100 / total);
    if (percent == last_percent_ && done != total) return !cancelled_;
    last_percent_ = percent;
    cancelled_ = !view_.Show(percent, "Writing " + name_ + ": " + std::to_string(percent) + " % (" +
                                          SizeText(done) + " of " + SizeText(total) + ")");
    return !cancelled_;
  }

 private:
  ImageProgressSeam& view_;
  std::string name_;
  int last_percent_ = -1;
  bool cancelled_ = false;
};

}  // namespace

std::string DefaultImageName(const std::string& title) {
  std::string name = TrimBlanks(title);
  for (char& c : name) {
    if (std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos ||
        static_cast<unsigned char>(c) < 32)
      c = '_';
  }
  while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
  return (name.empty() ? std::string("disc") : name) + ".iso";
}

std::string FolderAbove(const std::string& root) {
  std::string folder = root;
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  size_t cut = folder.find_last_of('\\');
  return cut == std::string::npos ? std::string() : folder.substr(0, cut + 1);
}

ImageOutcome DiscImageController::CheckOutcome(const std::vector<Finding>& findings) {
  if (HasErrors(findings)) {
    s_.messages.Show("The disc image cannot be made:\r\n" + Lines(findings), kTitle, MsgIcon::Critical,
                     MsgButtons::Ok);
    return ImageOutcome::Stopped;
  }
  if (!HasWarnings(findings)) return ImageOutcome::Written;
  bool go_on = s_.messages.Show("Please note before the disc image is made:\r\n" + Lines(findings) +
                                    "\r\n\r\nDo you want to make the image anyway?",
                                kTitle, MsgIcon::Exclamation, MsgButtons::YesNo) == MsgResult::Yes;
  return go_on ? ImageOutcome::Written : ImageOutcome::Declined;
}

std::string DiscImageController::AskImagePath(const std::string& root, const std::string& name) {
  FileDialogRequest request;
  request.title = "Save Disc Image As";
  request.filter_description = "Disc Images (*.iso)";
  request.filter_pattern = "*.iso";
  request.initial_folder = FolderAbove(root);
  request.initial_name = DefaultImageName(name);
  request.default_extension = "iso";
  request.must_exist = false;
  request.overwrite_prompt = true;
  for (;;) {
    std::string path = s_.dialogs.Save(request);
    if (path.empty()) return path;
    if (LeafName(path).find('.') == std::string::npos) path += ".iso";
    // An image inside the folder it images would try to hold itself.
    if (!IsInsideFolder(path, root)) return path;
    s_.messages.Show("A disc image cannot be saved inside the root folder that it images (" + root +
                         ").\r\nPlease choose another folder.",
                     kTitle, MsgIcon::Exclamation, MsgButtons::Ok);
  }
}

void DiscImageController::Done(const IsoResult& result) {
  std::string text = "The disc image has been written:\r\n" + image_path_ + "\r\n\r\n" +
                     SizeText(result.bytes) + ", " + std::to_string(result.files) + " file" +
                     (result.files == 1 ? "" : "s") + ": " + MediaFitText(result.bytes) +
                     ".\r\n\r\nDo you want to burn it to a disc now?";
  if (s_.messages.Show(text, "Success", MsgIcon::Information, MsgButtons::YesNo) != MsgResult::Yes) return;
  if (s_.shell.ExecuteVerb("burn", image_path_)) return;
  s_.messages.Show(
      "Windows has no disc image burner for .iso files on this computer (the file type has no \"burn\" "
      "command).\r\nPlease burn " +
          image_path_ + " with your burning program.",
      kTitle, MsgIcon::Information, MsgButtons::Ok);
}

ImageOutcome DiscImageController::Run(const CheckSubject& subject, const std::string& label) {
  image_path_.clear();
  ImageOutcome checked = CheckOutcome(check_.Run(subject));
  if (checked != ImageOutcome::Written) return checked;
  // The file is named after the whole title: the label keeps only its first 16 characters. The "?" only
  // asks for a shaped menu.
  std::string name = subject.title ? RemoveEvery(*subject.title, "?") : std::string();
  std::string path = AskImagePath(subject.root, TrimBlanks(name).empty() ? label : name);
  if (path.empty()) return ImageOutcome::Declined;
  image_path_ = path;

  IsoOptions options;
  options.label = label;
  ProgressAdapter adapter(s_.progress, LeafName(path));
  s_.progress.Open(kTitle);
  IsoResult result = writer_(subject.root, path, options, &adapter);
  s_.progress.Close();
  if (result.cancelled) return ImageOutcome::Cancelled;
  if (!result.ok) {
    std::string error = result.error;
    for (const IsoProblem& problem : result.problems) error += "\r\n" + problem.path + ": " + problem.message;
    s_.messages.Show("The disc image could not be written: " + error, "Error", MsgIcon::Critical,
                     MsgButtons::Ok);
    return ImageOutcome::Failed;
  }
  Done(result);
  return ImageOutcome::Written;
}

}  // namespace orb
