// The writer of the pages text (layout in docs/pages.md), for both of its places: after the last spot of
// the project file and in the CD root's pages.cfg. The two differ only in how they write paths.
#pragma once

#include <string>

#include "project/ProjectModel.h"

namespace orb {

enum class PagesPathForm {
  ProjectFile,  // every occurrence of the root folder's text removed, as the project file stores paths
  CdRoot,       // relative to the CD root and trimmed, as menu.cfg stores them
};

// Whether a project carries the pages text in its project file: more pages than one, or page 1 renamed.
// A project of one page named "Home" writes the bytes it always wrote.
bool HasPagesText(const ProjectData& project);

// The pages text: the version line, page 1's name, then every further page with its spots. Text is
// converted to UTF-8; a line break inside a value becomes a blank.
std::string PagesText(const ProjectData& project, const std::string& root, PagesPathForm form);

}  // namespace orb
