// wintool: a console helper for end-to-end tests under Wine; finds, reads and drives top-level windows.
//   wintool wait TITLE [MS]          wait for a visible top-level window titled TITLE; prints its rectangle
//   wintool close TITLE              post WM_CLOSE to it
//   wintool class TITLE              print its window class
//   wintool text TITLE               print the texts of its child windows, one per line
//   wintool msgbox [MS] [BUTTON]     wait for a message box; print "caption|text"; press IDOK (or BUTTON id)
//   wintool gone TITLE [MS]          wait until no window titled TITLE exists
//   wintool menu TITLE ENTRY         choose a menu entry: "#ID" (posts WM_COMMAND ID; also a dialog's
//   buttons),
//                                    or its text before any tab, e.g. "&About..."
//                                    (by text only where menus can be read across processes, not Wine 8)
//   wintool command TITLE ID         post WM_COMMAND ID (a menu entry's identifier) to the window
//   wintool key TITLE VK             post a key press (virtual-key code, decimal or 0x hex) to the window
//   wintool click TITLE CONTROL      click a child button; CONTROL is its text or #ID
//   wintool settext TITLE CONTROL T  set a child's text; CONTROL is its text or #ID
//   wintool items TITLE CONTROL      print a combo box's entries, one per line
//   wintool select TITLE CONTROL N   select a combo box's entry N and tell its parent, as a user's choice
//   does wintool focus TITLE [ID [MS]]    print the keyboard focus of TITLE's thread: "ID|class|text"; given
//   ID,
//                                    first wait up to MS (2000) for the focus to reach that control
//   wintool region TITLE             print the rectangles of its window region, "none" when it has none
//   wintool drivetype ROOT           print GetDriveTypeW(ROOT) by name, e.g. DRIVE_CDROM for "D:\\"
// Arguments and printed texts are UTF-8 (titles, controls' texts, entries), whatever the code page: the
// programs' windows are Unicode ones, and a text the code page lacks must not turn into "?" on the way.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::wstring Widen(const std::string& utf8) {
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  return wide;
}

std::string Narrow(const wchar_t* wide) {
  int n = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(n > 0 ? n : 1), '\0');
  if (n > 0) WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), n, nullptr, nullptr);
  utf8.resize(utf8.size() - 1);
  return utf8;
}

HWND FindTitled(const std::string& title) { return FindWindowW(nullptr, Widen(title).c_str()); }

// WM_GETTEXT, not GetWindowText: across processes the latter does not ask edit controls for their text.
std::string ControlText(HWND hwnd) {
  wchar_t text[2048] = {};
  DWORD_PTR unused;
  SendMessageTimeoutW(hwnd, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                      &unused);
  return Narrow(text);
}

std::string ClassName(HWND hwnd) {
  wchar_t cls[128] = {};
  GetClassNameW(hwnd, cls, 128);
  return Narrow(cls);
}

HWND FindVisible(const std::string& title) {
  HWND hwnd = FindTitled(title);
  return (hwnd && IsWindowVisible(hwnd)) ? hwnd : nullptr;
}

HWND WaitFor(const std::string& title, DWORD ms) {
  DWORD start = GetTickCount();
  for (;;) {
    if (HWND hwnd = FindVisible(title)) return hwnd;
    if (GetTickCount() - start > ms) return nullptr;
    Sleep(50);
  }
}

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
  RECT r;
  GetWindowRect(child, &r);
  std::printf("%s|%s|%ld,%ld,%ld,%ld\n", ClassName(child).c_str(), ControlText(child).c_str(), r.left, r.top,
              r.right - r.left, r.bottom - r.top);
  return TRUE;
}

struct BoxSearch {
  HWND found = nullptr;
};

BOOL CALLBACK FindBox(HWND hwnd, LPARAM lp) {
  if (ClassName(hwnd) == "#32770" && IsWindowVisible(hwnd)) {
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
    wchar_t text[256] = {};
    GetMenuStringW(menu, i, text, 256, MF_BYPOSITION);
    std::string label = Narrow(text);
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
    wchar_t text[512] = {};
    GetWindowTextW(child, text, 512);
    match = search->spec == Narrow(text);
  }
  if (match) search->found = child;
  return !match;
}

// A descendant of parent given by its text or by "#ID".
HWND FindChild(HWND parent, const std::string& spec) {
  ChildSearch search{spec};
  EnumChildWindows(parent, FindChildProc, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

struct SpotSearch {
  int wanted;  // 1-based, in the order of EnumChildWindows
  HWND found = nullptr;
  int seen = 0;
};

BOOL CALLBACK FindSpot(HWND child, LPARAM lp) {
  auto* search = reinterpret_cast<SpotSearch*>(lp);
  if (ClassName(child) == "OrbstartSpot" && ++search->seen == search->wanted) search->found = child;
  return !search->found;
}

}  // namespace

int Run(int argc, const std::vector<std::string>& argv) {
  if (argc < 2) {
    std::fprintf(stderr,
                 "usage: wintool wait|close|class|text|msgbox|gone|menu|command|key|click|settext|items|select|"
                 "focus|region|drivetype|clicks|closed|handles ...\n");
    return 2;
  }
  std::string cmd = argv[1];
  DWORD ms = 20000;
  if (cmd == "wait" && argc >= 3) {
    if (argc >= 4) ms = std::strtoul(argv[3].c_str(), nullptr, 10);
    HWND hwnd = WaitFor(argv[2], ms);
    if (!hwnd) return 1;
    RECT r;
    GetWindowRect(hwnd, &r);
    std::printf("%ld,%ld,%ld,%ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
  }
  if (cmd == "gone" && argc >= 3) {
    if (argc >= 4) ms = std::strtoul(argv[3].c_str(), nullptr, 10);
    DWORD start = GetTickCount();
    while (FindTitled(argv[2])) {
      if (GetTickCount() - start > ms) return 1;
      Sleep(50);
    }
    return 0;
  }
  if (cmd == "region" && argc >= 3) {
    HWND hwnd = FindTitled(argv[2]);
    if (!hwnd) return 1;
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(hwnd, region) == ERROR) {
      std::printf("none\n");
    } else {
      std::printf("%lu\n", static_cast<unsigned long>((GetRegionData(region, 0, nullptr) - sizeof(RGNDATAHEADER)) / sizeof(RECT)));
    }
    DeleteObject(region);
    return 0;
  }
  if ((cmd == "close" || cmd == "class" || cmd == "text") && argc >= 3) {
    HWND hwnd = FindTitled(argv[2]);
    if (!hwnd) return 1;
    if (cmd == "close") {
      PostMessageA(hwnd, WM_CLOSE, 0, 0);
    } else if (cmd == "class") {
      std::printf("%s\n", ClassName(hwnd).c_str());
    } else {
      EnumChildWindows(hwnd, PrintChild, 0);
    }
    return 0;
  }
  // clicks TITLE N COUNT [PAUSE_MS]: clicks the Nth spot window COUNT times, each click sent so that its
  // handler runs inside the send, then asks the window for an answer; fails when the click or the question
  // was not answered within 200 ms. Prints the slowest answer in ms.
  if (cmd == "clicks" && argc >= 5) {
    HWND hwnd = FindTitled(argv[2]);
    if (!hwnd) return 1;
    SpotSearch search{std::atoi(argv[3].c_str())};
    EnumChildWindows(hwnd, FindSpot, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return 1;
    int count = std::atoi(argv[4].c_str());
    DWORD pause = argc >= 6 ? std::strtoul(argv[5].c_str(), nullptr, 10) : 0, slowest = 0;
    for (int i = 0; i < count; ++i) {
      DWORD start = GetTickCount();
      DWORD_PTR result = 0;
      bool answered = SendMessageTimeoutA(search.found, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2), SMTO_NORMAL,
                                          200, &result) &&
                      SendMessageTimeoutA(search.found, WM_LBUTTONUP, 0, MAKELPARAM(2, 2), SMTO_NORMAL, 200, &result);
      DWORD clicked = GetTickCount() - start;
      answered = answered && SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, 200, &result);
      DWORD took = GetTickCount() - start;
      if (took > slowest) slowest = took;
      if (!answered || clicked > 200) {
        std::printf("click %d: no answer within 200 ms\n", i + 1);
        return 1;
      }
      if (pause) Sleep(pause);
    }
    std::printf("%lu\n", slowest);
    return 0;
  }
  // closed TITLE MS: clicks the close box of the window and waits up to MS for its process to end; prints
  // the ms it took, fails when the process is still there.
  if (cmd == "closed" && argc >= 4) {
    HWND hwnd = FindTitled(argv[2]);
    DWORD pid = 0;
    if (!hwnd || !GetWindowThreadProcessId(hwnd, &pid)) return 1;
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (!process) return 1;
    DWORD start = GetTickCount();
    PostMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD waited = WaitForSingleObject(process, std::strtoul(argv[3].c_str(), nullptr, 10));
    std::printf("%lu\n", GetTickCount() - start);
    CloseHandle(process);
    return waited == WAIT_OBJECT_0 ? 0 : 1;
  }
  // handles TITLE: the handle count of the window's process.
  if (cmd == "handles" && argc >= 3) {
    HWND hwnd = FindTitled(argv[2]);
    DWORD pid = 0, count = 0;
    if (!hwnd || !GetWindowThreadProcessId(hwnd, &pid)) return 1;
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, pid);
    bool ok = process && GetProcessHandleCount(process, &count);
    if (process) CloseHandle(process);
    if (!ok) return 1;
    std::printf("%lu\n", count);
    return 0;
  }
  if (cmd == "msgbox") {
    if (argc >= 3) ms = std::strtoul(argv[2].c_str(), nullptr, 10);
    int button = argc >= 4 ? std::atoi(argv[3].c_str()) : IDOK;
    DWORD start = GetTickCount();
    BoxSearch search;
    while (!search.found) {
      EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
      if (search.found) break;
      if (GetTickCount() - start > ms) return 1;
      Sleep(50);
    }
    static wchar_t text[16384];
    wchar_t caption[256] = {};
    GetWindowTextW(search.found, caption, 256);
    GetDlgItemTextW(search.found, 0xFFFF, text, 16384);
    std::printf("%s|%s\n", Narrow(caption).c_str(), Narrow(text).c_str());
    std::fflush(stdout);
    HWND btn = GetDlgItem(search.found, button);
    if (btn) SendMessageA(btn, BM_CLICK, 0, 0);
    else PostMessageA(search.found, WM_COMMAND, button, 0);
    return 0;
  }
  if (cmd == "command" && argc >= 4) {
    // Wine keeps menus per process, so "menu" cannot read another program's entries there.
    HWND hwnd = FindTitled(argv[2]);
    return hwnd && PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(std::atoi(argv[3].c_str()), 0), 0) ? 0 : 1;
  }
  if ((cmd == "menu" || cmd == "key") && argc >= 4) {
    HWND hwnd = FindTitled(argv[2]);
    if (!hwnd) return 1;
    if (cmd == "menu") {
      int id = argv[3][0] == '#' ? std::atoi(argv[3].c_str() + 1) : FindMenuEntry(GetMenu(hwnd), argv[3]);
      if (id == -1) return 1;
      PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    } else {
      WPARAM vk = std::strtoul(argv[3].c_str(), nullptr, 0);
      PostMessageA(hwnd, WM_KEYDOWN, vk, 1);
      PostMessageA(hwnd, WM_KEYUP, vk, 0xC0000001);
    }
    return 0;
  }
  if ((cmd == "click" && argc >= 4) || (cmd == "settext" && argc >= 5)) {
    HWND hwnd = FindTitled(argv[2]);
    HWND child = hwnd ? FindChild(hwnd, argv[3]) : nullptr;
    if (!child) return 1;
    if (cmd == "click") PostMessageA(child, BM_CLICK, 0, 0);
    else
      SendMessageW(child, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Widen(argv[4]).c_str()));
    return 0;
  }
  if (cmd == "focus" && argc >= 3) {
    HWND hwnd = FindTitled(argv[2]);
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    DWORD thread = hwnd ? GetWindowThreadProcessId(hwnd, nullptr) : 0;
    DWORD start = GetTickCount(), wait = argc >= 5 ? std::strtoul(argv[4].c_str(), nullptr, 10) : 2000;
    // A key pressed a moment ago may still be on its way.
    while (thread && argc >= 4 && GetTickCount() - start < wait &&
           !(GetGUIThreadInfo(thread, &info) && GetDlgCtrlID(info.hwndFocus) == std::atoi(argv[3].c_str())))
      Sleep(20);
    if (!thread || !GetGUIThreadInfo(thread, &info) || !info.hwndFocus) return 1;
    std::printf("%d|%s|%s\n", GetDlgCtrlID(info.hwndFocus), ClassName(info.hwndFocus).c_str(),
                ControlText(info.hwndFocus).c_str());
    return 0;
  }
  if ((cmd == "items" && argc >= 4) || (cmd == "select" && argc >= 5)) {
    HWND hwnd = FindTitled(argv[2]);
    HWND combo = hwnd ? FindChild(hwnd, argv[3]) : nullptr;
    if (!combo) return 1;
    if (cmd == "select") {
      WPARAM entry = std::strtoul(argv[4].c_str(), nullptr, 10);
      if (SendMessageA(combo, CB_SETCURSEL, entry, 0) == CB_ERR) return 1;
      // CB_SETCURSEL sends no notification of its own.
      SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
      return 0;
    }
    for (LRESULT i = 0, n = SendMessageA(combo, CB_GETCOUNT, 0, 0); i < n; ++i) {
      // Across processes Wine hands over the entry's text as UTF-16 whatever was asked.
      wchar_t wide[512] = {};
      if (SendMessageW(combo, CB_GETLBTEXTLEN, i, 0) < 512) SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide));
      std::printf("%s\n", Narrow(wide).c_str());
    }
    return 0;
  }
  if (cmd == "drivetype" && argc >= 3) {
    static const char* const kNames[] = {"DRIVE_UNKNOWN",   "DRIVE_NO_ROOT_DIR", "DRIVE_REMOVABLE", "DRIVE_FIXED",
                                         "DRIVE_REMOTE",    "DRIVE_CDROM",       "DRIVE_RAMDISK"};
    UINT type = GetDriveTypeW(Widen(argv[2]).c_str());
    std::printf("%s\n", type < 7 ? kNames[type] : "DRIVE_UNKNOWN");
    return 0;
  }
  std::fprintf(stderr, "wintool: bad arguments\n");
  return 2;
}

int wmain(int argc, wchar_t** wargv) {
  std::vector<std::string> argv;
  for (int i = 0; i < argc; ++i) argv.push_back(Narrow(wargv[i]));
  return Run(argc, argv);
}
