// wintool: a console helper for end-to-end tests under Wine; finds, reads and drives top-level windows.
//   wintool wait TITLE [MS]          wait for a visible top-level window titled TITLE; prints its rectangle
//   wintool close TITLE              post WM_CLOSE to it
//   wintool class TITLE              print its window class
//   wintool text TITLE               print the texts of its child windows, one per line
//   wintool msgbox [MS] [BUTTON]     wait for a message box; print "caption|text"; press IDOK (or BUTTON id)
//   wintool gone TITLE [MS]          wait until no window titled TITLE exists
//   wintool menu TITLE ENTRY         choose the menu entry whose text (before any tab) is ENTRY, e.g. "&About..."
//   wintool command TITLE ID         post WM_COMMAND ID (a menu entry's identifier) to the window
//   wintool key TITLE VK             post a key press (virtual-key code, decimal or 0x hex) to the window
//   wintool click TITLE CONTROL      click a child button; CONTROL is its text or #ID
//   wintool settext TITLE CONTROL T  set a child's text; CONTROL is its text or #ID
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

HWND FindVisible(const char* title) {
  HWND hwnd = FindWindowA(nullptr, title);
  return (hwnd && IsWindowVisible(hwnd)) ? hwnd : nullptr;
}

HWND WaitFor(const char* title, DWORD ms) {
  DWORD start = GetTickCount();
  for (;;) {
    if (HWND hwnd = FindVisible(title)) return hwnd;
    if (GetTickCount() - start > ms) return nullptr;
    Sleep(50);
  }
}

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
  char cls[64] = {}, text[512] = {};
  GetClassNameA(child, cls, sizeof cls);
  GetWindowTextA(child, text, sizeof text);
  RECT r;
  GetWindowRect(child, &r);
  std::printf("%s|%s|%ld,%ld,%ld,%ld\n", cls, text, r.left, r.top, r.right - r.left, r.bottom - r.top);
  return TRUE;
}

struct BoxSearch {
  HWND found = nullptr;
};

BOOL CALLBACK FindBox(HWND hwnd, LPARAM lp) {
  char cls[16] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (std::strcmp(cls, "#32770") == 0 && IsWindowVisible(hwnd)) {
    reinterpret_cast<BoxSearch*>(lp)->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

// The command id of the entry whose text is entry, searched through every sub-menu; -1 when none.
int FindMenuEntry(HMENU menu, const std::string& entry) {
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
    if (HMENU sub = GetSubMenu(menu, i)) {
      int id = FindMenuEntry(sub, entry);
      if (id != -1) return id;
      continue;
    }
    char text[256] = {};
    GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
    std::string label(text);
    label = label.substr(0, label.find('\t'));
    if (label == entry) return static_cast<int>(GetMenuItemID(menu, i));
  }
  return -1;
}

struct ChildSearch {
  std::string spec;
  HWND found = nullptr;
};

BOOL CALLBACK FindChildProc(HWND child, LPARAM lp) {
  auto* search = reinterpret_cast<ChildSearch*>(lp);
  bool match;
  if (search->spec.size() > 1 && search->spec[0] == '#') {
    match = GetDlgCtrlID(child) == std::atoi(search->spec.c_str() + 1);
  } else {
    char text[512] = {};
    GetWindowTextA(child, text, sizeof text);
    match = search->spec == text;
  }
  if (match) search->found = child;
  return !match;
}

// A descendant of parent given by its text or by "#ID".
HWND FindChild(HWND parent, const char* spec) {
  ChildSearch search{spec};
  EnumChildWindows(parent, FindChildProc, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: wintool wait|close|class|text|msgbox|gone|menu|command|key|click|settext ...\n");
    return 2;
  }
  std::string cmd = argv[1];
  DWORD ms = 20000;
  if (cmd == "wait" && argc >= 3) {
    if (argc >= 4) ms = std::strtoul(argv[3], nullptr, 10);
    HWND hwnd = WaitFor(argv[2], ms);
    if (!hwnd) return 1;
    RECT r;
    GetWindowRect(hwnd, &r);
    std::printf("%ld,%ld,%ld,%ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
  }
  if (cmd == "gone" && argc >= 3) {
    if (argc >= 4) ms = std::strtoul(argv[3], nullptr, 10);
    DWORD start = GetTickCount();
    while (FindWindowA(nullptr, argv[2])) {
      if (GetTickCount() - start > ms) return 1;
      Sleep(50);
    }
    return 0;
  }
  if ((cmd == "close" || cmd == "class" || cmd == "text") && argc >= 3) {
    HWND hwnd = FindWindowA(nullptr, argv[2]);
    if (!hwnd) return 1;
    if (cmd == "close") {
      PostMessageA(hwnd, WM_CLOSE, 0, 0);
    } else if (cmd == "class") {
      char cls[128] = {};
      GetClassNameA(hwnd, cls, sizeof cls);
      std::printf("%s\n", cls);
    } else {
      EnumChildWindows(hwnd, PrintChild, 0);
    }
    return 0;
  }
  if (cmd == "msgbox") {
    if (argc >= 3) ms = std::strtoul(argv[2], nullptr, 10);
    int button = argc >= 4 ? std::atoi(argv[3]) : IDOK;
    DWORD start = GetTickCount();
    BoxSearch search;
    while (!search.found) {
      EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
      if (search.found) break;
      if (GetTickCount() - start > ms) return 1;
      Sleep(50);
    }
    char caption[256] = {}, text[2048] = {};
    GetWindowTextA(search.found, caption, sizeof caption);
    GetDlgItemTextA(search.found, 0xFFFF, text, sizeof text);
    std::printf("%s|%s\n", caption, text);
    std::fflush(stdout);
    HWND btn = GetDlgItem(search.found, button);
    if (btn) SendMessageA(btn, BM_CLICK, 0, 0);
    else PostMessageA(search.found, WM_COMMAND, button, 0);
    return 0;
  }
  if (cmd == "command" && argc >= 4) {
    // Wine keeps menus per process, so "menu" cannot read another program's entries there.
    HWND hwnd = FindWindowA(nullptr, argv[2]);
    return hwnd && PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(std::atoi(argv[3]), 0), 0) ? 0 : 1;
  }
  if ((cmd == "menu" || cmd == "key") && argc >= 4) {
    HWND hwnd = FindWindowA(nullptr, argv[2]);
    if (!hwnd) return 1;
    if (cmd == "menu") {
      int id = FindMenuEntry(GetMenu(hwnd), argv[3]);
      if (id == -1) return 1;
      PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    } else {
      WPARAM vk = std::strtoul(argv[3], nullptr, 0);
      PostMessageA(hwnd, WM_KEYDOWN, vk, 1);
      PostMessageA(hwnd, WM_KEYUP, vk, 0xC0000001);
    }
    return 0;
  }
  if ((cmd == "click" && argc >= 4) || (cmd == "settext" && argc >= 5)) {
    HWND hwnd = FindWindowA(nullptr, argv[2]);
    HWND child = hwnd ? FindChild(hwnd, argv[3]) : nullptr;
    if (!child) return 1;
    if (cmd == "click") PostMessageA(child, BM_CLICK, 0, 0);
    else SendMessageA(child, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]));
    return 0;
  }
  std::fprintf(stderr, "wintool: bad arguments\n");
  return 2;
}
