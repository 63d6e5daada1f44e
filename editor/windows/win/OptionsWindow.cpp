// frmoptions: layout in twips, tab order, and its own modal loop; see OptionsWindow.h.
#include "editor/windows/win/OptionsWindow.h"

#include <string>
#include <vector>

#include "common/win/WideText.h"
#include "common/win/WindowBase.h"
#include "editor/windows/HelpTopics.h"
#include "editor/windows/OptionsController.h"
#include "editor/windows/win/CaptionFitter.h"
#include "editor/windows/win/HelpViewer.h"

namespace orb {

namespace {

constexpr wchar_t kClass[] = L"OrbmenuOptions";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
// The signing command's row sits below the three boxes; the buttons move down by its height.
constexpr int kClientWidth = 4680, kClientHeight = 3615;

struct OptionsView {
  OptionsController* controller = nullptr;
  HFONT font = nullptr, bold = nullptr;
  HICON save_icon = nullptr, exit_icon = nullptr;
  HWND hwnd = nullptr;
  CaptionFitter fitter;
  LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

struct Spec {
  int id;
  const char* window_class;
  const char* text;
  DWORD style;
  int left, top, width, height;
};

// Creation order is the tab order: the three boxes and the signing command, then Exit before Save.
const Spec kSpecs[] = {
    {kOpt_Shape1, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_WHITERECT, 0, 0, 4695, 780},
    {kOpt_Image1, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_ICON | SS_CENTERIMAGE, 195, 165, 480, 480},
    {kOpt_Label1, "STATIC", "Customize your OBM Options here", WS_CHILD | WS_VISIBLE, 975, 270, 3015, 255},
    {kOpt_chklastprj, "BUTTON", "Load last saved project on startup", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
     150, 945, 2895, 255},
    {kOpt_chkimm, "BUTTON", "Start in Interactive Menu Mode", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 150,
     1425, 2895, 255},
    {kOpt_chkRtxruntimes, "BUTTON", "Do not Include Rtx runtime dll ",
     WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 150, 1905, 2895, 255},
    {kOpt_lblsigncommand, "STATIC", "Sign the player with:", WS_CHILD | WS_VISIBLE, 150, 2370, 4365, 255},
    {kOpt_txtsigncommand, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 150, 2640,
     4365, 315},
    {kOpt_cmdcancel, "BUTTON", "E&xit", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 3420, 3090, 1095, 345},
    {kOpt_cmdok, "BUTTON", "&Save", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 2205, 3090, 1095, 345},
};

int Px(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }

void ReadChecks(OptionsView& view) {
  OptionsController& c = *view.controller;
  c.chklastprj = IsDlgButtonChecked(view.hwnd, kOpt_chklastprj) == BST_CHECKED ? 1 : 0;
  c.chkimm = IsDlgButtonChecked(view.hwnd, kOpt_chkimm) == BST_CHECKED ? 1 : 0;
  c.chkRtxruntimes = IsDlgButtonChecked(view.hwnd, kOpt_chkRtxruntimes) == BST_CHECKED ? 1 : 0;
  c.txtsigncommand = win::Text(GetDlgItem(view.hwnd, kOpt_txtsigncommand));
}

LRESULT OptionsView::Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  OptionsView* view = this;
  switch (msg) {
    case WM_COMMAND:
      if (HIWORD(wp) != BN_CLICKED) break;
      if (LOWORD(wp) == kOpt_cmdok) {
        ReadChecks(*view);
        view->controller->cmdok_Click();
      } else if (LOWORD(wp) == kOpt_cmdcancel) {
        view->controller->cmdcancel_Click();
      }
      return 0;
    case WM_CTLCOLORSTATIC:
      // The heading and the picture sit on the white band.
      if (GetDlgCtrlID(reinterpret_cast<HWND>(lp)) == kOpt_Label1 ||
          GetDlgCtrlID(reinterpret_cast<HWND>(lp)) == kOpt_Image1) {
        SetBkColor(reinterpret_cast<HDC>(wp), RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
      }
      break;
    case WM_CLOSE:
      view->controller->cmdcancel_Click();
      return 0;
    default: break;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

HFONT MakeFont(int dpi, bool bold) {
  return CreateFontA(-MulDiv(8, dpi, 72), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Tahoma");
}

}  // namespace

void ShowOptionsWindow(HWND owner, SettingsStore& settings, MessageBoxSeam& messages) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  win::RegisterWindowClass(
      {kClass, win::WindowProc<OptionsView, &OptionsView::Handle>, win::ArrowCursor(), win::FaceBrush()});

  OptionsController controller(settings, messages);
  OptionsView view;
  view.controller = &controller;
  int dpi = win::WindowDpi(nullptr);
  RECT frame = {0, 0, Px(kClientWidth, dpi), Px(kClientHeight, dpi)};
  AdjustWindowRectEx(&frame, kStyle, FALSE, WS_EX_DLGMODALFRAME);
  int width = frame.right - frame.left, height = frame.bottom - frame.top;
  POINT at = win::CentredOrigin(owner, width, height, false);
  view.hwnd =
      CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kClass, win::Widen(kOptionsTitle).c_str(),
                      kStyle, at.x, at.y, width, height, owner, nullptr, instance, &view);
  if (!view.hwnd) return;
  view.font = MakeFont(dpi, false);
  view.bold = MakeFont(dpi, true);
  // Take over the main window's icon.
  if (owner) {
    LRESULT icon = SendMessageW(owner, WM_GETICON, ICON_BIG, 0);
    SendMessageW(view.hwnd, WM_SETICON, ICON_BIG, icon);
    SendMessageW(view.hwnd, WM_SETICON, ICON_SMALL, SendMessageW(owner, WM_GETICON, ICON_SMALL, 0));
  }
  view.save_icon = static_cast<HICON>(LoadImageW(instance, L"SAVE", IMAGE_ICON, 16, 16, 0));
  view.exit_icon = static_cast<HICON>(LoadImageW(instance, L"EXIT", IMAGE_ICON, 16, 16, 0));
  for (const Spec& spec : kSpecs) {
    int left = Px(spec.left, dpi), top = Px(spec.top, dpi);
    HWND control = CreateWindowExW(
        0, win::Widen(spec.window_class).c_str(), win::Widen(spec.text ? spec.text : "").c_str(), spec.style,
        left, top, Px(spec.left + spec.width, dpi) - left, Px(spec.top + spec.height, dpi) - top, view.hwnd,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), instance, nullptr);
    SendMessageW(control, WM_SETFONT,
                 reinterpret_cast<WPARAM>(spec.id == kOpt_Label1 ? view.bold : view.font), FALSE);
  }
  std::vector<HWND> controls;
  std::vector<TwipsRect> boxes;
  for (const Spec& spec : kSpecs) {
    controls.push_back(GetDlgItem(view.hwnd, spec.id));
    boxes.push_back({spec.left, spec.top, spec.width, spec.height});
  }
  view.fitter.FitAll(controls, boxes, kClientWidth, dpi);
  SendDlgItemMessageW(view.hwnd, kOpt_Image1, STM_SETICON, SendMessageW(owner, WM_GETICON, ICON_BIG, 0), 0);
  SendDlgItemMessageW(view.hwnd, kOpt_cmdok, BM_SETIMAGE, IMAGE_ICON,
                      reinterpret_cast<LPARAM>(view.save_icon));
  SendDlgItemMessageW(view.hwnd, kOpt_cmdcancel, BM_SETIMAGE, IMAGE_ICON,
                      reinterpret_cast<LPARAM>(view.exit_icon));

  controller.Form_Load();
  CheckDlgButton(view.hwnd, kOpt_chklastprj, controller.chklastprj ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(view.hwnd, kOpt_chkimm, controller.chkimm ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(view.hwnd, kOpt_chkRtxruntimes, controller.chkRtxruntimes ? BST_CHECKED : BST_UNCHECKED);
  SendDlgItemMessageW(view.hwnd, kOpt_txtsigncommand, EM_LIMITTEXT, 2047, 0);
  win::SetText(GetDlgItem(view.hwnd, kOpt_txtsigncommand), controller.txtsigncommand);

  if (owner) EnableWindow(owner, FALSE);
  ShowWindow(view.hwnd, SW_SHOW);
  SetFocus(GetDlgItem(view.hwnd, kOpt_chklastprj));
  win::RunModal(
      owner, view.hwnd, [](HWND w) { ShowHelpTopic(w, kHelpOptions); },
      [&controller] { return controller.Closed(); });
  DeleteObject(view.font);
  DeleteObject(view.bold);
  if (view.save_icon) DestroyIcon(view.save_icon);
  if (view.exit_icon) DestroyIcon(view.exit_icon);
}

}  // namespace orb
