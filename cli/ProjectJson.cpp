// A menu project as JSON; see ProjectJson.h.
#include "cli/ProjectJson.h"

#include <cctype>
#include <map>
#include <set>

#include "cdformat/PagesText.h"
#include "common/LanguageTag.h"
#include "common/TextLines.h"
#include "project/LanguageVersions.h"

namespace orb::cli {

namespace {

using OrderedJson = nlohmann::ordered_json;
using Json = nlohmann::json;

OrderedJson SpotsToJson(const std::vector<MenuSpot>& spots) {
  OrderedJson list = OrderedJson::array();
  for (const MenuSpot& s : spots) {
    OrderedJson spot;
    spot["name"] = s.Name;
    spot["tooltip"] = s.ToolTip;
    spot["action"] = s.Action;
    spot["target"] = TargetIsPath(s.Action) ? s.Target : s.Target;
    spot["rollover_image"] = s.RolloverImage;
    spot["x"] = s.X;
    spot["y"] = s.Y;
    spot["move_sound"] = s.MoveSound;
    spot["click_sound"] = s.ClickSound;
    spot["mouse_pointer"] = s.MousePointer;
    spot["video_x"] = s.VideoX;
    spot["video_y"] = s.VideoY;
    spot["video_width"] = s.VideoWidth;
    spot["video_height"] = s.VideoHeight;
    list.push_back(std::move(spot));
  }
  return list;
}

struct Problem {
  std::string path;
  std::string message;
};

std::string Member(const std::string& path, const std::string& key) {
  return path.empty() ? key : path + "." + key;
}
std::string Element(const std::string& path, size_t index) {
  return path + "[" + std::to_string(index) + "]";
}

// One JSON object read field by field; every problem is thrown with its path.
class ObjectReader {
 public:
  ObjectReader(const Json& json, std::string path, const std::set<std::string>& fields)
      : json_(json), path_(std::move(path)) {
    if (!json.is_object()) throw Problem{Where(), "must be an object"};
    for (const auto& item : json.items()) {
      if (!fields.count(item.key()))
        throw Problem{Member(path_, item.key()), "is not a field of this object"};
    }
  }

  bool Has(const char* key) const { return json_.contains(key); }

  const Json& Get(const char* key, bool required) const {
    static const Json kNull;
    if (json_.contains(key)) return json_.at(key);
    if (required) throw Problem{Member(path_, key), "is missing"};
    return kNull;
  }

  std::string Text(const char* key, bool required = false) const {
    const Json& value = Get(key, required);
    if (value.is_null() && !Has(key)) return std::string();
    if (!value.is_string()) throw Problem{Member(path_, key), "must be a string"};
    // The model holds UTF-8, as the JSON does; the project file keeps what its code page lacks in the pages
    // text, so nothing is refused here.
    return value.get_ref<const std::string&>();
  }

  std::string Path(const char* key, bool required = false) const { return Text(key, required); }

  int16_t Number(const char* key, bool required = false) const {
    const Json& value = Get(key, required);
    if (value.is_null() && !Has(key)) return 0;
    if (!value.is_number_integer() || value.get<long long>() < -32768 || value.get<long long>() > 32767)
      throw Problem{Member(path_, key), "must be a whole number from -32768 to 32767"};
    return static_cast<int16_t>(value.get<long long>());
  }

  // The list under key: its elements with their paths.
  const Json& List(const char* key, bool required) const {
    const Json& value = Get(key, required);
    if (value.is_null() && !Has(key)) return value;
    if (!value.is_array()) throw Problem{Member(path_, key), "must be a list"};
    return value;
  }

  std::string Where(const char* key = nullptr) const {
    if (key) return Member(path_, key);
    return path_.empty() ? "the JSON" : path_;
  }

 private:
  const Json& json_;
  std::string path_;
};

const std::set<std::string> kSpotFields = {
    "name",       "tooltip",     "action",        "target",  "rollover_image", "x",           "y",
    "move_sound", "click_sound", "mouse_pointer", "video_x", "video_y",        "video_width", "video_height"};

std::vector<MenuSpot> SpotsFromJson(const Json& list, const std::string& path) {
  std::vector<MenuSpot> spots;
  if (list.is_null()) return spots;
  for (size_t i = 0; i < list.size(); ++i) {
    ObjectReader in(list[i], Element(path, i), kSpotFields);
    MenuSpot& s = spots.emplace_back();
    s.Name = in.Text("name", true);
    s.ToolTip = in.Text("tooltip");
    s.Action = in.Number("action", true);
    if (s.Action < ActionCode(ActionKind::ExecuteFile) || s.Action > ActionCode(ActionKind::SwitchLanguage))
      throw Problem{in.Where("action"),
                    "is " + std::to_string(s.Action) + ", which is no action (the codes are 1 to 10)"};
    s.Target = TargetIsPath(s.Action) ? in.Path("target") : in.Text("target");
    s.RolloverImage = in.Path("rollover_image");
    s.X = in.Number("x");
    s.Y = in.Number("y");
    s.MoveSound = in.Path("move_sound");
    s.ClickSound = in.Path("click_sound");
    s.MousePointer = in.Path("mouse_pointer");
    s.VideoX = in.Number("video_x");
    s.VideoY = in.Number("video_y");
    s.VideoWidth = in.Number("video_width");
    s.VideoHeight = in.Number("video_height");
  }
  return spots;
}

const std::set<std::string> kProjectFields = {
    "root_folder", "cd_title",  "cd_icon", "sound_file",       "background_image", "splash_image",
    "spots",       "page_name", "pages",   "default_language", "languages"};

std::string Folded(const std::string& name) {
  std::string folded = name;
  for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return folded;
}

// "default_language" and "languages": tags of BCP 47's shape, each used once, and texts that name a field of
// a page or spot the project has. Their text is UTF-8, as the pages text's.
void LanguagesFromJson(const ObjectReader& names, ProjectData& p) {
  auto tag_at = [](const ObjectReader& in, const char* key) {
    std::string tag = TrimBlanks(in.Text(key, true));
    if (!ValidLanguageTag(tag))
      throw Problem{in.Where(key), "\"" + tag + "\" is not a language tag (such as \"de\", \"pt-BR\" or \"zh-Hant-TW\")"};
    return tag;
  };
  // An empty default is a project whose own texts have no tag named.
  if (names.Has("default_language") && !TrimBlanks(names.Text("default_language")).empty())
    p.DefaultLanguage = tag_at(names, "default_language");
  const Json& languages = names.List("languages", false);
  std::map<std::string, std::string> given;
  if (!p.DefaultLanguage.empty()) given.emplace(Folded(p.DefaultLanguage), "default_language");
  for (size_t i = 0; !languages.is_null() && i < languages.size(); ++i) {
    ObjectReader language(languages[i], Element("languages", i), {"tag", "texts"});
    LanguageVersion& version = p.Languages.emplace_back();
    version.Tag = tag_at(language, "tag");
    auto [first, fresh] = given.emplace(Folded(version.Tag), language.Where("tag"));
    if (!fresh) throw Problem{language.Where("tag"), "\"" + version.Tag + "\" is the tag of " + first->second + " already"};
    const Json& texts = language.List("texts", true);
    for (size_t t = 0; t < texts.size(); ++t) {
      ObjectReader entry(texts[t], Element(language.Where("texts"), t), {"page", "spot", "field", "value"});
      LanguageText& text = version.Texts.emplace_back();
      std::string field = entry.Text("field", true);
      if (!LanguageFieldFromName(field, text.Field))
        throw Problem{entry.Where("field"), "\"" + field +
                                                "\" is no field of a language version (title, background, "
                                                "tooltip, rollover, target)"};
      text.Page = entry.Number("page", true);
      if (text.Page < 1 || text.Page > static_cast<int>(p.Pages.size()) + 1)
        throw Problem{entry.Where("page"), "is " + std::to_string(text.Page) + ", but the project has pages 1 to " +
                                               std::to_string(p.Pages.size() + 1)};
      const size_t spots = text.Page == 1 ? p.Spots.size() : p.Pages[static_cast<size_t>(text.Page - 2)].Spots.size();
      if (IsSpotField(text.Field)) {
        text.Spot = entry.Number("spot", true);
        if (text.Spot < 1 || text.Spot > static_cast<int>(spots))
          throw Problem{entry.Where("spot"), "is " + std::to_string(text.Spot) + ", but page " +
                                                 std::to_string(text.Page) + " has " + std::to_string(spots) +
                                                 " spot" + (spots == 1 ? "" : "s")};
      } else if (entry.Has("spot")) {
        throw Problem{entry.Where("spot"), "is not a field of a page's " + field};
      }
      // Read back trimmed from the file, so stored so.
      text.Value = TrimBlanks(LanguageValueIsPath(p, text) ? entry.Path("value") : entry.Text("value"));
    }
  }
}

}  // namespace

OrderedJson ProjectToJson(const ProjectData& project) {
  OrderedJson json;
  json["root_folder"] = project.RootFolder;
  json["cd_title"] = project.CdTitle;
  json["cd_icon"] = project.CdIcon;
  json["sound_file"] = project.SoundFile;
  json["background_image"] = project.BackgroundImage;
  json["splash_image"] = project.SplashImage;
  json["spots"] = SpotsToJson(project.Spots);
  // The pages' fields only where the author made them; true texts alone need none.
  if (project.Pages.empty() && project.PageName == kDefaultPageName && !HasLanguageVersions(project)) return json;
  json["page_name"] = project.PageName;
  json["pages"] = OrderedJson::array();
  for (const MenuPage& page : project.Pages) {
    OrderedJson item;
    item["name"] = page.Name;
    item["cd_title"] = page.CdTitle;
    item["background_image"] = page.BackgroundImage;
    item["spots"] = SpotsToJson(page.Spots);
    json["pages"].push_back(std::move(item));
  }
  if (!HasLanguageVersions(project)) return json;
  json["default_language"] = project.DefaultLanguage;
  json["languages"] = OrderedJson::array();
  for (const LanguageVersion& version : project.Languages) {
    OrderedJson item;
    item["tag"] = version.Tag;
    item["texts"] = OrderedJson::array();
    for (const LanguageText& text : version.Texts) {
      OrderedJson entry;
      entry["page"] = text.Page;
      if (IsSpotField(text.Field)) entry["spot"] = text.Spot;
      entry["field"] = LanguageFieldName(text.Field);
      entry["value"] = LanguageValueIsPath(project, text) ? text.Value : text.Value;
      item["texts"].push_back(std::move(entry));
    }
    json["languages"].push_back(std::move(item));
  }
  return json;
}

bool ProjectFromJson(const Json& json, ProjectData& project, JsonProblem& problem) {
  try {
    ObjectReader in(json, "", kProjectFields);
    ProjectData p;
    p.RootFolder = in.Text("root_folder", true);
    p.CdTitle = in.Text("cd_title");
    p.CdIcon = in.Text("cd_icon");
    p.SoundFile = in.Text("sound_file");
    p.BackgroundImage = in.Text("background_image");
    p.SplashImage = in.Text("splash_image");
    p.Spots = SpotsFromJson(in.List("spots", true), "spots");

    const ObjectReader& names = in;
    // Names and titles are read back trimmed from the file, so they are stored so.
    if (names.Has("page_name")) p.PageName = TrimBlanks(names.Text("page_name"));
    // Where each name was given first, by its folded form.
    std::map<std::string, std::string> given = {{Folded(p.PageName), "page_name"}};
    const Json& pages = names.List("pages", false);
    for (size_t i = 0; !pages.is_null() && i < pages.size(); ++i) {
      std::string path = Element("pages", i);
      ObjectReader page(pages[i], path, {"name", "cd_title", "background_image", "spots"});
      MenuPage& added = p.Pages.emplace_back();
      added.Name = TrimBlanks(page.Text("name", true));
      auto [first, fresh] = given.emplace(Folded(added.Name), page.Where("name"));
      if (!fresh)
        throw Problem{page.Where("name"), "\"" + added.Name + "\" is the name of " + first->second +
                                              " already (page names are compared without case)"};
      added.CdTitle = TrimBlanks(page.Text("cd_title"));
      added.BackgroundImage = page.Path("background_image", true);
      added.Spots = SpotsFromJson(page.List("spots", true), page.Where("spots"));
    }
    LanguagesFromJson(names, p);
    project = std::move(p);
    return true;
  } catch (const Problem& p) {
    problem = JsonProblem{p.path, p.message};
    return false;
  }
}

}  // namespace orb::cli
