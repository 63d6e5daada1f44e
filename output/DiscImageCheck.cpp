// The disc image's check; see DiscImageCheck.h.
#include "output/DiscImageCheck.h"

#include "output/PlayerSignatureRule.h"
#include "output/VideoPlaybackRule.h"

namespace orb {

ProjectCheck DiscImageCheck(FileSystem& fs) {
  ProjectCheck check(fs);
  check.AddRule(check_rules::PlayerSignature);
  check.AddRule(check_rules::VideoPlayback);
  return check;
}

}  // namespace orb
