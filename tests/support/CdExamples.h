// Reference CD files shared by the writer tests (which must produce them) and the reader tests (which
// must read them back as the player does).
#pragma once

#include <string>

#include "project/ProjectModel.h"

namespace orb::examples {

// The project the worked files come from (also the project file tests' worked example).
inline ProjectData WorkedProject() {
  ProjectData project;
  project.RootFolder = "C:\\MyCd\\";
  project.CdTitle = "My CD";
  project.BackgroundImage = "C:\\MyCd\\imgmusic\\back.jpg";
  MenuSpot spot;
  spot.Name = "Start";
  spot.ToolTip = "Run setup";
  spot.Action = ActionCode(ActionKind::ExecuteFile);
  spot.Target = "C:\\MyCd\\setup.exe";
  spot.RolloverImage = "C:\\MyCd\\imgmusic\\over.gif";
  spot.X = 1200;
  spot.Y = 900;
  project.Spots.push_back(spot);
  return project;
}

// menu.cfg of a project rooted at C:\MyCd\: title My CD, background imgmusic\back.jpg, one spot "Start"
// (tooltip Run setup, action 1, target setup.exe, rollover imgmusic\over.gif at 1200, 900).
inline const std::string kWorkedMenuCfg =
    "true\r\n"
    "\\imgmusic\\back.jpg\r\n"
    "My CD\r\n"
    "\r\n"
    " 1 \r\n"
    "Start\r\n"
    "Run setup\r\n"
    " 1 \r\n"
    "\\setup.exe\r\n"
    "\\imgmusic\\over.gif\r\n"
    " 1200 \r\n"
    " 900 \r\n"
    "\r\n"
    "\r\n"
    "\r\n"
    " 0 \r\n"
    " 0 \r\n"
    " 0 \r\n"
    " 0 \r\n";

// autorun.des of the simple mode: start program \imgmusic\demo.exe, sound \imgmusic\intro.mp3, command
// line -fullscreen.
inline std::string SimpleAutorunDes() {
  std::string slot(616, '\0');
  slot[2] = 18;
  slot[4] = 11;
  slot[10] = 19;
  std::string text = "\\imgmusic\\demo.exe\\imgmusic\\intro.mp3-fullscreen" + std::string(252, ' ');
  slot.replace(12, 300, text);
  return slot;
}

}  // namespace orb::examples
