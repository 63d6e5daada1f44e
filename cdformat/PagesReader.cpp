// The reader of pages.cfg; see PagesReader.h.
#include "cdformat/PagesReader.h"

#include <iterator>
#include <optional>

#include "cdformat/FieldReader.h"
#include "cdformat/PagesFormat.h"
#include "common/MessagePath.h"

namespace orb {
namespace {

bool IsBlank(std::string_view line) { return line.find_first_not_of(' ') == std::string_view::npos; }

// At least 1: a page the player shows must give the keyboard and the pointer something to reach.
bool Count(FieldReader& in, int16_t& count, const char* what, const char* expected) {
  if (!in.Number(count, what)) return false;
  if (count >= 1) return true;
  return in.Fail(in.LineNumber(), std::string("expected ") + expected + " (1 to 32767), found " +
                                      std::to_string(count));
}

// Page `number` (2 onwards); messages name the page, and inside its spots the spot.
bool ReadPage(FieldReader& in, const std::string& folder, int number, PlayerPage& page) {
  const std::string of = " of page " + std::to_string(number);
  auto what = [&of](const char* field) { return std::string(field) + of; };
  std::string line;
  if (!in.Line(line, what("the name").c_str())) return false;
  page.Name = TrimBlanks(line);
  if (!in.Line(line, what("the window title").c_str())) return false;
  page.Title = line;
  if (!in.Line(line, what("the background picture").c_str())) return false;
  if (IsBlank(line)) {
    return in.Fail(in.LineNumber(), "expected " + what("the background picture") + ", found a blank line");
  }
  page.BackgroundPath = PlayerPath(folder, line);
  int16_t spots = 0;
  const std::string count = what("the number of spots");
  if (!Count(in, spots, count.c_str(), count.c_str())) return false;
  for (int i = 1; i <= spots; ++i) {
    PlayerSpot spot;
    in.EnterSpot(i);
    if (!ReadPlayerSpot(in, folder, spot)) return false;  // the line tells the page
    page.Spots.push_back(std::move(spot));
  }
  in.EnterSpot(0);
  return true;
}

// A count that may be 0 (a version without texts, a project without versions besides its default).
bool CountFromZero(FieldReader& in, int16_t& count, const std::string& what) {
  if (!in.Number(count, what.c_str())) return false;
  if (count >= 0) return true;
  return in.Fail(in.LineNumber(), what + " is negative (" + std::to_string(count) + ")");
}

// "tooltip 1 2", "title 3": the field, the page and, for a spot's field, the spot; all numbers from 1.
bool ParseKey(const std::string& line, LanguageText& text) {
  std::vector<std::string> words;
  size_t at = 0;
  while ((at = line.find_first_not_of(' ', at)) != std::string::npos) {
    size_t end = line.find(' ', at);
    words.push_back(line.substr(at, end == std::string::npos ? std::string::npos : end - at));
    at = end;
  }
  if (words.empty()) return false;
  int field = 0;
  while (field < kLanguageFieldCount && words[0] != kLanguageFieldKeywords[field]) ++field;
  if (field == kLanguageFieldCount) return false;
  text.Field = static_cast<LanguageField>(field);
  if (words.size() != (IsSpotField(text.Field) ? 3u : 2u)) return false;
  std::optional<int16_t> page = ParseInt16(words[1]);
  if (!page || *page < 1) return false;
  text.Page = *page;
  text.Spot = 0;
  if (!IsSpotField(text.Field)) return true;
  std::optional<int16_t> spot = ParseInt16(words[2]);
  if (!spot || *spot < 1) return false;
  text.Spot = *spot;
  return true;
}

// A true text in place of menu.cfg's fallback, read as menu.cfg reads that line.
void ApplyTrueText(const TrueText& text, const std::string& folder, MenuConfig& config) {
  if (text.Spot == 0) {
    if (text.Field == "title") config.CdTitle = text.Value;
    if (text.Field == "background") config.BackgroundPath = PlayerPath(folder, text.Value);
    if (text.Field == "splash") config.SplashPath = IsBlank(text.Value) ? std::string() : PlayerPath(folder, text.Value);
    if (text.Field == "sound") config.StartSound = TrimBlanks(text.Value);
    if (text.Field == "program") config.StartProgram = TrimBlanks(text.Value);
    if (text.Field == "commandline") config.CommandLine = TrimBlanks(text.Value);
    return;
  }
  if (text.Spot < 1 || text.Spot > static_cast<int>(config.Spots.size())) return;
  static const PlayerSpotText kFields[] = {PlayerSpotText::Name,       PlayerSpotText::ToolTip,
                                           PlayerSpotText::Target,     PlayerSpotText::Rollover,
                                           PlayerSpotText::MoveSound,  PlayerSpotText::ClickSound,
                                           PlayerSpotText::Pointer};
  for (size_t i = 0; i < std::size(kTrueTextSpotFields); ++i) {
    if (text.Field == kTrueTextSpotFields[i])
      SetPlayerSpotText(config.Spots[static_cast<size_t>(text.Spot - 1)], folder, kFields[i], text.Value);
  }
}

}  // namespace

void ReadSimpleTrueTexts(std::string_view data, const std::string& player_folder, const std::string& path,
                         MenuConfig& config) {
  MenuConfig read = config;
  FormatError ignored;
  if (!ReadPagesConfig(data, player_folder, path, read, ignored)) return;
  config.StartSound = std::move(read.StartSound);
  config.StartProgram = std::move(read.StartProgram);
  config.CommandLine = std::move(read.CommandLine);
}

bool ReadTrueTexts(FieldReader& in, std::vector<TrueText>& texts) {
  std::string line;
  in.EnterPage(0);
  if (in.AtEnd() || !in.Line(line, "the true texts") || TrimBlanks(line) != kTrueTextsLine) return true;
  int16_t count = 0;
  if (!CountFromZero(in, count, "the number of true texts")) return false;
  std::vector<TrueText> read;
  for (int t = 1; t <= count; ++t) {
    const std::string which = "true text " + std::to_string(t);
    if (!in.Line(line, ("the key of " + which).c_str())) return false;
    TrueText& text = read.emplace_back();
    std::string key = TrimBlanks(line);
    size_t blank = key.find(' ');
    text.Field = key.substr(0, blank);
    if (blank != std::string::npos) {
      std::optional<int16_t> spot = ParseInt16(key.substr(blank + 1));
      text.Spot = spot && *spot >= 1 ? *spot : -1;  // -1: no spot this reader knows, so it changes nothing
    }
    if (!in.Line(text.Value, ("the value of " + which).c_str())) return false;
  }
  texts = std::move(read);
  return true;
}

bool ReadLanguageVersions(FieldReader& in, const std::function<int16_t(int page, int spot)>& action_of,
                          const std::function<std::string(const std::string& line, bool is_path)>& value,
                          std::string& default_tag, std::vector<LanguageVersion>& versions) {
  in.EnterPage(0);
  std::string line;
  if (!in.Line(line, "the default language")) return false;
  std::string tag = TrimBlanks(line);
  int16_t count = 0;
  if (!CountFromZero(in, count, "the number of language versions")) return false;
  std::vector<LanguageVersion> read;
  for (int v = 1; v <= count; ++v) {
    const std::string of = " of language version " + std::to_string(v);
    LanguageVersion& version = read.emplace_back();
    if (!in.Line(line, ("the tag" + of).c_str())) return false;
    version.Tag = TrimBlanks(line);
    int16_t texts = 0;
    if (!CountFromZero(in, texts, "the number of texts" + of)) return false;
    for (int t = 1; t <= texts; ++t) {
      const std::string which = "text " + std::to_string(t) + of;
      if (!in.Line(line, ("the key of " + which).c_str())) return false;
      LanguageText& text = version.Texts.emplace_back();
      if (!ParseKey(line, text))
        return in.Fail(in.LineNumber(), "the key of " + which + " is not a field and its page (and spot): \"" +
                                            std::string(FirstCharacters(line, 40)) + "\" (as \"title 2\" or \"tooltip 1 3\")");
      if (!in.Line(line, ("the value of " + which).c_str())) return false;
      bool is_path = text.Field == LanguageField::Background || text.Field == LanguageField::Rollover ||
                     (text.Field == LanguageField::Target && TargetIsPath(action_of(text.Page, text.Spot)));
      text.Value = value(line, is_path);
    }
  }
  default_tag = std::move(tag);
  versions = std::move(read);
  return true;
}

bool SamePageName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  for (size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

bool ReadPagesConfig(std::string_view data, const std::string& player_folder, const std::string& file_name,
                     MenuConfig& config, FormatError& error) {
  config.Pages.clear();
  config.Languages.clear();
  // Editors on Windows like to open UTF-8 with a byte-order mark; it says nothing the version line does not.
  if (data.substr(0, 3) == "\xEF\xBB\xBF") data.remove_prefix(3);
  FieldReader in(data, file_name, kPlayerFileMessages, error);
  std::string line;
  const std::string expected_version = std::string("the version line \"") + kPagesVersionLine + "\"";
  if (!in.Line(line, expected_version.c_str())) return false;
  const bool languages = TrimBlanks(line) == kPagesVersion2Line;
  if (TrimBlanks(line) != kPagesVersionLine && !languages) {
    if (line.rfind(kPagesVersionPrefix, 0) != 0) {
      return in.Fail(1, "expected " + expected_version + " as the first line");
    }
    const std::string version(FirstCharacters(TrimBlanks(line), 40));
    return in.Fail(1, "the pages are of another version (\"" + version + "\") than this player reads (\"" +
                          kPagesVersionLine + "\" and \"" + kPagesVersion2Line + "\")");
  }
  if (!in.Line(line, "page 1's name")) return false;
  std::string first_name = TrimBlanks(line);
  int16_t count = 0;
  // Version 1 exists for the further pages alone; version 2 also for the languages of a one-page menu.
  if (languages ? !CountFromZero(in, count, "the number of further pages")
                : !Count(in, count, "the number of further pages", "the number of further pages"))
    return false;
  std::vector<PlayerPage> pages;
  for (int i = 0; i < count; ++i) {
    PlayerPage page;
    if (!ReadPage(in, player_folder, i + 2, page)) return false;
    pages.push_back(std::move(page));
  }
  std::string default_tag;
  std::vector<LanguageVersion> versions;
  if (languages) {
    auto action_of = [&](int page, int spot) -> int16_t {
      const std::vector<PlayerSpot>* spots =
          page == 1 ? &config.Spots : page >= 2 && page - 2 < static_cast<int>(pages.size()) ? &pages[page - 2].Spots : nullptr;
      if (!spots || spot < 1 || spot > static_cast<int>(spots->size())) return 0;
      return (*spots)[static_cast<size_t>(spot - 1)].Action;
    };
    auto value = [&](const std::string& line, bool is_path) {
      std::string value_text = TrimBlanks(line);
      return is_path && !value_text.empty() ? PlayerPath(player_folder, value_text) : value_text;
    };
    if (!ReadLanguageVersions(in, action_of, value, default_tag, versions)) return false;
  }
  std::vector<TrueText> true_texts;
  if (languages && !ReadTrueTexts(in, true_texts)) return false;
  for (const TrueText& text : true_texts) ApplyTrueText(text, player_folder, config);
  config.PageName = std::move(first_name);
  config.Pages = std::move(pages);
  config.DefaultLanguage = std::move(default_tag);
  config.Languages = std::move(versions);
  return true;
}

}  // namespace orb
