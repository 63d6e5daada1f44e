// The check a disc image gets before it is written, in the editor's Make Disc Image and in the CLI's
// check alike.
#pragma once

#include "common/FileSystem.h"
#include "output/ProjectCheck.h"

namespace orb {

// The standard rules and the player's signature, since a damaged one makes the disc's player look
// tampered with, and the menu videos' playback.
ProjectCheck DiscImageCheck(FileSystem& fs);

}  // namespace orb
