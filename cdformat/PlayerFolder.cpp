// Player folder and twips; see PlayerFolder.h.
#include "cdformat/PlayerFolder.h"

namespace orb {

std::string PlayerFolder(std::string_view program_folder) {
  if (program_folder.size() < 4) return std::string(program_folder.substr(0, 2));
  return std::string(program_folder);
}

std::string ProgramFolder(std::string_view program_path) {
  size_t slash = program_path.find_last_of("\\/");
  if (slash == std::string_view::npos) return std::string();
  // A drive root keeps its backslash, as the system reports it.
  if (slash == 2 && program_path[1] == ':') return std::string(program_path.substr(0, 3));
  return std::string(program_path.substr(0, slash));
}

int TwipsToPixels(int twips) {
  // Rounded to the nearest pixel, halves away from zero, the same on both sides of the origin.
  return twips >= 0 ? (twips * 2 + 15) / 30 : -((-twips * 2 + 15) / 30);
}

}  // namespace orb
