// The pages text's writer; see PagesText.h.
#include "cdformat/PagesText.h"

#include <algorithm>

#include "cdformat/CdFormats.h"
#include "cdformat/PagesFormat.h"
#include "common/NativeText.h"
#include "common/PathText.h"
#include "common/TextLines.h"

namespace orb {

namespace {

class PagesWriter {
 public:
  PagesWriter(const std::string& root, PagesPathForm form) : root_(root), form_(form) {}

  void Text(const std::string& text) {
    std::string line = NativeToUtf8(text);
    std::replace(line.begin(), line.end(), '\r', ' ');
    std::replace(line.begin(), line.end(), '\n', ' ');
    out_.Line(line);
  }
  void Number(long value) { out_.Number(value); }
  void Path(const std::string& full) { Text(Relative(full)); }

  void Spot(const MenuSpot& spot) {
    Text(spot.Name);
    Text(spot.ToolTip);
    Number(spot.Action);
    // The project file passes every target through the root's removal, typed texts too; menu.cfg only
    // the targets that are files.
    if (form_ == PagesPathForm::ProjectFile || TargetIsPath(spot.Action))
      Path(spot.Target);
    else
      Text(spot.Target);
    Path(spot.RolloverImage);
    Number(spot.X);
    Number(spot.Y);
    Path(spot.MoveSound);
    Path(spot.ClickSound);
    Path(spot.MousePointer);
    Number(spot.VideoX);
    Number(spot.VideoY);
    Number(spot.VideoWidth);
    Number(spot.VideoHeight);
  }

  std::string Take() { return out_.Data(); }

 private:
  std::string Relative(const std::string& full) const {
    if (form_ == PagesPathForm::CdRoot) return CdRelativePath(full, root_);
    if (root_.empty() || full.find(root_) == std::string::npos) return full;
    return RemoveEvery(full, root_);
  }

  const std::string& root_;
  PagesPathForm form_;
  LineWriter out_;
};

}  // namespace

bool HasPagesText(const ProjectData& project) {
  return !project.Pages.empty() || project.PageName != kDefaultPageName;
}

std::string PagesText(const ProjectData& project, const std::string& root, PagesPathForm form) {
  PagesWriter out(root, form);
  out.Text(kPagesVersionLine);
  out.Text(project.PageName);
  out.Number(static_cast<long>(project.Pages.size()));
  for (const MenuPage& page : project.Pages) {
    out.Text(page.Name);
    out.Text(page.CdTitle);
    out.Path(page.BackgroundImage);
    out.Number(static_cast<long>(page.Spots.size()));
    for (const MenuSpot& spot : page.Spots) out.Spot(spot);
  }
  return out.Take();
}

}  // namespace orb
