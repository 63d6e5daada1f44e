// The support address as the build set it; see SupportMail.h.
#include "common/SupportMail.h"

#ifndef ORB_SUPPORT_MAIL
#error "ORB_SUPPORT_MAIL comes from the build (common/CMakeLists.txt)"
#endif

namespace orb {

const char* const kSupportMailAddress = ORB_SUPPORT_MAIL;

}  // namespace orb
