// msaatool: a small screen-reader client for end-to-end tests under Wine; reads and drives a window's
// MSAA client object from another process, as a screen reader does.
//   msaatool children TITLE       print the client, then each child: ID|name|role|x,y,w,h|state|default
//   action msaatool press TITLE ID       call accDoDefaultAction on child ID msaatool select TITLE ID call
//   accSelect(SELFLAG_TAKEFOCUS) on child ID msaatool focus TITLE MS FILE  hook EVENT_OBJECT_FOCUS of the
//   window's process (out of context), create
//                                 FILE once hooked, then print the first event's "focus OBJID CHILD"; exit 1
//                                 when none came within MS
//   msaatool events TITLE MS FILE N  the same for the first N events from EVENT_OBJECT_REORDER to
//                                 EVENT_OBJECT_FOCUS, one "reorder|focus OBJID CHILD" line each
// TITLE and the names printed are UTF-8, so that texts outside the code page come through.
#include <oleacc.h>
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Narrow(BSTR text) {
  if (!text) return "";
  int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? n - 1 : 0, '\0');
  if (n > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), n, nullptr, nullptr);
  SysFreeString(text);
  return out;
}

VARIANT Child(long id) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

void PrintElement(IAccessible* acc, long id) {
  VARIANT child = Child(id);
  BSTR name = nullptr, action = nullptr;
  acc->get_accName(child, &name);
  VARIANT role, state;
  VariantInit(&role);
  VariantInit(&state);
  acc->get_accRole(child, &role);
  acc->get_accState(child, &state);
  long x = 0, y = 0, w = 0, h = 0;
  acc->accLocation(&x, &y, &w, &h, child);
  acc->get_accDefaultAction(child, &action);
  char role_text[64] = "?";
  if (role.vt == VT_I4) GetRoleTextA(static_cast<DWORD>(role.lVal), role_text, sizeof role_text);
  std::printf("%ld|%s|%s|%ld,%ld,%ld,%ld|%s%s|%s\n", id, Narrow(name).c_str(), role_text, x, y, w, h,
              state.vt == VT_I4 && (state.lVal & STATE_SYSTEM_FOCUSABLE) ? "focusable" : "",
              state.vt == VT_I4 && (state.lVal & STATE_SYSTEM_FOCUSED) ? " focused" : "",
              Narrow(action).c_str());
}

HWND g_target = nullptr;
std::string g_events;
int g_wanted = 1, g_seen = 0;

void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
  if (hwnd != g_target || g_seen >= g_wanted) return;
  g_events += (event == EVENT_OBJECT_REORDER ? "reorder " : "focus ") + std::to_string(object) + " " +
              std::to_string(child) + "\n";
  ++g_seen;
}

int WaitForEvents(HWND hwnd, DWORD ms, const char* marker, DWORD first) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  g_target = hwnd;
  HWINEVENTHOOK hook = SetWinEventHook(first, EVENT_OBJECT_FOCUS, nullptr, OnEvent, pid, 0,
                                       WINEVENT_OUTOFCONTEXT);
  if (!hook) return 2;
  // The caller's Wine wrapper holds stdout back until the end: a file tells it the hook is in place.
  HANDLE file = CreateFileA(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  DWORD start = GetTickCount();
  while (g_seen < g_wanted && GetTickCount() - start < ms) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  UnhookWinEvent(hook);
  std::printf("%s", g_events.c_str());
  return g_seen < g_wanted ? 1 : 0;
}

int Usage() {
  std::fprintf(stderr, "usage: msaatool children|press|select|focus|events TITLE [ID|MS]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  std::string verb = argv[1];
  // The title as given, not as the code page's argv has it.
  int wide_count = 0;
  wchar_t** wide_argv = CommandLineToArgvW(GetCommandLineW(), &wide_count);
  HWND hwnd = wide_argv && wide_count > 2 ? FindWindowW(nullptr, wide_argv[2]) : nullptr;
  if (!hwnd) {
    std::fprintf(stderr, "no window titled %s\n", argv[2]);
    return 1;
  }
  if (verb == "focus")
    return argc > 4 ? WaitForEvents(hwnd, std::strtoul(argv[3], nullptr, 10), argv[4], EVENT_OBJECT_FOCUS)
                    : Usage();
  if (verb == "events" && argc > 5) {
    g_wanted = std::atoi(argv[5]);
    return WaitForEvents(hwnd, std::strtoul(argv[3], nullptr, 10), argv[4], EVENT_OBJECT_REORDER);
  }
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IAccessible* acc = nullptr;
  // Not IID_IAccessible: x86_64 MinGW's liboleacc.a exports that name as a code thunk, not as the GUID.
  HRESULT hr = AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&acc));
  if (FAILED(hr) || !acc) {
    std::fprintf(stderr, "AccessibleObjectFromWindow failed: 0x%08lx\n", static_cast<unsigned long>(hr));
    return 1;
  }
  int code = 0;
  if (verb == "children") {
    long count = 0;
    acc->get_accChildCount(&count);
    std::printf("children %ld\n", count);
    for (long id = 0; id <= count; ++id) PrintElement(acc, id);
  } else if ((verb == "press" || verb == "select") && argc > 3) {
    VARIANT child = Child(std::strtol(argv[3], nullptr, 10));
    hr = verb == "press" ? acc->accDoDefaultAction(child) : acc->accSelect(SELFLAG_TAKEFOCUS, child);
    std::printf("%s 0x%08lx\n", verb.c_str(), static_cast<unsigned long>(hr));
    code = FAILED(hr) ? 1 : 0;
  } else {
    code = Usage();
  }
  acc->Release();
  CoUninitialize();
  return code;
}
