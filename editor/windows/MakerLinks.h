// The maker's addresses that the editor shows or opens: web site, support mail, update server, download page.
// They are build-time settings (ORB_MAKER_SITE, set in editor/windows/CMakeLists.txt; the support mail is
// common/SupportMail.h, shared with the player; see the README).
#pragma once

#include "common/SupportMail.h"

#if !defined(ORB_MAKER_SITE)
#error "ORB_MAKER_SITE comes from the build (link against orb_editor)"
#endif

namespace orb {

inline constexpr const char* kMakerWebsite = ORB_MAKER_SITE "/";
inline constexpr const char* kMakerProductsPage = ORB_MAKER_SITE "/products/";
inline constexpr const char* kMakerDownloadPage = ORB_MAKER_SITE "/download/";
// The update check fetches kUpdateServer + kVersionFilePath. The Win32 side lets the environment variable
// ORBMENU_UPDATE_SERVER (for instance "http://127.0.0.1:8000") replace the server, which is how tests reach
// a loopback server.
inline constexpr const char* kUpdateServer = ORB_MAKER_SITE;
inline constexpr const char* kVersionFilePath = "/ver/obm.ver";
inline constexpr const char* kUpdateServerVariable = "ORBMENU_UPDATE_SERVER";

}  // namespace orb
