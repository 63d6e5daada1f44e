// frmmain's Win32 view; see MainWindow.h.
#include "editor/windows/win/MainWindow.h"

#include <commctrl.h>

#include <vector>

#include "common/win/ShellHelpers.h"
#include "common/win/WideText.h"
#include "common/win/WindowBase.h"

namespace orb {

namespace {

constexpr wchar_t kFrameClass[] = L"OrbmenuMain";
constexpr UINT_PTR kTimerUp = 1;    // tmraniup
constexpr UINT_PTR kTimerDown = 2;  // tmranidown
constexpr COLORREF kTitleBack = 0x90673D;
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr int kComboListPixels = 160;  // drop-down extent of cmbmenu below its edit part

struct FieldBinding {
  int id;
  MainField field;
};
const FieldBinding kFields[] = {
    {kId_txtroot, MainField::txtroot},         {kId_txtindex0, MainField::txtindex0},
    {kId_txtindex1, MainField::txtindex1},     {kId_txtindex2, MainField::txtindex2},
    {kId_txtcmdline, MainField::txtcmdline},   {kId_txtroot2, MainField::txtroot2},
    {kId_txtindex2_0, MainField::txtindex2_0}, {kId_txtindex2_1, MainField::txtindex2_1},
    {kId_txtindex2_2, MainField::txtindex2_2}, {kId_txtindex2_3, MainField::txtindex2_3},
    {kId_txtcdtitle, MainField::txtcdtitle},
};

HICON LoadIconAt(HINSTANCE instance, const char* name, int size) {
  return static_cast<HICON>(
      LoadImageW(instance, win::Widen(name).c_str(), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

}  // namespace

MainWindow::MainWindow(MainWindowController::Seams seams) : controller_(seams) {
  controller_.SetChangedListener([this] { Sync(); });
}

MainWindow::~MainWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
  fonts_.Destroy();
  if (title_brush_) DeleteObject(title_brush_);
  for (HICON icon : {icon_big_, icon_small_, arrow_up_, arrow_down_, folder_icon_, browse_icon_})
    if (icon) DestroyIcon(icon);
  if (accelerators_) DestroyAcceleratorTable(accelerators_);
}

bool MainWindow::Create(HINSTANCE instance, const std::string& command_line) {
  instance_ = instance;
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  hand_ = LoadCursorW(instance, L"HAND");
  point_ = LoadCursorW(instance, L"H_POINT");

  if (!win::RegisterWindowClass({kFrameClass, win::WindowProc<MainWindow, &MainWindow::OnFrameMessage>,
                                 win::ArrowCursor(), win::FaceBrush(), LoadIconW(instance, L"AA")}) ||
      !win::RegisterWindowClass({kMainPanelWideClass,
                                 win::WindowProc<MainWindow, &MainWindow::OnPanelMessage>, win::ArrowCursor(),
                                 win::FaceBrush()}))
    return false;

  menu_ = CreateMainMenu();
  accelerators_ = CreateMainAccelerators();
  title_brush_ = CreateSolidBrush(kTitleBack);
  hwnd_ = CreateWindowExW(0, kFrameClass, win::Widen(kTitleSimple).c_str(), kFrameStyle, CW_USEDEFAULT,
                          CW_USEDEFAULT, 100, 100, nullptr, menu_, instance, this);
  if (!hwnd_) return false;
  dpi_ = win::WindowDpi(hwnd_);
  fonts_.Create(dpi_);
  CreateControls();
  LoadImages();
  Layout();
  SIZE size = WindowSizeForClient(dpi_);
  POINT at = win::CentredOrigin(nullptr, size.cx, size.cy, false);
  SetWindowPos(hwnd_, nullptr, at.x, at.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  // Should the menu bar wrap to a second line, the client area keeps its designed height.
  RECT client;
  GetClientRect(hwnd_, &client);
  int wanted = TwipsToPixels(frmmain::kClientHeight, dpi_);
  if (client.bottom < wanted)
    SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy + wanted - client.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);

  auto exists = [](const std::string& path) {
    DWORD attributes = GetFileAttributesW(win::Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  };
  controller_.Form_Load(command_line,
                        win::Narrow(win::ProgramPath()),
                        exists, FullPathName);
  Sync();
  return true;
}

HWND MainWindow::Control(int id) const {
  const ControlSpec* spec = FindControlSpec(id);
  if (!spec || !hwnd_) return nullptr;
  HWND parent = spec->panel < 0 ? hwnd_ : panels_[spec->panel];
  return GetDlgItem(parent, id);
}

void MainWindow::CreateControls() {
  size_t count = 0;
  const ControlSpec* specs = MainControlSpecs(count);
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             0, 0, 0, 0, hwnd_, nullptr, instance_, nullptr);
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 360);
  for (size_t i = 0; i < count; ++i) {
    const ControlSpec& spec = specs[i];
    HWND parent = spec.panel < 0 ? hwnd_ : panels_[spec.panel];
    HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id));
    // A panel finds this window through its create parameter (the window base keeps it).
    void* create = std::string(spec.window_class) == kMainPanelClass ? this : nullptr;
    HWND control = CreateWindowExW(spec.ex_style, win::Widen(spec.window_class).c_str(),
                                   win::Widen(spec.text ? spec.text : "").c_str(), spec.style, 0, 0, 10, 10,
                                   parent, id, instance_, create);
    if (!control) continue;
    if (spec.id == kId_picback0) panels_[0] = control;
    if (spec.id == kId_picback1) panels_[1] = control;
    if (spec.tooltip) AddTooltip(control, spec.tooltip);
  }
  // Back to front: the title bands, the menu panel, the simple panel in front of it, the bar in front.
  for (int id : {kId_cmdani, kId_picback0, kId_picback1, kId_lbltitle2, kId_lbltitle})
    SetWindowPos(Control(id), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainWindow::AddTooltip(HWND control, const char* text) {
  std::wstring wide = win::Widen(text);
  TOOLINFOW info = {};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = GetParent(control);
  info.uId = reinterpret_cast<UINT_PTR>(control);
  info.lpszText = wide.data();
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void MainWindow::LoadImages() {
  for (HICON icon : {icon_big_, icon_small_, arrow_up_, arrow_down_, folder_icon_, browse_icon_})
    if (icon) DestroyIcon(icon);
  int small = MulDiv(16, dpi_, 96);
  icon_big_ = LoadIconAt(instance_, "AA", MulDiv(32, dpi_, 96));
  icon_small_ = LoadIconAt(instance_, "AA", small);
  arrow_up_ = LoadIconAt(instance_, "ARROW_UP", small);
  arrow_down_ = LoadIconAt(instance_, "ARROW_DOWN", small);
  folder_icon_ = LoadIconAt(instance_, "FOLDER", MulDiv(24, dpi_, 96));
  browse_icon_ = LoadIconAt(instance_, "BROWSE", small);
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_big_));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_small_));
  size_t count = 0;
  const ControlSpec* specs = MainControlSpecs(count);
  for (size_t i = 0; i < count; ++i) {
    if (!specs[i].icon || specs[i].id == kId_cmdani) continue;
    std::string name = specs[i].icon;
    HICON icon = name == "FOLDER"       ? folder_icon_
                 : name == "ARROW_UP"   ? arrow_up_
                 : name == "ARROW_DOWN" ? arrow_down_
                                        : browse_icon_;
    SendMessageW(Control(specs[i].id), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
  }
  SendMessageW(Control(kId_cmdani), BM_SETIMAGE, IMAGE_ICON,
               reinterpret_cast<LPARAM>(showing_arrow_down_ ? arrow_down_ : arrow_up_));
}

void MainWindow::PlaceControl(const ControlSpec& spec) {
  TwipsRect r = spec.rect;
  if (spec.id == kId_picback0) r.height = controller_.SimplePanelHeight();
  if (spec.id == kId_cmdani) r.top = controller_.BarTop();
  // Edges are converted separately so that neighbours meet exactly at any DPI.
  int x = TwipsToPixels(r.left, dpi_), y = TwipsToPixels(r.top, dpi_);
  int w = TwipsToPixels(r.left + r.width, dpi_) - x, h = TwipsToPixels(r.top + r.height, dpi_) - y;
  if (spec.id == kId_cmbmenu || spec.id == kId_cmbpage || spec.id == kId_cmblanguage) h += MulDiv(kComboListPixels, dpi_, 96);
  HWND control = Control(spec.id);
  RECT now;
  GetWindowRect(control, &now);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&now), 2);
  if (now.left != x || now.top != y || now.right - now.left != w || now.bottom - now.top != h)
    SetWindowPos(control, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::Layout() {
  fitter_.Reset();
  size_t count = 0;
  const ControlSpec* specs = MainControlSpecs(count);
  for (size_t i = 0; i < count; ++i) {
    PlaceControl(specs[i]);
    HFONT font = fonts_.For(specs[i].font);
    if (font) SendMessageW(Control(specs[i].id), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  // Where a font is missing (Verdana under Wine) the substitute can be wider than the designed label: the
  // caption takes room on its row, and only where the row has none a smaller font.
  for (size_t i = 0; i < count; ++i) {
    if (std::string(specs[i].window_class) != "STATIC" || !specs[i].text[0]) continue;
    std::vector<TwipsRect> row;
    for (size_t j = 0; j < count; ++j)
      if (specs[j].panel == specs[i].panel) row.push_back(specs[j].rect);
    int width = specs[i].panel < 0 ? frmmain::kClientWidth : FindControlSpec(kId_picback0)->rect.width;
    fitter_.Fit(Control(specs[i].id), specs[i].rect, FreeSpan(specs[i].rect, row, width), dpi_);
  }
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void MainWindow::ApplyDpi(int dpi) {
  dpi_ = dpi;
  fonts_.Create(dpi_);
  LoadImages();
  Layout();
}

SIZE MainWindow::WindowSizeForClient(int dpi) const {
  RECT r = {0, 0, TwipsToPixels(frmmain::kClientWidth, dpi), TwipsToPixels(frmmain::kClientHeight, dpi)};
  using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  static auto adjust = reinterpret_cast<AdjustForDpiFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
  if (!(adjust && adjust(&r, kFrameStyle, TRUE, 0, static_cast<UINT>(dpi)))) AdjustWindowRectEx(&r, kFrameStyle, TRUE, 0);
  SIZE size = {r.right - r.left, r.bottom - r.top};
  return size;
}

void MainWindow::SyncText(int id, const std::string& text) {
  HWND control = Control(id);
  if (control && win::Text(control) != text) win::SetText(control, text);
}

void MainWindow::SyncTitleTip() {
  std::string tip = controller_.CdTitleTip();
  if (tip.empty()) tip = FindControlSpec(kId_txtcdtitle)->tooltip;
  if (tip == title_tip_ || !tooltip_) return;
  title_tip_ = tip;
  std::wstring wide = win::Widen(title_tip_);
  TOOLINFOW info = {};
  info.cbSize = sizeof info;
  HWND box = Control(kId_txtcdtitle);
  info.hwnd = GetParent(box);
  info.uId = reinterpret_cast<UINT_PTR>(box);
  info.lpszText = wide.data();
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

void MainWindow::SyncSpotList() {
  HWND combo = Control(kId_cmbmenu);
  if (controller_.SpotListChanged(shown_spot_list_)) RebuildList(combo, controller_.SpotListEntries());
  int selected = controller_.SelectedSpot();
  if (SendMessageW(combo, CB_GETCURSEL, 0, 0) != selected) SendMessageW(combo, CB_SETCURSEL, selected, 0);
}

void MainWindow::SyncPageRow() {
  HWND combo = Control(kId_cmbpage);
  if (controller_.SpotListChanged(shown_page_list_)) RebuildList(combo, controller_.PageEntries());
  int selected = controller_.Model().CurrentPage() - 1;
  if (SendMessageW(combo, CB_GETCURSEL, 0, 0) != selected) SendMessageW(combo, CB_SETCURSEL, selected, 0);
  HWND focus = GetFocus();
  const std::pair<int, bool> buttons[] = {{kId_cmdremovepage, controller_.PageRemoveEnabled()},
                                          {kId_cmdpageup, controller_.PageUpEnabled()},
                                          {kId_cmdpagedown, controller_.PageDownEnabled()}};
  for (const auto& [id, enabled] : buttons) {
    HWND button = Control(id);
    if ((IsWindowEnabled(button) != FALSE) == enabled) continue;
    // A disabled button cannot keep the keyboard: the page list takes it, where the page is chosen.
    if (!enabled && focus == button) SetFocus(combo);
    EnableWindow(button, enabled);
  }
}

// The language row and what a language version locks. Wide calls: the hints and tags travel as UTF-8.
void MainWindow::SyncLanguageRow() {
  HWND combo = Control(kId_cmblanguage);
  std::vector<std::string> entries = controller_.LanguageEntries();
  if (entries != shown_languages_) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::string& entry : entries)
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win::Widen(entry).c_str()));
    shown_languages_ = entries;
  }
  int selected = controller_.Model().CurrentLanguage();
  if (SendMessageW(combo, CB_GETCURSEL, 0, 0) != selected) SendMessageW(combo, CB_SETCURSEL, selected, 0);
  // The default's title shows greyed in a version's empty title box (comctl32 6's cue banner), focused too.
  std::string hint = controller_.FieldHint(MainField::txtcdtitle);
  if (hint != shown_title_hint_) {
    shown_title_hint_ = hint;
    SendMessageW(Control(kId_txtcdtitle), EM_SETCUEBANNER, TRUE,
                 reinterpret_cast<LPARAM>(win::Widen(hint).c_str()));
    InvalidateRect(Control(kId_txtcdtitle), nullptr, TRUE);
  }
  bool make_up = controller_.MakeUpEnabled();
  const std::pair<int, bool> states[] = {
      {kId_cmdremovelanguage, controller_.InLanguageVersion()},
      {kId_txtindex2_2, controller_.FieldHint(MainField::txtindex2_2).empty()},
      {kId_txtroot2, make_up}, {kId_cmdroot2, make_up}, {kId_txtindex2_0, make_up}, {kId_cmdindex2_0, make_up},
      {kId_txtindex2_1, make_up}, {kId_cmdindex2_1, make_up}, {kId_txtindex2_3, make_up},
      {kId_cmdindex2_3, make_up}, {kId_cmdmenuspots, make_up}, {kId_cmdDelete, make_up},
      {kId_cmdaddpage, make_up}, {kId_cmdrenamepage, make_up}};
  HWND focus = GetFocus();
  for (const auto& [id, enabled] : states) {
    HWND control = Control(id);
    if ((IsWindowEnabled(control) != FALSE) == enabled) continue;
    // A disabled control cannot keep the keyboard: the language list takes it.
    if (!enabled && focus == control) SetFocus(combo);
    EnableWindow(control, enabled);
  }
}

// A read-only field draws no cue banner: a version's empty background shows the default's path itself, the
// field disabled so that the system greys it (a themed edit may ignore WM_CTLCOLORSTATIC's text colour).
std::string MainWindow::ShownFieldText(MainField field) const {
  std::string text = controller_.FieldText(field);
  if (field == MainField::txtindex2_2 && text.empty()) return controller_.FieldHint(field);
  return text;
}

bool MainWindow::OnLanguageCommand(int id, int code, HWND control) {
  if (id == kId_cmblanguage) {
    if (code == CBN_SELCHANGE && !syncing_)
      controller_.cmblanguage_Click(static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0)));
    return true;
  }
  if (code != BN_CLICKED) return false;
  switch (id) {
    case kId_cmdaddlanguage: controller_.cmdaddlanguage_Click(); return true;
    case kId_cmdremovelanguage: controller_.cmdremovelanguage_Click(); return true;
    case kId_cmddefaultlanguage: controller_.cmddefaultlanguage_Click(); return true;
    default: return false;
  }
}

void MainWindow::RebuildList(HWND combo, const std::vector<std::string>& entries) {
  bool same = SendMessageW(combo, CB_GETCOUNT, 0, 0) == static_cast<LRESULT>(entries.size());
  for (size_t i = 0; same && i < entries.size(); ++i) {
    LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, i, 0);
    std::wstring text(static_cast<size_t>(length < 0 ? 0 : length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length < 0 ? 0 : length));
    same = win::Narrow(text) == entries[i];
  }
  if (!same) {
    // Thousands of entries: one allocation and one redraw instead of one each.
    size_t bytes = 0;
    for (const std::string& entry : entries) bytes += (entry.size() + 1) * sizeof(wchar_t);
    SendMessageW(combo, WM_SETREDRAW, FALSE, 0);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    SendMessageW(combo, CB_INITSTORAGE, entries.size(), static_cast<LPARAM>(bytes));
    for (const std::string& entry : entries)
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win::Widen(entry).c_str()));
    SendMessageW(combo, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(combo, nullptr, TRUE);
  }
}

void MainWindow::SyncTimer(UINT_PTR timer, bool enabled, bool& running) {
  if (enabled == running) return;
  if (enabled)
    SetTimer(hwnd_, timer, 1, nullptr);
  else
    KillTimer(hwnd_, timer);
  running = enabled;
}

void MainWindow::Sync() {
  if (!hwnd_ || syncing_) return;
  syncing_ = true;
  if (win::Text(hwnd_) != controller_.Title()) win::SetText(hwnd_, controller_.Title());
  UINT state = MF_BYCOMMAND | (controller_.ProjectEntriesEnabled() ? MF_ENABLED : MF_GRAYED);
  for (int id : {kMenu_mnunewprj, kMenu_mnuldprj, kMenu_mnusaveprj}) EnableMenuItem(menu_, id, state);
  for (const FieldBinding& binding : kFields) SyncText(binding.id, ShownFieldText(binding.field));
  SyncSpotList();
  SyncPageRow();
  SyncLanguageRow();
  SyncTitleTip();
  PlaceControl(*FindControlSpec(kId_picback0));
  PlaceControl(*FindControlSpec(kId_cmdani));
  if (controller_.BarShowsArrowDown() != showing_arrow_down_) {
    showing_arrow_down_ = controller_.BarShowsArrowDown();
    SendMessageW(Control(kId_cmdani), BM_SETIMAGE, IMAGE_ICON,
                 reinterpret_cast<LPARAM>(showing_arrow_down_ ? arrow_down_ : arrow_up_));
  }
  SyncTimer(kTimerUp, controller_.UpTimerEnabled(), up_timer_running_);
  SyncTimer(kTimerDown, controller_.DownTimerEnabled(), down_timer_running_);
  SyncPanels();
  syncing_ = false;
}

bool MainWindow::PreTranslateMessage(MSG* msg) {
  if (!hwnd_) return false;
  // Wide, as the program's loop retrieves messages (see WinMain).
  if (accelerators_ && TranslateAcceleratorW(hwnd_, accelerators_, msg)) return true;
  // The menu bar keeps its letters where a button shares one (Alt+T: "&Tools", not "&Test").
  if (msg->message == WM_SYSCHAR && msg->wParam < 0x80 &&
      IsMenuBarMnemonic(menu_, static_cast<char>(msg->wParam)))
    return false;
  return IsDialogMessageW(hwnd_, msg) != FALSE;
}

// The panel behind the shown one must take neither Tab nor mnemonics: it is hidden while the window rests
// in a mode, and shown only while the slide uncovers it.
void MainWindow::SyncPanels() {
  bool sliding = controller_.UpTimerEnabled() || controller_.DownTimerEnabled();
  bool menu = controller_.InMenuPanel();
  for (int i = 0; i < 2; ++i) {
    bool show = sliding || menu == (i == 1);
    // The style, not IsWindowVisible: the frame itself is still hidden while it loads.
    bool shown = (GetWindowLongPtrW(panels_[i], GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != show) ShowWindow(panels_[i], show ? SW_SHOWNA : SW_HIDE);
  }
}

// As a dialog does: the focus comes back to where it was, else to the shown panel's first control.
void MainWindow::RestoreFocus() {
  HWND target = focus_;
  if (!target || !IsWindow(target) || !IsChild(hwnd_, target) || !IsWindowVisible(target) ||
      !IsWindowEnabled(target))
    target = GetNextDlgTabItem(panels_[controller_.InMenuPanel() ? 1 : 0], nullptr, FALSE);
  SetFocus(target ? target : hwnd_);
}

void MainWindow::OnCommand(int id, int code, HWND control) {
  if (id == IDOK && !control) {
    // Enter, from the dialog navigation: presses the focused push button, as in a dialog.
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd_, focus) && (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON))
      SendMessageW(focus, BM_CLICK, 0, 0);
    return;
  }
  MainMenuCommand command;
  if (!control && MenuCommandFor(id, command)) {
    controller_.OnMenu(command);
    return;
  }
  if (id == kId_txtcmdline || id == kId_txtcdtitle) {
    if (code != EN_CHANGE || syncing_) return;
    if (id == kId_txtcmdline) {
      controller_.txtcmdline_Change(win::Text(control));
      return;
    }
    controller_.txtcdtitle_Change(win::Text(control));
    return;
  }
  if (id == kId_cmbmenu) {
    if (code == CBN_SELCHANGE && !syncing_)
      controller_.cmbmenu_Click(static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0)));
    return;
  }
  if (id == kId_cmbpage) {
    if (code == CBN_SELCHANGE && !syncing_)
      controller_.cmbpage_Click(static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0)));
    return;
  }
  if (OnLanguageCommand(id, code, control)) return;
  if (code != BN_CLICKED) return;
  switch (id) {
    case kId_cmdani: controller_.cmdani_Click(); break;
    case kId_cmdroot: controller_.cmdroot_Click(); break;
    case kId_cmdroot2: controller_.cmdroot2_Click(); break;
    case kId_cmdindex0: controller_.cmdindex_Click(0); break;
    case kId_cmdindex1: controller_.cmdindex_Click(1); break;
    case kId_cmdindex2: controller_.cmdindex_Click(2); break;
    case kId_cmdindex2_0: controller_.cmdindex2_Click(0); break;
    case kId_cmdindex2_1: controller_.cmdindex2_Click(1); break;
    case kId_cmdindex2_2: controller_.cmdindex2_Click(2); break;
    case kId_cmdindex2_3: controller_.cmdindex2_Click(3); break;
    case kId_cmdmenuspots: controller_.cmdmenuspots_Click(); break;
    case kId_cmdedit: controller_.cmdedit_Click(); break;
    case kId_cmdDelete: controller_.cmdDelete_Click(); break;
    case kId_cmdaddpage: controller_.cmdaddpage_Click(); break;
    case kId_cmdrenamepage: controller_.cmdrenamepage_Click(); break;
    case kId_cmdremovepage: controller_.cmdremovepage_Click(); break;
    case kId_cmdpageup: controller_.cmdpageup_Click(); break;
    case kId_cmdpagedown: controller_.cmdpagedown_Click(); break;
    case kId_cmdgenerate: controller_.cmdgenerate_Click(); break;
    case kId_cmdpreview: controller_.cmdpreview_Click(); break;
    case kId_cmdgenerate2: controller_.cmdgenerate2_Click(); break;
    case kId_cmdpreview2: controller_.cmdpreview2_Click(); break;
    default: break;
  }
}

void MainWindow::OnClose() {
  if (!controller_.Form_QueryUnload()) return;
  controller_.Form_Unload();
  if (closing_effect_) closing_effect_();
  DestroyWindow(hwnd_);
}

void MainWindow::FadeOut() {
  // Failures here are of no consequence: the program ends either way.
  LockWindowUpdate(hwnd_);
  for (HWND panel : panels_) ShowWindow(panel, SW_HIDE);
  ShowWindow(Control(kId_cmdani), SW_HIDE);
  AnimateWindow(hwnd_, 2000, AW_HIDE | AW_BLEND);
  LockWindowUpdate(nullptr);
}

bool MainWindow::OnSharedMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND:
      OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
      result = 0;
      return true;
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wp);
      HWND control = reinterpret_cast<HWND>(lp);
      const ControlSpec* spec = FindControlSpec(GetDlgCtrlID(control));
      if (!spec) return false;
      if (spec->colour == ColourKind::Title) {
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, kTitleBack);
        result = reinterpret_cast<LRESULT>(title_brush_);
        return true;
      }
      if (std::string(spec->window_class) == "EDIT") {  // read-only fields stay white
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        return true;
      }
      SetTextColor(dc, spec->colour == ColourKind::Red ? RGB(255, 0, 0) : GetSysColor(COLOR_BTNTEXT));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      return true;
    }
    case WM_SETCURSOR: {
      if (LOWORD(lp) != HTCLIENT) return false;
      const ControlSpec* spec = FindControlSpec(GetDlgCtrlID(reinterpret_cast<HWND>(wp)));
      HCURSOR cursor = !spec ? nullptr : spec->cursor == CursorKind::Hand ? hand_
                                       : spec->cursor == CursorKind::Point ? point_ : nullptr;
      if (!cursor) return false;
      SetCursor(cursor);
      result = TRUE;
      return true;
    }
    default: return false;
  }
}

LRESULT MainWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  if (OnSharedMessage(msg, wp, lp, result)) return result;
  switch (msg) {
    case WM_TIMER:
      if (wp == kTimerUp) controller_.tmraniup_Timer();
      if (wp == kTimerDown) controller_.tmranidown_Timer();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wp) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) focus_ = focus;
        break;
      }
      controller_.Form_Activate();
      if (HIWORD(wp) || !hwnd_) break;  // minimised: the frame keeps the focus
      RestoreFocus();
      return 0;
    case WM_CLOSE: OnClose(); return 0;
    case WM_DPICHANGED: {
      ApplyDpi(HIWORD(wp));
      const RECT* suggested = reinterpret_cast<const RECT*>(lp);
      SIZE size = WindowSizeForClient(dpi_);
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, size.cx, size.cy,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_DESTROY:
      KillTimer(hwnd_, kTimerUp);
      KillTimer(hwnd_, kTimerDown);
      if (quit_on_destroy_) PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      hwnd_ = nullptr;
      break;
    default: break;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT MainWindow::OnFrameMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) hwnd_ = hwnd;
  return hwnd_ ? OnMessage(msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT MainWindow::OnPanelMessage(HWND panel, UINT msg, WPARAM wp, LPARAM lp) {
  // Panels are containers: their children's notifications are the main window's business.
  LRESULT result = 0;
  if (hwnd_ && OnSharedMessage(msg, wp, lp, result)) return result;
  return DefWindowProcW(panel, msg, wp, lp);
}

}  // namespace orb
