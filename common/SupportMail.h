// The maker's support mail address, one for both programs: the editor's about window shows and opens it,
// the player's mail spots open it. It is a build-time setting (ORB_SUPPORT_MAIL; see the README).
#pragma once

namespace orb {

extern const char* const kSupportMailAddress;

}  // namespace orb
