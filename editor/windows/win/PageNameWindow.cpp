// The page name box; see PageNameWindow.h.
#include "editor/windows/win/PageNameWindow.h"

#include "common/win/WideText.h"
#include "common/win/WindowBase.h"
#include "editor/windows/win/SmallWindow.h"

namespace orb {

namespace {

enum : int { kIdPrompt = 100, kIdName };
constexpr int kClientWidth = 4200, kClientHeight = 1500;

class PageNameWindow {
 public:
  PageNameWindow(const std::string& caption, const std::string& name, const char* prompt)
      : caption_(caption), name_(name), prompt_(prompt) {}
  INT_PTR Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  const std::string& Name() const { return name_; }

 private:
  void OnInit(HWND hwnd);
  void TakeName(HWND hwnd);

  std::string caption_;
  std::string name_;
  const char* prompt_;
};

void PageNameWindow::OnInit(HWND hwnd) {
  using small_window::AddChild;
  using small_window::Px;
  win::SetText(hwnd, caption_);
  HWND owner = GetWindow(hwnd, GW_OWNER);
  if (owner) SendMessageW(hwnd, WM_SETICON, ICON_SMALL, SendMessageW(owner, WM_GETICON, ICON_SMALL, 0));
  win::SizeClientAndCentre(hwnd, owner, Px(kClientWidth), Px(kClientHeight), true);
  AddChild(hwnd, "STATIC", prompt_, SS_NOPREFIX, 180, 150, 3840, 240, kIdPrompt);
  HWND box = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                             WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, Px(180), Px(420), Px(3840),
                             Px(300), hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdName)),
                             GetModuleHandleW(nullptr), nullptr);
  SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  win::SetText(box, name_);
  AddChild(hwnd, "BUTTON", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 1920, 960, 975, 360, IDOK);
  AddChild(hwnd, "BUTTON", "Cancel", WS_TABSTOP | BS_PUSHBUTTON, 3045, 960, 975, 360, IDCANCEL);
  SetFocus(box);
  SendMessageW(box, EM_SETSEL, 0, -1);
}

void PageNameWindow::TakeName(HWND hwnd) { name_ = win::Text(GetDlgItem(hwnd, kIdName)); }

INT_PTR PageNameWindow::Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG:
      OnInit(hwnd);
      return FALSE;  // the focus is set
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK) {
        TakeName(hwnd);
        EndDialog(hwnd, IDOK);
      }
      if (LOWORD(wp) == IDCANCEL) EndDialog(hwnd, IDCANCEL);
      return TRUE;
    case WM_CLOSE:
      EndDialog(hwnd, IDCANCEL);
      return TRUE;
    default: return FALSE;
  }
}

}  // namespace

std::optional<std::string> AskPageName(HWND owner, const std::string& caption, const std::string& name,
                                       const char* prompt) {
  PageNameWindow window(caption, name, prompt);
  INT_PTR result = win::RunEmptyDialog(owner, win::DialogProc<PageNameWindow, &PageNameWindow::Handle>,
                                       reinterpret_cast<LPARAM>(&window));
  if (result != IDOK) return std::nullopt;
  return window.Name();
}

}  // namespace orb
