// The project check's subject of an existing CD root: the files that its autorun.inf, autorun.des, menu.cfg
// and pages.cfg name, and its pages, read as Windows and the player read them.
#pragma once

#include <string>
#include <vector>

#include "common/FileSystem.h"
#include "output/ProjectCheck.h"

namespace orb::cli {

// root: the model form of the folder (ending with a backslash). A file that cannot be read as the
// player reads it becomes an error in problems; the rest of the root is still checked.
CheckSubject SubjectFromRoot(FileSystem& fs, const std::string& root, std::vector<Finding>& problems);

}  // namespace orb::cli
