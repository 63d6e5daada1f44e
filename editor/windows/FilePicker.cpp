// The editor's file choosing; see FilePicker.h.
#include "editor/windows/FilePicker.h"

#include <algorithm>
#include <memory>

#include "common/DpiScale.h"
#include "common/MessagePath.h"
#include "common/TextLines.h"
#include "common/PathText.h"

namespace orb {

const FileFilters kIconFilters = {{"Icon Files (*.ico)", "*.ico*"}};
const FileFilters kSoundFilters = {{"Supported Sound Files (*.wav,*.mp3,*.mid)", "*.wav;*.mp3;*.mid*"},
                                   {"Wav Files (*.wav)", "*.wav*"},
                                   {"Mp3 Files (*.mp3)", "*.mp3*"},
                                   {"Mid Files (*.mid)", "*.mid*"}};
const FileFilters kAllFilters = {{"All Files (*.*)", "*.*"}};
const FileFilters kImageFilters = {{"Supported Image Files", "*.bmp;*.dib;*.gif;*.jpg;*.png;*.wmf;*.emf"},
                                   {"Bitmaps (*.bmp,*.dib)", "*.bmp;*.dib"},
                                   {"GIF Images (*.gif)", "*.gif"},
                                   {"JPEG Images (*.jpg)", "*.jpg"},
                                   {"PNG Images (*.png)", "*.png"},
                                   {"Metafiles  (*.wmf,*.emf)", "*.wmf;*.emf"}};
const FileFilters kRolloverFilters = {
    {"Supported Image Files", "*.bmp;*.dib;*.gif;*.jpg;*.png;*.ico;*.cur;*.wmf;*.emf"},
    {"Bitmaps (*.bmp,*.dib)", "*.bmp;*.dib"},
    {"GIF Images (*.gif)", "*.gif"},
    {"JPEG Images (*.jpg)", "*.jpg"},
    {"PNG Images (*.png)", "*.png"},
    {"Icons (*.ico)", "*.ico"},
    {"Metafiles  (*.wmf,*.emf)", "*.wmf;*.emf"}};

namespace {

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

}  // namespace

std::string FilePicker::PickFile(const std::string& title, const FileFilters& filters) {
  FileDialogRequest request;
  request.title = title;
  if (!filters.empty()) {
    request.filter_description = filters[0].first;
    request.filter_pattern = filters[0].second;
    request.more_filters.assign(filters.begin() + 1, filters.end());
  }
  request.initial_folder = model_.RememberedRoot();
  request.must_exist = true;
  return dialogs_.Open(request);
}

std::string FilePicker::AdoptFile(const std::string& chosen, const std::string& dest_folder) {
  const std::string& root = model_.RememberedRoot();
  if (root.empty()) return chosen;
  // Windows names one file in many spellings: compare full paths, without case, "/" as "\".
  std::string full = files_.FullPath(chosen);
  std::string full_root = files_.FullPath(root);
  if (!full_root.empty() && full_root.back() != '\\' && full_root.back() != '/') full_root += '\\';
  if (full.size() > full_root.size() && IsInsideFolder(full, full_root)) {
    // Spelled from the root's own text, so that the project file and menu.cfg find it below the root.
    std::string below = full.substr(full_root.size());
    for (char& c : below) c = c == '/' ? '\\' : c;
    return root + (root.back() == '\\' ? "" : "\\") + below;
  }
  const std::string leaf = LeafName(chosen);
  std::string dest = dest_folder + leaf;
  if (SamePath(full, files_.FullPath(dest))) return dest;  // never copied onto itself
  // A file of that name may be another spot's picture: never replace it. The same bytes are used where
  // they lie; different bytes go under the next free "name (n).ext".
  for (int n = 2; files_.Exists(dest); ++n) {
    if (SameBytes(files_, chosen, dest)) {
      AdoptTwins(chosen, dest);
      return dest;
    }
    if (n > kMaxNumberedCopies) break;  // a folder that answers "exists" to every name
    dest = dest_folder + NumberedName(leaf, n);
  }
  messages_.Show("The file will now be copied to the root folder.\r\nPlease read help for more information",
                 "Automatic Adjustment", MsgIcon::Information, MsgButtons::Ok);
  std::string error;
  if (!files_.CopyFile(chosen, dest, error)) {
    // The field keeps what it had: a path to a copy that is not there would break the CD.
    messages_.Show("Could not copy " + MessagePath(chosen) + " to " + MessagePath(dest) + ": " + error, "Error",
                   MsgIcon::Critical, MsgButtons::Ok);
    return std::string();
  }
  AdoptTwins(chosen, dest);
  return dest;
}

void FilePicker::AdoptTwins(const std::string& chosen, const std::string& dest) {
  // Without them the copy is drawn scaled up on high-DPI screens where the original was sharp.
  for (const TwinScale& twin : kTwinScales) {
    const std::string from = TwinPath(chosen, twin.suffix), to = TwinPath(dest, twin.suffix);
    if (!files_.Exists(from) || files_.Exists(to)) continue;
    std::string error;
    if (!files_.CopyFile(from, to, error))
      messages_.Show("Could not copy " + MessagePath(from) + " to " + MessagePath(to) + ": " + error, "Error",
                     MsgIcon::Critical, MsgButtons::Ok);
  }
}

std::string FilePicker::PickAndAdopt(const BrowseRequest& request, const std::string& destination_folder) {
  std::string chosen = PickFile(request.title, request.filters);
  return chosen.empty() ? chosen : AdoptFile(chosen, destination_folder);
}

}  // namespace orb
