// Under Wine: the update check over WinINet against a loopback server in this process, the update and
// about windows driven through their controls, and HTML Help opening the built help.chm.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "editor/windows/AboutController.h"
#include "editor/windows/UpdateCheck.h"
#include "editor/windows/UpdateWindowController.h"
#include "editor/windows/win/AboutWindow.h"
#include "editor/windows/win/HelpViewer.h"
#include "editor/windows/win/UpdateCheckWin.h"

namespace orb {
namespace {

// A one-request HTTP server on 127.0.0.1 that answers every GET with body.
class LoopbackServer {
 public:
  explicit LoopbackServer(std::string body) : body_(std::move(body)) {
    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in addr = {};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    int len = sizeof addr;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len);
    port_ = ntohs(addr.sin_port);
    listen(listener_, 4);
    thread_ = std::thread([this] { Serve(); });
  }
  ~LoopbackServer() {
    closesocket(listener_);
    thread_.join();
    WSACleanup();
  }
  std::string Url() const { return "http://127.0.0.1:" + std::to_string(port_); }
  std::string request() const { return request_; }

 private:
  void Serve() {
    SOCKET client = accept(listener_, nullptr, nullptr);
    if (client == INVALID_SOCKET) return;
    char buffer[4096];
    int n = recv(client, buffer, sizeof buffer, 0);
    if (n > 0) request_.assign(buffer, n);
    std::string reply = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                        std::to_string(body_.size()) + "\r\n\r\n" + body_;
    send(client, reply.data(), static_cast<int>(reply.size()), 0);
    shutdown(client, SD_SEND);
    closesocket(client);
  }

  std::string body_;
  SOCKET listener_ = INVALID_SOCKET;
  int port_ = 0;
  std::thread thread_;
  std::string request_;
};

// A port on which nothing listens: bound, then closed again.
int FreePort() {
  WSADATA wsa;
  WSAStartup(MAKEWORD(2, 2), &wsa);
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in addr = {};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
  int len = sizeof addr;
  getsockname(s, reinterpret_cast<sockaddr*>(&addr), &len);
  closesocket(s);
  WSACleanup();
  return ntohs(addr.sin_port);
}

TEST(WinInetHttpGet, ReadsTheVersionFileUpToTheLimit) {
  LoopbackServer server("2.1.0,Faster generation");
  EXPECT_EQ(WinInetHttpGet().Get(server.Url() + "/ver/obm.ver", 1000), "2.1.0,Faster generation");
  EXPECT_EQ(server.request().rfind("GET /ver/obm.ver HTTP/1.", 0), 0u) << server.request();

  LoopbackServer big("2.1.0," + std::string(1494, 'x'));
  std::string data = WinInetHttpGet().Get(big.Url() + "/ver/obm.ver", 1000);
  EXPECT_EQ(data.size(), 1000u);
  EXPECT_EQ(data.substr(0, 6), "2.1.0,");
}

TEST(WinInetHttpGet, NothingListeningGivesNothing) {
  EXPECT_EQ(WinInetHttpGet().Get("http://127.0.0.1:" + std::to_string(FreePort()) + "/ver/obm.ver", 1000), "");
}

struct RecordingBoxes : MessageBoxSeam {
  std::vector<std::string> shown;
  MsgResult Show(const std::string& text, const std::string& title, MsgIcon, MsgButtons) override {
    shown.push_back(title + "|" + text);
    return MsgResult::Ok;
  }
};

struct RecordingShell : ShellSeam {
  std::vector<std::string> targets;
  void Execute(const std::string& op, const std::string& target, const std::string&, const std::string&,
               int show) override {
    targets.push_back(op + " " + target + " " + std::to_string(show));
  }
};

// What the timer below found in the modal window before closing it.
struct ModalProbe {
  const char* class_name = nullptr;
  std::vector<std::string> texts;
  std::string caption;
  int ticks = 0;
  bool click_first_button = false;
};
ModalProbe* g_probe = nullptr;

BOOL CALLBACK CollectText(HWND child, LPARAM) {
  char text[2048] = {};
  GetWindowTextA(child, text, sizeof text);
  g_probe->texts.push_back(text);
  return TRUE;
}

// Runs inside the modal loop: reads the window, optionally presses its first button, then closes it.
void CALLBACK ProbeTimer(HWND, UINT, UINT_PTR id, DWORD) {
  HWND window = FindWindowA(g_probe->class_name, nullptr);
  if (!window && ++g_probe->ticks < 100) return;
  KillTimer(nullptr, id);
  if (!window) return;
  char caption[256] = {};
  GetWindowTextA(window, caption, sizeof caption);
  g_probe->caption = caption;
  EnumChildWindows(window, CollectText, 0);
  if (g_probe->click_first_button) {
    HWND button = FindWindowExA(window, nullptr, "Button", nullptr);
    SendMessageA(button, BM_CLICK, 0, 0);
  }
  PostMessageA(window, WM_CLOSE, 0, 0);
}

TEST(UpdateCheckWin, ANewerVersionShowsTheUpdateWindowWithItsText) {
  LoopbackServer server("2.1.0,Faster generation\n");
  SetEnvironmentVariableA("ORBMENU_UPDATE_SERVER", server.Url().c_str());
  RecordingBoxes boxes;
  RecordingShell shell;
  ModalProbe probe;
  probe.class_name = "OrbmenuFrmUpdate";
  probe.click_first_button = true;
  g_probe = &probe;
  SetTimer(nullptr, 0, 100, ProbeTimer);
  RunUpdateCheck(nullptr, boxes, shell);
  SetEnvironmentVariableA("ORBMENU_UPDATE_SERVER", nullptr);
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(probe.caption, "New Version  of Orbmenu is available");
  EXPECT_EQ(probe.texts, (std::vector<std::string>{"Faster generation", "&Update Now", "Close"}));
  ASSERT_EQ(shell.targets.size(), 1u);
  EXPECT_EQ(shell.targets[0].rfind("open https://", 0), 0u);
  EXPECT_FALSE(FindWindowA("OrbmenuFrmUpdate", nullptr));
}

TEST(UpdateCheckWin, SameVersionAndNoServerAreReportedByMessage) {
  {
    LoopbackServer server("2.0.0,Nothing new");
    SetEnvironmentVariableA("ORBMENU_UPDATE_SERVER", server.Url().c_str());
    RecordingBoxes boxes;
    RecordingShell shell;
    RunUpdateCheck(nullptr, boxes, shell);
    EXPECT_EQ(boxes.shown, (std::vector<std::string>{"|You have the latest version."}));
  }
  SetEnvironmentVariableA("ORBMENU_UPDATE_SERVER", ("http://127.0.0.1:" + std::to_string(FreePort())).c_str());
  RecordingBoxes boxes;
  RecordingShell shell;
  RunUpdateCheck(nullptr, boxes, shell);
  SetEnvironmentVariableA("ORBMENU_UPDATE_SERVER", nullptr);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].rfind("Connection failed.|Could not retrieve information from the server.", 0), 0u);
}

// Reads lblscroll's position twice, a few ticks apart, and clicks the website link.
struct AboutProbe {
  int first_left = 0, later_left = 0, ticks = 0;
  std::string website;
};
AboutProbe* g_about = nullptr;

void CALLBACK AboutTimer(HWND, UINT, UINT_PTR id, DWORD) {
  HWND window = FindWindowA("OrbmenuFrmAbout", nullptr);
  if (!window) {
    if (++g_about->ticks > 100) KillTimer(nullptr, id);
    return;
  }
  HWND scroll = GetDlgItem(window, 201);
  RECT r;
  GetWindowRect(scroll, &r);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
  if (g_about->ticks++ < 1000 && g_about->first_left == 0) {
    g_about->first_left = r.left == 0 ? 1 : r.left;
    return;
  }
  KillTimer(nullptr, id);
  g_about->later_left = r.left;
  char text[256] = {};
  GetWindowTextA(GetDlgItem(window, 202), text, sizeof text);
  g_about->website = text;
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(202, STN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, 202)));
  PostMessageA(window, WM_CLOSE, 0, 0);
}

TEST(AboutWindow, ScrollsItsProductLineAndOpensTheWebsite) {
  RecordingShell shell;
  AboutProbe probe;
  g_about = &probe;
  SetTimer(nullptr, 0, 500, AboutTimer);
  ShowAboutWindow(nullptr, shell);
  EXPECT_NE(probe.first_left, 0);
  // Half a second at 70 ms a tick moves the label several 100-twip steps to the left.
  EXPECT_LT(probe.later_left, probe.first_left - 20);
  EXPECT_EQ(probe.website, AboutController::WebsiteText());
  EXPECT_EQ(shell.targets, (std::vector<std::string>{"open " + AboutController::WebsiteText() + " 1"}));
  EXPECT_FALSE(FindWindowA("OrbmenuFrmAbout", nullptr));
}

// help.chm as built: build/help/help.chm, the test program being build/tests/win_editor_tests.exe.
std::string BuiltHelpFile() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder.erase(folder.find_last_of('\\') + 1);
  return folder + "..\\help\\help.chm";
}

TEST(HelpViewer, OpensTheBuiltHelpFileAtEachContext) {
  std::string chm = BuiltHelpFile();
  ASSERT_NE(GetFileAttributesA(chm.c_str()), INVALID_FILE_ATTRIBUTES) << chm;
  for (int context : {1001, 1002, 1004}) {
    EXPECT_TRUE(ShowHelpFile(nullptr, chm, context)) << context;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  EXPECT_TRUE(FindWindowA("HH Parent", nullptr));
  CloseHelpWindows();
  EXPECT_FALSE(ShowHelpFile(nullptr, chm + ".missing", 1001));
}

}  // namespace
}  // namespace orb
