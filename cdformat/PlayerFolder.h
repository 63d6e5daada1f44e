// Where the player runs from, and the small conversions every player window shares.
#pragma once

#include <string>
#include <string_view>

namespace orb {

// The player's folder without a trailing backslash from the program's folder as the system reports it
// ("D:\" at a drive root gives "D:", "C:\MyCd" stays as it is).
std::string PlayerFolder(std::string_view program_folder);

// The folder of a program path ("C:\MyCd\Orbstart.exe" gives "C:\MyCd", "D:\Orbstart.exe" gives "D:\").
std::string ProgramFolder(std::string_view program_path);

// Menu coordinates are twips of the background picture, 15 to a picture pixel whatever the display.
int TwipsToPixels(int twips);

// The title of the player's message boxes.
inline constexpr const char* kPlayerTitle = "Orbstart";

}  // namespace orb
