// wintool: a console helper for end-to-end tests under Wine; finds, reads and drives top-level windows.
//   wintool wait TITLE [MS]          wait for a visible top-level window titled TITLE; prints its rectangle
//   wintool close TITLE              post WM_CLOSE to it
//   wintool class TITLE              print its window class
//   wintool text TITLE               print the texts of its child windows, one per line
//   wintool msgbox [MS] [BUTTON]     wait for a message box; print "caption|text"; press IDOK (or BUTTON id)
//   wintool gone TITLE [MS]          wait until no window titled TITLE exists
//   wintool click TITLE ID           post BM_CLICK to its descendant control with identifier ID
//   wintool command TITLE ID         post WM_COMMAND ID (a menu entry) to it
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

struct IdSearch {
  int id = 0;
  HWND found = nullptr;
};

BOOL CALLBACK FindId(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<IdSearch*>(lp);
  if (GetDlgCtrlID(hwnd) != search->id) return TRUE;
  search->found = hwnd;
  return FALSE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: wintool wait|close|class|text|msgbox|gone|click|command ...\n");
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
  if ((cmd == "click" || cmd == "command") && argc >= 4) {
    HWND hwnd = FindWindowA(nullptr, argv[2]);
    if (!hwnd) return 1;
    int id = std::atoi(argv[3]);
    if (cmd == "command") return PostMessageA(hwnd, WM_COMMAND, static_cast<WPARAM>(id), 0) ? 0 : 1;
    IdSearch search;
    search.id = id;
    EnumChildWindows(hwnd, FindId, reinterpret_cast<LPARAM>(&search));
    // Posted, not sent: a click that opens a modal box must not block this tool.
    return search.found && PostMessageA(search.found, BM_CLICK, 0, 0) ? 0 : 1;
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
  std::fprintf(stderr, "wintool: bad arguments\n");
  return 2;
}
