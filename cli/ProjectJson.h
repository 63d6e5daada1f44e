// A menu project as JSON, both ways: what `show` prints and what `import` reads, in one place so that
// importing what show printed gives the same project file back.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "project/ProjectModel.h"

namespace orb::cli {

// Page 1's fields at the top level; "page_name" and "pages" when the project has further pages or page 1
// is renamed. Page 1's text is Windows-1252 (the project file's own); the further pages' text is UTF-8
// already (the pages text's), and only the root folder in front of their paths is converted.
nlohmann::ordered_json ProjectToJson(const ProjectData& project);

// A problem in the JSON: where (a JSON path such as pages[1].spots[0].action) and what.
struct JsonProblem {
  std::string path;
  std::string message;
};

// The project of JSON in ProjectToJson's form. Unknown fields, wrong types, numbers out of range, action
// codes of no action, text Windows-1252 lacks on page 1 and page names used twice (compared without
// case) are refused with the first problem found.
bool ProjectFromJson(const nlohmann::json& json, ProjectData& project, JsonProblem& problem);

}  // namespace orb::cli
