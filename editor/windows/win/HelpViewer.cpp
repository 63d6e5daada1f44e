// HTML Help is reached through hhctrl.ocx at run time, so the program imports nothing of it and starts on
// systems without it.
#include "editor/windows/win/HelpViewer.h"

#include "common/win/WideText.h"
#include "editor/windows/HelpTopics.h"

namespace orb {
namespace {

constexpr UINT kHhHelpContext = 0x000F;
constexpr UINT kHhCloseAll = 0x0012;
using HtmlHelpWProc = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

// The library stays loaded for the life of the process: its help windows run on code inside it.
HtmlHelpWProc HtmlHelpEntry(bool load) {
  static HMODULE library = nullptr;
  static HtmlHelpWProc entry = nullptr;
  if (!library && load) {
    library = LoadLibraryW(L"hhctrl.ocx");
    if (library)
      entry = reinterpret_cast<HtmlHelpWProc>(reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpW")));
  }
  return entry;
}

// The folder of the running program, with a trailing backslash.
std::string EditorFolder() {
  std::string folder = win::Narrow(win::ProgramPath());
  std::size_t slash = folder.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

}  // namespace

bool ShowHelpFile(HWND owner, const std::string& chm_path, int context) {
  HtmlHelpWProc entry = HtmlHelpEntry(true);
  if (!entry) return false;
  return entry(owner, win::Widen(chm_path).c_str(), kHhHelpContext, static_cast<DWORD_PTR>(context)) !=
         nullptr;
}

void ShowHelpTopic(HWND owner, int context) { ShowHelpFile(owner, EditorFolder() + kHelpFileName, context); }

void CloseHelpWindows() {
  if (HtmlHelpWProc entry = HtmlHelpEntry(false)) entry(nullptr, nullptr, kHhCloseAll, 0);
}

}  // namespace orb
