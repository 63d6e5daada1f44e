// The real spot editor and placement windows: fields reach the controller, Locate opens the placement
// window, nudges and drags come back as twips, and a video preview opens inside the frame and closes.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../../support/FakeMediaTransport.h"
#include "common/win/MfVideoEngine.h"
#include "editor/windows/PlacementLayout.h"
#include "editor/windows/SpotEditorLayout.h"
#include "editor/windows/win/PlacementWindow.h"
#include "editor/windows/win/SpotEditorWindow.h"
#include "tests/support/PumpMessages.h"
#include "tests/support/WineDataPath.h"

namespace orb {
namespace {

// Like the editor, this program is its own video decoder: started as one, it decodes here, before main, and
// ends.
[[maybe_unused]] const bool kStartedAsDecoder = RunVideoDecoderIfAsked();

std::string DataPath(const char* name) {
  std::string path = std::string("Z:") + ORB_SOURCE_DIR + "/tests/data/pictures/" + name;
  for (char& c : path) c = c == '/' ? '\\' : c;
  return path;
}

class NoMessages : public MessageBoxSeam {
 public:
  std::vector<std::string> shown;
  MsgResult Show(const std::string& text, const std::string&, MsgIcon, MsgButtons) override {
    shown.push_back(text);
    return MsgResult::Ok;
  }
};
class NoPicker : public SpotFilePicker {
 public:
  std::string PickAndAdopt(const BrowseRequest&, const std::string&) override { return ""; }
};
class ListLog : public SpotListSink {
 public:
  std::vector<std::string> appended;
  void RenameEntry(int, const std::string&) override {}
  void AppendEntry(const std::string& text) override { appended.push_back(text); }
};
// Window sizes come from the real windows, so the put command shows the frame's size.
class WindowMedia : public FakeMediaTransport {
 public:
  bool WindowSize(MediaWindow window, int& width, int& height) override {
    RECT r;
    if (!GetWindowRect(reinterpret_cast<HWND>(window), &r)) return false;
    width = r.right - r.left;
    height = r.bottom - r.top;
    return true;
  }
};

// Steps run one per timer tick inside the dialogs' own message loops; each waits for its window to show.
struct Step {
  const char* caption;
  std::function<void(HWND)> act;
};
std::vector<Step> g_steps;
size_t g_next = 0;
HWND FindDialog(const char* caption);
void CALLBACK StepTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (g_next >= g_steps.size()) return;
  HWND d = FindDialog(g_steps[g_next].caption);
  if (!d || d != GetActiveWindow()) return;
  g_steps[g_next++].act(d);
}

BOOL CALLBACK FindByCaption(HWND hwnd, LPARAM lp) {
  auto* want = reinterpret_cast<std::pair<const char*, HWND>*>(lp);
  char text[256] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  if (IsWindowVisible(hwnd) && std::string(text) == want->first) {
    want->second = hwnd;
    return FALSE;
  }
  return TRUE;
}
HWND FindDialog(const char* caption) {
  std::pair<const char*, HWND> want{caption, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), FindByCaption, reinterpret_cast<LPARAM>(&want));
  return want.second;
}

int SpotId(frmmenuspots::Role role) {
  for (int i = 0; i < frmmenuspots::kControlCount; ++i) {
    if (frmmenuspots::kControls[i].role == role) return 2000 + i;
  }
  return 0;
}
int LocateId(frmlocate::Role role) { return 1000 + static_cast<int>(role); }
// The picture, the rectangle and the video frame lie in the window's picture area.
HWND PictureItem(HWND dialog, frmlocate::Role role) {
  return GetDlgItem(FindWindowExA(dialog, nullptr, "OrbLocateView", nullptr), LocateId(role));
}
std::string TextOf(HWND dialog, int id) {
  char text[256] = {};
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}
void Click(HWND dialog, int id, bool post) {
  WPARAM wp = MAKEWPARAM(id, BN_CLICKED);
  LPARAM lp = reinterpret_cast<LPARAM>(GetDlgItem(dialog, id));
  if (post) {
    PostMessageA(dialog, WM_COMMAND, wp, lp);
  } else {
    SendMessageA(dialog, WM_COMMAND, wp, lp);
  }
}

struct Rig {
  ProjectModel model;
  NoMessages messages;
  NoPicker picker;
  ListLog list;
  WindowMedia media;
  MediaTransport* transport = &media;  // what the placement window plays through
  HWND spot_dialog = nullptr;
  SpotEditorController editor{model, list, messages, picker,
                              [this](const PlacementInputs& in) {
                                return ShowPlacementWindow(spot_dialog, in, *transport, nullptr);
                              },
                              nullptr};
  bool Run(std::vector<Step> steps) {
    g_steps = std::move(steps);
    g_next = 0;
    UINT_PTR timer = SetTimer(nullptr, 0, 60, StepTimer);
    bool stored = ShowSpotEditor(nullptr, editor, nullptr, &spot_dialog);
    KillTimer(nullptr, timer);
    EXPECT_EQ(g_next, g_steps.size()) << "not every step ran";
    return stored;
  }
};

const char* const kSpotCaption = "Menu Spot Details";

TEST(SpotEditorWindows, RolloverIsPlacedByNudgeAndDragAndStored) {
  Rig rig;
  rig.model.SetField(ProjectField::BackgroundImage, DataPath("green.jpg"));
  rig.editor.PresetNew();
  std::string placed_x, placed_y, back_x;
  bool stored = rig.Run({
      {kSpotCaption, [&](HWND d) {
        SetDlgItemTextA(d, SpotId(frmmenuspots::Role::txtmenuname), "  Start ");
        SetDlgItemTextA(d, SpotId(frmmenuspots::Role::txtindex1), DataPath("red.bmp").c_str());
        Click(d, SpotId(frmmenuspots::Role::cmdlocate), true);
      }},
      {frmlocate::kCaption, [&](HWND d) {
        for (int i = 0; i < 10; ++i) Click(d, LocateId(frmlocate::Role::cmdright), false);
        // Drag the picture 20 pixels right and 4 down: 300 and 60 twips.
        HWND img = PictureItem(d, frmlocate::Role::img);
        SendMessageA(img, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
        SendMessageA(img, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(21, 5));
        SendMessageA(img, WM_LBUTTONUP, 0, MAKELPARAM(21, 5));
        placed_x = TextOf(d, LocateId(frmlocate::Role::txtx));
        placed_y = TextOf(d, LocateId(frmlocate::Role::txty));
        Click(d, LocateId(frmlocate::Role::cmdend), true);
      }},
      {kSpotCaption, [&](HWND d) {
        back_x = TextOf(d, SpotId(frmmenuspots::Role::txtx));
        Click(d, SpotId(frmmenuspots::Role::cmdok), true);
      }},
  });
  EXPECT_EQ(placed_x, "4510");
  EXPECT_EQ(placed_y, "2460");
  EXPECT_EQ(back_x, "4510");
  ASSERT_TRUE(stored);
  ASSERT_EQ(rig.model.SpotCount(), 1);
  EXPECT_EQ(rig.model.Spot(1).Name, "  Start ");
  EXPECT_EQ(rig.model.Spot(1).X, 4510);
  EXPECT_EQ(rig.model.Spot(1).Y, 2460);
  EXPECT_EQ(rig.list.appended, (std::vector<std::string>{"Start"}));
  EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(SpotEditorWindows, SwitchLanguageListsTheTagsInTheTargetsPlaceAndTakesATypedOne) {
  Rig rig;
  rig.model.SetDefaultLanguage("en");
  rig.model.AddLanguage("de");
  rig.editor.PresetNew();
  int tags = 0;
  bool target_hidden = false;
  bool stored = rig.Run({
      {kSpotCaption, [&](HWND d) {
        SetDlgItemTextA(d, SpotId(frmmenuspots::Role::txtmenuname), "Sprache");
        SetDlgItemTextA(d, SpotId(frmmenuspots::Role::txtindex1), DataPath("red.bmp").c_str());
        HWND action = GetDlgItem(d, SpotId(frmmenuspots::Role::cmbact));
        SendMessageA(action, CB_SETCURSEL, 10, 0);
        SendMessageA(d, WM_COMMAND, MAKEWPARAM(SpotId(frmmenuspots::Role::cmbact), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(action));
        HWND list = GetDlgItem(d, SpotId(frmmenuspots::Role::cmblanguage));
        tags = IsWindowVisible(list) ? static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0)) : -1;
        target_hidden = !IsWindowVisible(GetDlgItem(d, SpotId(frmmenuspots::Role::txtindex0)));
        // Typed into the list's edit, as a tag the menu does not have yet.
        HWND edit = FindWindowExA(list, nullptr, "Edit", nullptr);
        for (char c : std::string("pt-BR")) SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(c), 0);
        Click(d, SpotId(frmmenuspots::Role::cmdok), false);
        if (rig.model.SpotCount() == 0) PostMessageA(d, WM_COMMAND, IDCANCEL, 0);  // refused: no hang
      }},
  });
  EXPECT_EQ(tags, 2);
  EXPECT_TRUE(target_hidden);
  ASSERT_TRUE(stored);
  EXPECT_EQ(rig.model.Spot(1).Action, ActionCode(ActionKind::SwitchLanguage));
  EXPECT_EQ(rig.model.Spot(1).Target, "pt-BR");
}

TEST(SpotEditorWindows, VideoPreviewPlaysInTheFrameAndClosingEndsIt) {
  Rig rig;
  rig.media.short_paths["C:\\cd\\movie.avi"] = "C:\\cd\\MOVIE.AVI";
  rig.media.answers["status playmovie length"] = {0, "250"};
  rig.editor.PresetNew();
  rig.editor.cmbact_Click(5);
  HWND frame = nullptr;
  RECT frame_rect = {};
  bool stored = rig.Run({
      {kSpotCaption, [&](HWND d) {
        SetDlgItemTextA(d, SpotId(frmmenuspots::Role::txtindex0), "C:\\cd\\movie.avi");
        Click(d, SpotId(frmmenuspots::Role::cmdvidlocate), true);
      }},
      {frmlocate::kCaption, [&](HWND d) {
        EXPECT_FALSE(IsWindowVisible(PictureItem(d, frmlocate::Role::img)));
        EXPECT_EQ(TextOf(d, LocateId(frmlocate::Role::txtvidwidth)), "2175");
        Click(d, LocateId(frmlocate::Role::cmdprev), false);
        frame = PictureItem(d, frmlocate::Role::fraVid);
        EXPECT_TRUE(IsWindowVisible(frame));
        EXPECT_FALSE(IsWindowVisible(PictureItem(d, frmlocate::Role::lstvideo)));
        GetWindowRect(frame, &frame_rect);
        EXPECT_EQ(TextOf(d, LocateId(frmlocate::Role::cmdprev)), "Stop &Preview");
        PostMessageA(d, WM_CLOSE, 0, 0);
      }},
      {kSpotCaption, [&](HWND d) {
        EXPECT_EQ(rig.editor.VidLocateTag(), "");
        EXPECT_EQ(TextOf(d, SpotId(frmmenuspots::Role::txtvidx)), "0");
        Click(d, SpotId(frmmenuspots::Role::cmdcancel), true);
      }},
  });
  EXPECT_FALSE(stored);
  EXPECT_EQ(rig.model.SpotCount(), 0);
  std::vector<std::string> sent = rig.media.Commands();
  ASSERT_GE(sent.size(), 5u);
  EXPECT_EQ(sent[0], "open C:\\cd\\MOVIE.AVI type MpegVideo Alias playmovie parent " +
                         WindowText(reinterpret_cast<MediaWindow>(frame)) + " Style 1073741824");
  EXPECT_EQ(sent[1], "put playmovie window at 0 0 " + std::to_string(frame_rect.right - frame_rect.left) + " " +
                         std::to_string(frame_rect.bottom - frame_rect.top));
  EXPECT_EQ(sent.back(), "Close playmovie");
  // 2175 by 1470 twips at 15 to the picture pixel.
  EXPECT_EQ(frame_rect.right - frame_rect.left, 145);
  EXPECT_EQ(frame_rect.bottom - frame_rect.top, 98);
}

TEST(SpotEditorWindows, Mp4PreviewPlaysThroughMediaFoundationAndClosingEndsIt) {
  UseVideoDecoderProcess();
  Rig rig;
  std::string mp4 = WineDataPath("video/green-1s.mp4");
  rig.media.short_paths[mp4] = mp4;
  RoutedMediaTransport routed(rig.media);
  rig.transport = &routed;
  rig.editor.PresetNew();
  rig.editor.cmbact_Click(5);
  bool played = false;
  rig.Run({
      {kSpotCaption, [&](HWND d) {
        SetDlgItemTextA(d, SpotId(frmmenuspots::Role::txtindex0), mp4.c_str());
        Click(d, SpotId(frmmenuspots::Role::cmdvidlocate), true);
      }},
      {frmlocate::kCaption, [&](HWND d) {
        Click(d, LocateId(frmlocate::Role::cmdprev), false);
        played = routed.PlaysThroughEngine("playmovie");
        HWND video = PictureItem(d, frmlocate::Role::fraVid);
        EXPECT_TRUE(IsWindowVisible(video));
        // The preview's frames are drawn into the frame: the clip is green.
        COLORREF seen = 0;
        EXPECT_TRUE(PumpUntil(
            [&] {
              seen = ClientPixel(video, 10, 10);
              return GetGValue(seen) > 160 && GetRValue(seen) < 90 && GetBValue(seen) < 90;
            },
            3000))
            << std::hex << seen;
        PostMessageA(d, WM_CLOSE, 0, 0);
      }},
      {kSpotCaption, [&](HWND d) { Click(d, SpotId(frmmenuspots::Role::cmdcancel), true); }},
  });
  EXPECT_TRUE(played);
  EXPECT_FALSE(routed.PlaysThroughEngine("playmovie"));
  // The media control interface saw none of the preview's commands.
  EXPECT_EQ(rig.media.Commands(), std::vector<std::string>{});
}

}  // namespace
}  // namespace orb
