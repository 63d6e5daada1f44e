// The pages text's writer; see PagesText.h.
#include "cdformat/PagesText.h"

#include <algorithm>

#include "cdformat/CdFormats.h"
#include "cdformat/PagesFormat.h"
#include "common/AnsiText.h"
#include "common/PathText.h"
#include "common/TextLines.h"

namespace orb {

namespace {

// A line break inside a value would shift every line after it; it becomes a blank.
std::string OneLine(std::string text) {
  std::replace(text.begin(), text.end(), '\r', ' ');
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}

// A path as the text's place stores it: CD-root-relative in pages.cfg, without the root folder's text in
// the project file.
std::string PathInForm(const std::string& full, const std::string& root, PagesPathForm form) {
  if (form == PagesPathForm::CdRoot) return CdRelativePath(full, root);
  if (root.empty() || full.find(root) == std::string::npos) return full;
  return RemoveEvery(full, root);
}

class PagesWriter {
 public:
  PagesWriter(const std::string& root, PagesPathForm form) : root_(root), form_(form) {}

  void Text(const std::string& text) { out_.Line(OneLine(text)); }
  void Number(long value) { out_.Number(value); }
  void Path(const std::string& full) { Text(PathInForm(full, root_, form_)); }

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
  const std::string& root_;
  PagesPathForm form_;
  LineWriter out_;
};

}  // namespace

bool HasLanguageVersions(const ProjectData& project) {
  return !project.Languages.empty() || !project.DefaultLanguage.empty();
}

namespace {

// The block of true texts after version 2's language part.
void WriteTrueTexts(PagesWriter& out, const std::vector<TrueText>& texts) {
  out.Text(kTrueTextsLine);
  out.Number(static_cast<long>(texts.size()));
  for (const TrueText& text : texts) {
    out.Text(TrueTextKey(text));
    out.Text(text.Value);
  }
}

}  // namespace

std::vector<TrueText> TrueTexts(const ProjectData& project, const std::string& root, PagesPathForm form) {
  const bool file = form == PagesPathForm::ProjectFile;
  auto relative = [&](const std::string& full) { return PathInForm(full, root, form); };
  std::vector<TrueText> texts;
  auto add = [&texts](const char* field, int spot, const std::string& value) {
    std::string line = OneLine(value);
    if (!FitsAnsi(line)) texts.push_back(TrueText{field, spot, std::move(line)});
  };
  if (file) add("root", 0, root);
  add("title", 0, project.CdTitle);
  if (file) add("icon", 0, relative(project.CdIcon));
  add("sound", 0, relative(project.SoundFile));
  add("background", 0, relative(project.BackgroundImage));
  add("splash", 0, relative(project.SplashImage));
  int number = 0;
  for (const MenuSpot& spot : project.Spots) {
    ++number;
    add("name", number, spot.Name);
    add("tooltip", number, spot.ToolTip);
    add("target", number, file || TargetIsPath(spot.Action) ? relative(spot.Target) : spot.Target);
    add("rollover", number, relative(spot.RolloverImage));
    add("movesound", number, relative(spot.MoveSound));
    add("clicksound", number, relative(spot.ClickSound));
    add("pointer", number, relative(spot.MousePointer));
  }
  return texts;
}

std::string SimplePagesText(const SimpleAutorun& simple, const std::string& root) {
  std::vector<TrueText> texts;
  auto add = [&texts](const char* field, const std::string& value) {
    if (!FitsAnsi(value)) texts.push_back(TrueText{field, 0, OneLine(value)});
  };
  add("program", CdRelativePath(simple.StartProgram, root));
  add("sound", CdRelativePath(simple.AutorunSound, root));
  add("commandline", TrimBlanks(simple.CommandLine));
  if (texts.empty()) return std::string();
  PagesWriter out(root, PagesPathForm::CdRoot);
  out.Text(kPagesVersion2Line);
  out.Text(kDefaultPageName);
  out.Number(0);
  out.Text("");
  out.Number(0);
  WriteTrueTexts(out, texts);
  return out.Take();
}

std::string TrueTextKey(const TrueText& text) {
  return text.Spot > 0 ? text.Field + " " + std::to_string(text.Spot) : text.Field;
}

bool HasPagesText(const ProjectData& project) {
  return !project.Pages.empty() || project.PageName != kDefaultPageName || HasLanguageVersions(project) ||
         !TrueTexts(project, project.RootFolder, PagesPathForm::ProjectFile).empty();
}

bool WritesPagesCfg(const ProjectData& project, const std::string& root) {
  return !project.Pages.empty() || HasLanguageVersions(project) ||
         !TrueTexts(project, root, PagesPathForm::CdRoot).empty();
}

namespace {

// The action of the spot a version's text belongs to; 0 when it names no spot.
int16_t ActionOfSpot(const ProjectData& project, int page, int spot) {
  const std::vector<MenuSpot>* spots = nullptr;
  if (page == 1) {
    spots = &project.Spots;
  } else if (page >= 2 && page <= static_cast<int>(project.Pages.size()) + 1) {
    spots = &project.Pages[static_cast<size_t>(page - 2)].Spots;
  }
  if (!spots || spot < 1 || spot > static_cast<int>(spots->size())) return 0;
  return (*spots)[static_cast<size_t>(spot - 1)].Action;
}

}  // namespace

bool LanguageValueIsPath(const ProjectData& project, const LanguageText& text) {
  if (text.Field == LanguageField::Background || text.Field == LanguageField::Rollover) return true;
  return text.Field == LanguageField::Target && TargetIsPath(ActionOfSpot(project, text.Page, text.Spot));
}

std::string LanguageKeyLine(const LanguageText& text) {
  int index = static_cast<int>(text.Field);
  std::string key = index >= 0 && index < kLanguageFieldCount ? kLanguageFieldKeywords[index] : "";
  key += " " + std::to_string(text.Page);
  if (IsSpotField(text.Field)) key += " " + std::to_string(text.Spot);
  return key;
}

std::string PagesText(const ProjectData& project, const std::string& root, PagesPathForm form) {
  PagesWriter out(root, form);
  const std::vector<TrueText> true_texts = TrueTexts(project, root, form);
  const bool languages = HasLanguageVersions(project) || !true_texts.empty();
  out.Text(languages ? kPagesVersion2Line : kPagesVersionLine);
  out.Text(project.PageName);
  out.Number(static_cast<long>(project.Pages.size()));
  for (const MenuPage& page : project.Pages) {
    out.Text(page.Name);
    out.Text(page.CdTitle);
    out.Path(page.BackgroundImage);
    out.Number(static_cast<long>(page.Spots.size()));
    for (const MenuSpot& spot : page.Spots) out.Spot(spot);
  }
  if (!languages) return out.Take();
  out.Text(project.DefaultLanguage);
  out.Number(static_cast<long>(project.Languages.size()));
  for (const LanguageVersion& version : project.Languages) {
    out.Text(version.Tag);
    out.Number(static_cast<long>(version.Texts.size()));
    for (const LanguageText& text : version.Texts) {
      out.Text(LanguageKeyLine(text));
      if (LanguageValueIsPath(project, text))
        out.Path(text.Value);
      else
        out.Text(text.Value);
    }
  }
  if (!true_texts.empty()) WriteTrueTexts(out, true_texts);
  return out.Take();
}

}  // namespace orb
