// The maker's addresses that the editor shows or opens: web site, support mail, update server, download page.
#pragma once

namespace orb {

inline constexpr const char* kMakerWebsite = "https://orbmenu.example.com/";
inline constexpr const char* kMakerProductsPage = "https://orbmenu.example.com/products/";
inline constexpr const char* kMakerSupportMail = "support@orbmenu.example.com";
inline constexpr const char* kMakerDownloadPage = "https://orbmenu.example.com/download/";
// The update check fetches kUpdateServer + kVersionFilePath. The Win32 side lets the environment variable
// ORBMENU_UPDATE_SERVER (for instance "http://127.0.0.1:8000") replace the server, which is how tests reach
// a loopback server.
inline constexpr const char* kUpdateServer = "https://orbmenu.example.com";
inline constexpr const char* kVersionFilePath = "/ver/obm.ver";
inline constexpr const char* kUpdateServerVariable = "ORBMENU_UPDATE_SERVER";

}  // namespace orb
