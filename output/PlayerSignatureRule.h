// The check's finding on the root's player: whether it is signed and by whom, which is what AutoPlay and
// SmartScreen show as its publisher.
#pragma once

#include "output/ProjectCheck.h"

namespace orb::check_rules {

// A note naming the signer or saying that the player is unsigned; a warning when its signature is
// damaged or it is no Windows program. Only for a root that already holds the player.
void PlayerSignature(CheckContext& context);

}  // namespace orb::check_rules
