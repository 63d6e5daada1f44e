// The reader of pages.cfg; see PagesReader.h.
#include "cdformat/PagesReader.h"

#include "cdformat/FieldReader.h"
#include "cdformat/PagesFormat.h"

namespace orb {
namespace {

using TextOf = std::string (*)(std::string_view);

std::string Convert(TextOf text, std::string_view line) { return text ? text(line) : std::string(line); }

bool IsBlank(std::string_view line) { return line.find_first_not_of(' ') == std::string_view::npos; }

// At least 1: a page the player shows must give the keyboard and the pointer something to reach.
bool Count(FieldReader& in, int16_t& count, const char* what, const char* expected) {
  if (!in.Number(count, what)) return false;
  if (count >= 1) return true;
  return in.Fail(in.LineNumber(), std::string("expected ") + expected + " (1 to 32767), found " +
                                      std::to_string(count));
}

// Page `number` (2 onwards); messages name the page, and inside its spots the spot.
bool ReadPage(FieldReader& in, const std::string& folder, int number, TextOf text, PlayerPage& page) {
  const std::string of = " of page " + std::to_string(number);
  auto what = [&of](const char* field) { return std::string(field) + of; };
  std::string line;
  if (!in.Line(line, what("the name").c_str())) return false;
  page.Name = Convert(text, TrimBlanks(line));
  if (!in.Line(line, what("the window title").c_str())) return false;
  page.Title = Convert(text, line);
  if (!in.Line(line, what("the background picture").c_str())) return false;
  if (IsBlank(line)) {
    return in.Fail(in.LineNumber(), "expected " + what("the background picture") + ", found a blank line");
  }
  page.BackgroundPath = PlayerPath(folder, Convert(text, line));
  int16_t spots = 0;
  const std::string count = what("the number of spots");
  if (!Count(in, spots, count.c_str(), count.c_str())) return false;
  for (int i = 1; i <= spots; ++i) {
    PlayerSpot spot;
    in.EnterSpot(i);
    if (!ReadPlayerSpot(in, folder, spot, text)) return false;  // the line tells the page
    page.Spots.push_back(std::move(spot));
  }
  in.EnterSpot(0);
  return true;
}

}  // namespace

bool SamePageName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  for (size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

bool ReadPagesConfig(std::string_view data, const std::string& player_folder, const std::string& file_name,
                     MenuConfig& config, FormatError& error, TextOf text) {
  config.Pages.clear();
  // Editors on Windows like to open UTF-8 with a byte-order mark; it says nothing the version line does not.
  if (data.substr(0, 3) == "\xEF\xBB\xBF") data.remove_prefix(3);
  FieldReader in(data, file_name, kPlayerFileMessages, error);
  std::string line;
  const std::string expected_version = std::string("the version line \"") + kPagesVersionLine + "\"";
  if (!in.Line(line, expected_version.c_str())) return false;
  if (TrimBlanks(line) != kPagesVersionLine) {
    if (line.rfind(kPagesVersionPrefix, 0) != 0) {
      return in.Fail(1, "expected " + expected_version + " as the first line");
    }
    const std::string version = Convert(text, TrimBlanks(line).substr(0, 40));
    return in.Fail(1, "the pages are of another version (\"" + version + "\") than this player reads (\"" +
                          kPagesVersionLine + "\")");
  }
  if (!in.Line(line, "page 1's name")) return false;
  std::string first_name = Convert(text, TrimBlanks(line));
  int16_t count = 0;
  if (!Count(in, count, "the number of further pages", "the number of further pages")) return false;
  std::vector<PlayerPage> pages;
  for (int i = 0; i < count; ++i) {
    PlayerPage page;
    if (!ReadPage(in, player_folder, i + 2, text, page)) return false;
    pages.push_back(std::move(page));
  }
  config.PageName = std::move(first_name);
  config.Pages = std::move(pages);
  return true;
}

}  // namespace orb
