// The menu spot editor's controls; see SpotEditorLayout.h.
#include "editor/windows/SpotEditorLayout.h"

namespace orb::frmmenuspots {

namespace {
const char* const kSoundTip = "Click to locate a sound(mp3,mid,wav) file.";
}

const Control kControls[] = {
    {Kind::RedLabel, Role::None, "Sub menu name :", 720, 165, 1245, 195, nullptr},
    {Kind::Label, Role::None, "Action :", 1395, 510, 540, 195, nullptr},
    {Kind::Label, Role::None, "Action  name :", 915, 930, 1020, 195, nullptr},
    {Kind::Label, Role::VideoLabel, "Video Co-ordinates :", 495, 1275, 1425, 195, nullptr},
    {Kind::Label, Role::VideoLabel, "X:", 2040, 1305, 165, 180, nullptr},
    {Kind::Label, Role::VideoLabel, "Y:", 3150, 1305, 165, 180, nullptr},
    {Kind::Label, Role::VideoLabel, "Video Size :", 1065, 1590, 840, 195, nullptr},
    {Kind::Label, Role::VideoLabel, "W:", 2040, 1620, 225, 180, nullptr},
    {Kind::Label, Role::VideoLabel, "H:", 3150, 1620, 165, 180, nullptr},
    {Kind::Label, Role::None, "Tool Tip text :", 915, 1980, 975, 195, nullptr},
    {Kind::RedLabel, Role::None, "Rollover image :", 735, 2340, 1140, 195, nullptr},
    {Kind::RedLabel, Role::None, "Image co-ordinates :", 420, 2700, 1440, 195, nullptr},
    {Kind::Label, Role::None, "X :", 2040, 2700, 210, 180, nullptr},
    {Kind::Label, Role::None, "Y :", 3150, 2700, 210, 180, nullptr},
    {Kind::Label, Role::None, "Menu Move Sound file :", 165, 3060, 1695, 195, nullptr},
    {Kind::Label, Role::None, "Menu Click Sound file :", 210, 3405, 1635, 195, nullptr},
    {Kind::Label, Role::None, "Custom Mouse Pointer :", 150, 3780, 1680, 195, nullptr},
    {Kind::RedLabel, Role::None, "* Items Marked in Red are mandatory.", 120, 4545, 2880, 180, nullptr},

    {Kind::Text, Role::txtmenuname, "", 2040, 165, 2055, 230, "Enter a menu spot name for identification purpose."},
    {Kind::ActionList, Role::cmbact, "", 2040, 510, 2070, 315,
     "This action will be performed when the user clicks the menu spot."},
    {Kind::Text, Role::txtindex0, "", 2040, 945, 2055, 230,
     "Enter a parameter or select a file depending upon the action chosen above."},
    {Kind::PageList, Role::cmbpage, "", 2040, 945, 2055, 315, "The page this menu spot shows when it is clicked."},
    {Kind::Browse, Role::imgbrowse0, "...", 4200, 810, 360, 360,
     "Click to locate the action dependent file else directly specify the desired action."},
    {Kind::ReadOnlyText, Role::txtvidx, "0", 2340, 1275, 675, 270, "The X-posiiton of the Video."},
    {Kind::ReadOnlyText, Role::txtvidy, "0", 3420, 1275, 675, 270, nullptr},
    {Kind::Button, Role::cmdvidlocate, "&Locate", 4200, 1425, 675, 300,
     "Click here to Locate the X and Y co-ordinates of the video and to set its Width and Height."},
    {Kind::ReadOnlyText, Role::txtvidwidth, "0", 2340, 1605, 675, 270, "The custom width of the Video to be displayed."},
    {Kind::ReadOnlyText, Role::txtvidheight, "0", 3420, 1605, 675, 270,
     "The custom height of the Video to be displayed."},
    {Kind::Text, Role::txttooltip, "", 2040, 1980, 2055, 230,
     "This text is automatically displayed when the user moves the mouse over the menu spot."},
    {Kind::Text, Role::txtindex1, "", 2040, 2340, 2055, 230,
     "This image will be automatically displayed when the user moves the mouse over the menu spot and will be "
     "made unvisible when the user moves mouse away."},
    {Kind::Browse, Role::imgbrowse1, "...", 4200, 2205, 360, 360, "Click to locate the rollover image."},
    {Kind::ReadOnlyText, Role::txtx, "0", 2340, 2685, 675, 270, "The X-posiiton of the rollover image."},
    {Kind::ReadOnlyText, Role::txty, "0", 3420, 2685, 675, 270, "The Y-position of the rollover image."},
    {Kind::Button, Role::cmdlocate, "L&ocate", 4200, 2640, 675, 300,
     "Click here to Locate the X and Y co-ordinates of the rollover image."},
    {Kind::Text, Role::txtindex2, "", 2040, 3060, 2055, 230,
     "This sound file  is automatically played when the user moves the mouse over the menu spot."},
    {Kind::Browse, Role::imgbrowse2, "...", 4200, 2985, 360, 360, kSoundTip},
    {Kind::Text, Role::txtindex3, "", 2040, 3420, 2055, 230,
     "This sound file  is automatically played when the user clicks on  the  menu spot."},
    {Kind::Browse, Role::imgbrowse3, "...", 4200, 3345, 360, 360, kSoundTip},
    {Kind::Text, Role::txtindex4, "", 2040, 3780, 2055, 230,
     "The custom icon of the mouse when the mouse is moved to this menu spot."},
    {Kind::Browse, Role::imgbrowse4, "...", 4200, 3675, 360, 360, nullptr},
    {Kind::Button, Role::cmdok, "OK", 2040, 4140, 855, 300, "Click it to save this menu spot."},
    {Kind::Button, Role::cmdcancel, "Cancel", 3240, 4140, 855, 300, "Click to go back."},
    // Last, so that the controls before it keep their identifiers and places in the tab order.
    {Kind::LanguageList, Role::cmblanguage, "", 2040, 945, 2055, 315,
     "The language this menu spot shows the menu in: one of the menu's language tags, or type another."},
};

const int kControlCount = sizeof kControls / sizeof kControls[0];

}  // namespace orb::frmmenuspots
