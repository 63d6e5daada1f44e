// The project file (.obm, 2.x layout): 7 header lines and 14 lines a spot, paths stored without the root
// folder's text. Reading and writing of the bytes, and loading and saving through the file seam.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cdformat/FieldReader.h"
#include "common/FileSystem.h"
#include "common/TextLines.h"
#include "project/ProjectModel.h"

namespace orb {

constexpr int kProjectHeaderLines = 7;
constexpr int kProjectSpotLines = 14;

// The project file's wording of its problems, for FieldReader (the 1.x conversion words them alike).
extern const FieldMessages kProjectFileMessages;

// The file's bytes for a project; RootFolder (line 1) is the root whose text the paths lose.
std::string ProjectFileText(const ProjectData& project);

// Line 1 of a project file, trimmed of blanks: the root folder the file was saved with. The editor
// looks whether it exists before reading on (and may pick a replacement). Empty for an empty file.
std::string ProjectFileRoot(std::string_view data);

// Reads a project file's bytes. With replacement_root set, that folder stands for line 1's root folder
// (a project whose root folder was moved). On a bad file: false, error names file_name, the line and the
// problem, and project is left as it was.
bool ParseProjectFile(std::string_view data, const std::string& file_name,
                      const std::optional<std::string>& replacement_root, ProjectData& project,
                      FormatError& error);

// Reads the file at path through the seam, then parses it as above.
bool LoadProjectFile(FileSystem& fs, const std::string& path,
                     const std::optional<std::string>& replacement_root, ProjectData& project,
                     FormatError& error);

// Writes the project to path atomically: the old file stays untouched until the new one is complete.
// False with a message naming the file in error.
bool SaveProjectFile(FileSystem& fs, const std::string& path, const ProjectData& project, std::string& error);

// The name a first save writes under: the chosen name when such a file exists (it is replaced), otherwise
// the chosen name with ".obm" appended.
std::string SaveFileNameFor(FileSystem& fs, const std::string& chosen);

}  // namespace orb
