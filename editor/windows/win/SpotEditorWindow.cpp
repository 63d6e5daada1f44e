// The menu spot editor's controls and messages; the rules live in SpotEditorController.
#include "editor/windows/win/SpotEditorWindow.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "common/win/WideText.h"
#include "common/win/WindowBase.h"
#include "editor/windows/SpotEditorLayout.h"
#include "editor/windows/win/CaptionFitter.h"
#include "editor/windows/win/DialogTooltips.h"

namespace orb {

namespace {

using frmmenuspots::Kind;
using frmmenuspots::Role;

constexpr int kIdBase = 2000;

struct Binding {
  Role role;
  SpotText field;
};
const Binding kTextBindings[] = {
    {Role::txtmenuname, SpotText::Name},     {Role::txttooltip, SpotText::ToolTip},
    {Role::txtindex0, SpotText::Target},     {Role::txtindex1, SpotText::Rollover},
    {Role::txtindex2, SpotText::MoveSound},  {Role::txtindex3, SpotText::ClickSound},
    {Role::txtindex4, SpotText::Pointer},    {Role::txtx, SpotText::X},
    {Role::txty, SpotText::Y},               {Role::txtvidx, SpotText::VidX},
    {Role::txtvidy, SpotText::VidY},         {Role::txtvidwidth, SpotText::VidWidth},
    {Role::txtvidheight, SpotText::VidHeight},
};

class SpotEditorWindow {
 public:
  SpotEditorWindow(SpotEditorController& c, HICON icon, HWND* owner_out)
      : c_(c), icon_(icon), owner_out_(owner_out) {}
  ~SpotEditorWindow() {
    if (field_font_) DeleteObject(field_font_);
    if (label_font_) DeleteObject(label_font_);
    if (owner_out_) *owner_out_ = nullptr;
  }
  INT_PTR Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  // The dialog sees F1 before its controls, whichever of them has the focus: the dialog manager's loop
  // offers every message to this filter first. One spot editor is open at a time.
  static LRESULT CALLBACK F1Filter(int code, WPARAM wp, LPARAM lp);
  static SpotEditorWindow* open_;

 private:
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  void OnInit();
  void OnCommand(int index, int code, HWND control);
  void Sync();
  // Switch Language's tag list and what a language version locks or hints; wide calls, text as UTF-8.
  HWND CreateLanguageList(const frmmenuspots::Control& k, HMENU id, HFONT font);
  void SyncLanguage();
  bool OnLanguageListCommand(int code, HWND control);
  int Px(int twips) const { return MulDiv(twips, dpi_, 1440); }

  SpotEditorController& c_;
  HICON icon_;
  HWND* owner_out_;
  HWND hwnd_ = nullptr;
  HWND controls_[64] = {};
  int dpi_ = 96;
  HFONT field_font_ = nullptr, label_font_ = nullptr;
  HCURSOR hand_ = nullptr, hpoint_ = nullptr;
  CaptionFitter fitter_;
  bool syncing_ = false;
  std::string shown_hints_[64];  // the cue banner each edit shows
};

INT_PTR SpotEditorWindow::Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) hwnd_ = hwnd;
  return OnMessage(msg, wp, lp);
}

void SpotEditorWindow::OnInit() {
  if (owner_out_) *owner_out_ = hwnd_;
  if (icon_) SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  win::SetText(hwnd_, frmmenuspots::kCaption);
  dpi_ = win::WindowDpi(hwnd_);
  win::SizeClientAndCentre(hwnd_, GetWindow(hwnd_, GW_OWNER), Px(frmmenuspots::kClientWidth),
                           Px(frmmenuspots::kClientHeight), true);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  hand_ = LoadCursorW(instance, L"HAND");
  if (!hand_) hand_ = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND));
  hpoint_ = LoadCursorW(instance, L"H_POINT");
  if (!hpoint_) hpoint_ = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND));
  // Verdana 6.75 pt fields; labels in the dialog's usual face.
  field_font_ = CreateFontA(-MulDiv(675, dpi_, 7200), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                            "Verdana");
  label_font_ = CreateFontA(-MulDiv(8, dpi_, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                            "MS Sans Serif");
  HWND tips = CreateTooltips(hwnd_);
  for (int i = 0; i < frmmenuspots::kControlCount; ++i) {
    const frmmenuspots::Control& k = frmmenuspots::kControls[i];
    const char* cls = "STATIC";
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD ex = 0;
    HFONT font = label_font_;
    switch (k.kind) {
      case Kind::Label:
      case Kind::RedLabel: style |= SS_RIGHT; break;
      case Kind::Text:
      case Kind::ReadOnlyText:
        cls = "EDIT";
        style |= WS_TABSTOP | ES_AUTOHSCROLL | (k.kind == Kind::ReadOnlyText ? ES_READONLY : 0);
        ex = WS_EX_CLIENTEDGE;
        font = field_font_;
        break;
      case Kind::ActionList:
      case Kind::PageList:
        cls = "COMBOBOX";
        style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
        // The page list shows in the target's place only for Go to Page (Sync).
        if (k.kind == Kind::PageList) style &= ~WS_VISIBLE;
        font = field_font_;
        break;
      case Kind::LanguageList: break;  // CreateLanguageList
      case Kind::Browse:
      case Kind::Button:
        cls = "BUTTON";
        style |= WS_TABSTOP | (k.role == Role::cmdok ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        break;
    }
    // A drop-down list's height includes its open list.
    int height = k.kind == Kind::ActionList || k.kind == Kind::PageList ? Px(k.height) * 8 : Px(k.height);
    HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdBase + i));
    HWND h = k.kind == Kind::LanguageList
                 ? CreateLanguageList(k, id, field_font_)
                 : CreateWindowExW(ex, win::Widen(cls).c_str(), win::Widen(k.text ? k.text : "").c_str(), style,
                                   Px(k.left), Px(k.top), Px(k.width), height, hwnd_, id, instance, nullptr);
    controls_[i] = h;
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (k.kind == Kind::ActionList) {
      for (const char* entry : kActionEntryTexts)
        SendMessageW(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win::Widen(entry).c_str()));
    }
    if (k.kind == Kind::PageList) {
      for (const std::string& page : c_.PageChoices())
        SendMessageW(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win::Widen(page).c_str()));
    }
    AddTooltip(tips, hwnd_, h, k.tooltip);
  }
  std::vector<HWND> controls(controls_, controls_ + frmmenuspots::kControlCount);
  std::vector<TwipsRect> boxes;
  for (int i = 0; i < frmmenuspots::kControlCount; ++i) {
    const frmmenuspots::Control& k = frmmenuspots::kControls[i];
    boxes.push_back({k.left, k.top, k.width, k.height});
  }
  fitter_.FitAll(controls, boxes, frmmenuspots::kClientWidth, dpi_);
  Sync();
  for (int i = 0; i < frmmenuspots::kControlCount; ++i) {
    if (frmmenuspots::kControls[i].role == Role::txtmenuname) SetFocus(controls_[i]);
  }
}

void SpotEditorWindow::Sync() {
  syncing_ = true;
  for (int i = 0; i < frmmenuspots::kControlCount; ++i) {
    const frmmenuspots::Control& k = frmmenuspots::kControls[i];
    HWND h = controls_[i];
    for (const Binding& b : kTextBindings) {
      if (b.role != k.role) continue;
      if (c_.Text(b.field) != win::Text(h)) win::SetText(h, c_.Text(b.field));
    }
    bool video = k.role == Role::VideoLabel || k.role == Role::txtvidx || k.role == Role::txtvidy ||
                 k.role == Role::txtvidwidth || k.role == Role::txtvidheight;
    if (video) EnableWindow(h, c_.VideoGroupEnabled());
    if (k.role == Role::txtindex0) {
      EnableWindow(h, c_.TargetEnabled());
      ShowWindow(h, c_.TargetIsPage() || c_.TargetIsLanguage() ? SW_HIDE : SW_SHOWNA);
    }
    if (k.role == Role::cmbpage) {
      ShowWindow(h, c_.TargetIsPage() ? SW_SHOWNA : SW_HIDE);
      if (SendMessageW(h, CB_GETCURSEL, 0, 0) != c_.PageChoice())
        SendMessageW(h, CB_SETCURSEL, static_cast<WPARAM>(c_.PageChoice()), 0);
    }
    if (k.role == Role::imgbrowse0) EnableWindow(h, c_.TargetBrowseEnabled());
    if (k.role == Role::cmbact && SendMessageW(h, CB_GETCURSEL, 0, 0) != c_.Action()) {
      SendMessageW(h, CB_SETCURSEL, static_cast<WPARAM>(c_.Action()), 0);
    }
  }
  syncing_ = false;
  SyncLanguage();
}

HWND SpotEditorWindow::CreateLanguageList(const frmmenuspots::Control& k, HMENU id, HFONT font) {
  // A drop-down with an edit: the project's tags to pick, or one typed that the menu does not have yet.
  HWND h = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                           Px(k.left), Px(k.top), Px(k.width), Px(k.height) * 8, hwnd_, id, GetModuleHandleW(nullptr),
                           nullptr);
  SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  for (const std::string& tag : c_.LanguageChoices())
    SendMessageW(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win::Widen(tag).c_str()));
  return h;
}

void SpotEditorWindow::SyncLanguage() {
  syncing_ = true;
  for (int i = 0; i < frmmenuspots::kControlCount; ++i) {
    const frmmenuspots::Control& k = frmmenuspots::kControls[i];
    HWND h = controls_[i];
    if (k.role == Role::cmblanguage) {
      bool show = c_.TargetIsLanguage();
      if ((IsWindowVisible(h) != FALSE) != show) ShowWindow(h, show ? SW_SHOWNA : SW_HIDE);
      if (show) {
        std::string tag = win::Text(h);
        if (tag != c_.Text(SpotText::Target)) win::SetText(h, c_.Text(SpotText::Target));
      }
      EnableWindow(h, c_.TargetEnabled());
      continue;
    }
    // In a language version, what the version cannot give stays the default's and is locked.
    bool locked = false;
    switch (k.role) {
      case Role::txtmenuname: locked = !c_.FieldEnabled(SpotText::Name); break;
      case Role::cmbact: case Role::cmbpage: locked = !c_.ActionEnabled(); break;
      case Role::txtindex2: case Role::txtindex3: case Role::txtindex4:
      case Role::imgbrowse2: case Role::imgbrowse3: case Role::imgbrowse4:
      case Role::cmdlocate: case Role::cmdvidlocate: case Role::txtx: case Role::txty: locked = c_.InLanguageVersion(); break;
      default: break;
    }
    if (locked && IsWindowEnabled(h)) EnableWindow(h, FALSE);
    // The default's text, greyed in a version's empty field, focused too (comctl32 6's cue banner).
    bool hinted = k.role == Role::txttooltip || k.role == Role::txtindex0 || k.role == Role::txtindex1;
    if (!hinted) continue;
    SpotText field = k.role == Role::txttooltip ? SpotText::ToolTip : k.role == Role::txtindex0 ? SpotText::Target : SpotText::Rollover;
    std::string hint = c_.Hint(field);
    if (hint == shown_hints_[i]) continue;
    shown_hints_[i] = hint;
    SendMessageW(h, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(win::Widen(hint).c_str()));
    InvalidateRect(h, nullptr, TRUE);
  }
  syncing_ = false;
}

bool SpotEditorWindow::OnLanguageListCommand(int code, HWND control) {
  if (code == CBN_SELCHANGE) {
    c_.cmblanguage_Click(static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0)));
  } else if (code == CBN_EDITCHANGE && !syncing_) {
    c_.SetText(SpotText::Target, win::Text(control));
  }
  return true;
}

void SpotEditorWindow::OnCommand(int index, int code, HWND control) {
  const frmmenuspots::Control& k = frmmenuspots::kControls[index];
  if (k.kind == Kind::LanguageList) {
    OnLanguageListCommand(code, control);
    return;
  }
  if (code == EN_CHANGE) {
    if (syncing_) return;
    for (const Binding& b : kTextBindings) {
      if (b.role == k.role) c_.SetText(b.field, win::Text(control));
    }
    return;
  }
  if (k.kind == Kind::PageList && code == CBN_SELCHANGE) {
    c_.cmbpage_Click(static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0)));
    Sync();
    return;
  }
  if (k.kind == Kind::ActionList && code == CBN_SELCHANGE) {
    c_.cmbact_Click(static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0)));
    Sync();
    return;
  }
  if (code != BN_CLICKED) return;
  switch (k.role) {
    case Role::imgbrowse0: c_.imgbrowse_Click(0); break;
    case Role::imgbrowse1: c_.imgbrowse_Click(1); break;
    case Role::imgbrowse2: c_.imgbrowse_Click(2); break;
    case Role::imgbrowse3: c_.imgbrowse_Click(3); break;
    case Role::imgbrowse4: c_.imgbrowse_Click(4); break;
    case Role::cmdlocate: c_.cmdlocate_Click(); break;
    case Role::cmdvidlocate: c_.cmdvidlocate_Click(); break;
    case Role::cmdok:
      if (c_.cmdok_Click()) {
        EndDialog(hwnd_, 1);
        return;
      }
      break;
    case Role::cmdcancel: EndDialog(hwnd_, 0); return;
    default: return;
  }
  Sync();
}

INT_PTR SpotEditorWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      OnInit();
      return FALSE;
    case WM_COMMAND: {
      if (LOWORD(wp) == IDCANCEL) {
        EndDialog(hwnd_, 0);
        return TRUE;
      }
      if (LOWORD(wp) == IDOK) {  // Enter, from the dialog manager: OK, as the default button
        for (int i = 0; i < frmmenuspots::kControlCount; ++i)
          if (frmmenuspots::kControls[i].role == Role::cmdok) OnCommand(i, BN_CLICKED, controls_[i]);
        return TRUE;
      }
      int index = LOWORD(wp) - kIdBase;
      if (index >= 0 && index < frmmenuspots::kControlCount) OnCommand(index, HIWORD(wp), reinterpret_cast<HWND>(lp));
      return TRUE;
    }
    case WM_CTLCOLORSTATIC: {
      HWND control = reinterpret_cast<HWND>(lp);
      for (int i = 0; i < frmmenuspots::kControlCount; ++i) {
        if (controls_[i] == control && frmmenuspots::kControls[i].kind == Kind::RedLabel) {
          HDC dc = reinterpret_cast<HDC>(wp);
          SetTextColor(dc, RGB(255, 0, 0));
          SetBkMode(dc, TRANSPARENT);
          return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
        }
      }
      return FALSE;
    }
    case WM_SETCURSOR: {
      HWND under = reinterpret_cast<HWND>(wp);
      for (int i = 0; i < frmmenuspots::kControlCount; ++i) {
        if (controls_[i] != under) continue;
        Role r = frmmenuspots::kControls[i].role;
        HCURSOR cursor = nullptr;
        if (r == Role::cmdok || r == Role::cmdcancel) cursor = hpoint_;
        if (frmmenuspots::kControls[i].kind == Kind::Browse || r == Role::cmdlocate || r == Role::cmdvidlocate) cursor = hand_;
        if (cursor && LOWORD(lp) == HTCLIENT) {
          SetCursor(cursor);
          SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, TRUE);
          return TRUE;
        }
      }
      return FALSE;
    }
    case WM_CLOSE:
      EndDialog(hwnd_, 0);
      return TRUE;
    default: return FALSE;
  }
}

SpotEditorWindow* SpotEditorWindow::open_ = nullptr;

LRESULT CALLBACK SpotEditorWindow::F1Filter(int code, WPARAM wp, LPARAM lp) {
  auto* msg = reinterpret_cast<MSG*>(lp);
  if (code == MSGF_DIALOGBOX && open_ && open_->hwnd_ && msg->message == WM_KEYDOWN && msg->wParam == VK_F1 &&
      (msg->hwnd == open_->hwnd_ || IsChild(open_->hwnd_, msg->hwnd))) {
    open_->c_.Form_KeyDown_F1();
    return 1;
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

bool ShowSpotEditor(HWND owner, SpotEditorController& controller, HICON icon, HWND* owner_out) {
  SpotEditorWindow window(controller, icon, owner_out);
  SpotEditorWindow::open_ = &window;
  HHOOK hook = SetWindowsHookExW(WH_MSGFILTER, &SpotEditorWindow::F1Filter, nullptr, GetCurrentThreadId());
  INT_PTR result = win::RunEmptyDialog(owner, win::DialogProc<SpotEditorWindow, &SpotEditorWindow::Handle>,
                                       reinterpret_cast<LPARAM>(&window));
  if (hook) UnhookWindowsHookEx(hook);
  SpotEditorWindow::open_ = nullptr;
  return result == 1;
}

}  // namespace orb
