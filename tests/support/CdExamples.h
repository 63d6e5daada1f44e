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

// The worked project in scripts Windows-1252 lacks: a Greek title and icon, a Japanese background and
// target, an Arabic tooltip, a spot named with an emoji; and one text that fits, which stays as it is.
inline ProjectData WorldProject() {
  ProjectData project = WorkedProject();
  project.CdTitle = "Σελίδα";
  project.CdIcon = "C:\\MyCd\\Εικόνα.ico";
  project.BackgroundImage = "C:\\MyCd\\日本語.bmp";
  project.Spots[0].Name = "🎬 Start";
  project.Spots[0].ToolTip = "تشغيل";
  project.Spots[0].Target = "C:\\MyCd\\ファイル.txt";
  project.Spots[0].ClickSound = "C:\\MyCd\\café.wav";
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

// The worked project with a "Go to Page" spot on page 1 and two further pages: "Extras" (shaped, a
// video and a Back spot) and "Docs" (a spot leading home).
inline ProjectData PagedProject() {
  ProjectData project = WorkedProject();
  MenuSpot extras;
  extras.Name = "More";
  extras.Action = ActionCode(ActionKind::GoToPage);
  extras.Target = "Extras";
  extras.RolloverImage = "C:\\MyCd\\imgmusic\\more.gif";
  project.Spots.push_back(extras);
  MenuPage page{"Extras", "Extras ?", "C:\\MyCd\\imgmusic\\extras.jpg", {}};
  MenuSpot video;
  video.Name = "Intro";
  video.Action = ActionCode(ActionKind::PlayVideo);
  video.Target = "C:\\MyCd\\imgmusic\\intro.avi";
  video.RolloverImage = "C:\\MyCd\\imgmusic\\intro.gif";
  video.VideoWidth = 4800;
  video.VideoHeight = 3600;
  MenuSpot back;
  back.Name = "Back";
  back.Action = ActionCode(ActionKind::GoBack);
  back.RolloverImage = "C:\\MyCd\\imgmusic\\back.gif";
  back.X = 300;
  page.Spots = {video, back};
  project.Pages.push_back(page);
  MenuSpot docs;
  docs.Name = "Docs";
  docs.Action = ActionCode(ActionKind::GoToPage);
  docs.Target = "Docs";
  docs.RolloverImage = "C:\\MyCd\\imgmusic\\docs.gif";
  project.Pages[0].Spots.push_back(docs);
  MenuSpot home = back;
  home.Name = "Home";
  home.Action = ActionCode(ActionKind::GoToPage);
  home.Target = "Home";
  project.Pages.push_back(MenuPage{"Docs", "Documents", "C:\\MyCd\\imgmusic\\docs.jpg", {home}});
  return project;
}

// The pages text of PagedProject as the project file carries it after its last spot (paths without the
// root's text); pages.cfg has the same lines with "\\" in front of each path.
inline const std::string kPagedProjectPagesText =
    "Orbmenu pages 1\r\n"
    "Home\r\n"
    " 2 \r\n"
    "Extras\r\nExtras ?\r\nimgmusic\\extras.jpg\r\n 3 \r\n"
    "Intro\r\n\r\n 5 \r\nimgmusic\\intro.avi\r\nimgmusic\\intro.gif\r\n 0 \r\n 0 \r\n\r\n\r\n\r\n"
    " 0 \r\n 0 \r\n 4800 \r\n 3600 \r\n"
    "Back\r\n\r\n 9 \r\n\r\nimgmusic\\back.gif\r\n 300 \r\n 0 \r\n\r\n\r\n\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"
    "Docs\r\n\r\n 8 \r\nDocs\r\nimgmusic\\docs.gif\r\n 0 \r\n 0 \r\n\r\n\r\n\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"
    "Docs\r\nDocuments\r\nimgmusic\\docs.jpg\r\n 1 \r\n"
    "Home\r\n\r\n 8 \r\nHome\r\nimgmusic\\back.gif\r\n 300 \r\n 0 \r\n\r\n\r\n\r\n 0 \r\n 0 \r\n 0 \r\n 0 "
    "\r\n";

// PagedProject with Greek as its default language (page 2's title; page 1's text is Windows-1252 in the
// project file) and Japanese, Arabic and German versions, one of them reached by a Switch Language spot.
inline ProjectData LanguageProject() {
  ProjectData project = PagedProject();
  project.Pages[0].CdTitle = "Επιπλέον ?";
  MenuSpot german;
  german.Name = "Deutsch";
  german.Action = ActionCode(ActionKind::SwitchLanguage);
  german.Target = "de";
  german.RolloverImage = "C:\\MyCd\\imgmusic\\de.gif";
  project.Spots.push_back(german);
  project.DefaultLanguage = "el";
  project.Languages = {
      {"ja",
       {{LanguageField::Title, 2, 0, "おまけ ?"},
        {LanguageField::Background, 2, 0, "C:\\MyCd\\imgmusic\\extras-ja.jpg"},
        {LanguageField::ToolTip, 2, 1, "紹介ビデオ 🎬"},
        {LanguageField::Target, 2, 1, "C:\\MyCd\\imgmusic\\intro-ja.avi"}}},
      {"ar",
       {{LanguageField::ToolTip, 1, 1, "تشغيل الإعداد"},
        {LanguageField::Rollover, 1, 1, "C:\\MyCd\\imgmusic\\over-ar.gif"}}},
      {"de", {{LanguageField::Title, 1, 0, "Meine CD 😀"}, {LanguageField::Target, 1, 2, "Extras"}}},
  };
  return project;
}

// The language part of LanguageProject's pages text in the project file, after its last further page.
inline const std::string kLanguageProjectLanguages =
    "el\r\n 3 \r\n"
    "ja\r\n 4 \r\n"
    "title 2\r\nおまけ ?\r\n"
    "background 2\r\nimgmusic\\extras-ja.jpg\r\n"
    "tooltip 2 1\r\n紹介ビデオ 🎬\r\n"
    "target 2 1\r\nimgmusic\\intro-ja.avi\r\n"
    "ar\r\n 2 \r\n"
    "tooltip 1 1\r\nتشغيل الإعداد\r\n"
    "rollover 1 1\r\nimgmusic\\over-ar.gif\r\n"
    "de\r\n 2 \r\n"
    "title 1\r\nMeine CD 😀\r\n"
    "target 1 2\r\nExtras\r\n";

}  // namespace orb::examples
