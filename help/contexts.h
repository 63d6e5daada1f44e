/* Context numbers by which Orbmenu opens its help pages (editor/windows/HelpTopics.h holds the same). */
#define IDH_SIMPLE_MODE 1001
#define IDH_MENU_MODE 1002
#define IDH_SPOT_EDITOR 1004
#define IDH_CONVERT 1005
#define IDH_OPTIONS 1006
