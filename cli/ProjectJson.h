// A menu project as JSON, both ways: what `show` prints and what `import` reads, in one place so that
// importing what show printed gives the same project file back.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "project/ProjectModel.h"

namespace orb::cli {

// Page 1's fields at the top level; "page_name" and "pages" when the project has further pages or page 1
// is renamed. All text is UTF-8, as the model holds it.
nlohmann::ordered_json ProjectToJson(const ProjectData& project);

// A problem in the JSON: where (a JSON path such as pages[1].spots[0].action) and what.
struct JsonProblem {
  std::string path;
  std::string message;
};

// The project of JSON in ProjectToJson's form. Unknown fields, wrong types, numbers out of range, action
// codes of no action and page names used twice (compared without case) are refused with the first problem
// found. Text in any script is taken: the project file keeps what its code page lacks in the pages text.
bool ProjectFromJson(const nlohmann::json& json, ProjectData& project, JsonProblem& problem);

}  // namespace orb::cli
