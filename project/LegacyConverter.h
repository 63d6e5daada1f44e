// Conversion of a 1.x project file (6 + 9 lines a spot) into the 2.x layout, file to file, next to the
// old one. The project in memory is never touched, and the 1.x file is never written.
#pragma once

#include <string>
#include <string_view>

#include "common/FileSystem.h"
#include "common/TextLines.h"

namespace orb {

// The new file's name: every ".obm" replaced by "_2.xprj.obm". A path without ".obm" (say PROJ.OBM)
// would name the 1.x file itself, so it gets "_2.xprj.obm" appended instead.
std::string LegacyConvertedName(const std::string& old_path);

// The 2.x bytes for a 1.x file's bytes. False with error (file_name, line, problem) on a bad file.
bool ConvertLegacyText(std::string_view old_data, const std::string& file_name, std::string& new_data,
                       FormatError& error);

// Reads old_path, writes the converted project atomically under LegacyConvertedName(old_path) and puts
// that name in new_path. On failure nothing is written (or the previous file of that name stays).
bool ConvertLegacyProject(FileSystem& fs, const std::string& old_path, std::string& new_path,
                          FormatError& error);

// "Project (OLD) converted successfully to (NEW)."
std::string LegacyConvertedMessage(const std::string& old_path, const std::string& new_path);

}  // namespace orb
