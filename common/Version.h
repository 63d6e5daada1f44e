// The one version of both programs: the resources and the window titles take it from here.
#pragma once

#define ORB_VERSION_MAJOR 2
#define ORB_VERSION_MINOR 0
#define ORB_VERSION_PATCH 0
#define ORB_VERSION_RC 2, 0, 0, 0
#define ORB_VERSION_TEXT "2.0.0"
// The publisher and product that Windows shows for both programs (AutoPlay, SmartScreen, file properties).
#define ORB_COMPANY_NAME "Orbmenu Software"
#define ORB_PRODUCT_NAME "Orbmenu"
