// The media transport over mciSendStringW, mciGetErrorStringW, GetShortPathNameW and GetWindowRect, with a
// worker per alias; see MciTransport.h.
#include "common/win/MciTransport.h"

#include "common/VideoRouter.h"
#include "common/win/WideText.h"

#include <windows.h>
#include <mmsystem.h>

#include <cstdlib>
#include <vector>
#include <set>

namespace orb {
namespace {

volatile LONG g_workers = 0;

long SendNow(const std::string& command, std::string* returned) {
  const std::wstring wide = win::Widen(command);
  if (!returned) return static_cast<long>(mciSendStringW(wide.c_str(), nullptr, 0, nullptr));
  wchar_t buffer[129] = {};
  long code = static_cast<long>(mciSendStringW(wide.c_str(), buffer, 128, nullptr));
  buffer[128] = L'\0';
  *returned = win::Narrow(buffer);
  return code;
}

// Waits for an event up to ms, answering the messages other threads send this one meanwhile: a device's
// window, made by a worker as a child of this thread's window, tells its parent about itself.
bool WaitAnswering(HANDLE event, DWORD ms) {
  DWORD start = GetTickCount();
  for (;;) {
    DWORD spent = GetTickCount() - start;
    DWORD got = MsgWaitForMultipleObjects(1, &event, FALSE, spent >= ms ? 0 : ms - spent, QS_SENDMESSAGE);
    if (got == WAIT_OBJECT_0) return true;
    if (got != WAIT_OBJECT_0 + 1) return false;
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

constexpr long kDuplicateAlias = 289;     // MCIERR_DUPLICATE_ALIAS
constexpr long kCannotLoadDriver = 266;  // MCIERR_CANNOT_LOAD_DRIVER, for a file that failed before

}  // namespace

struct MciTransport::Failures {
  volatile LONG refs = 1;
  CRITICAL_SECTION lock;
  std::set<std::string> files;  // in lower case

  Failures() { InitializeCriticalSection(&lock); }
  ~Failures() { DeleteCriticalSection(&lock); }
  void Hold() { InterlockedIncrement(&refs); }
  void Release() {
    if (InterlockedDecrement(&refs) == 0) delete this;
  }
  void Add(const std::string& file) {
    EnterCriticalSection(&lock);
    files.insert(file);
    LeaveCriticalSection(&lock);
  }
  bool Has(const std::string& file) {
    EnterCriticalSection(&lock);
    bool has = files.count(file) != 0;
    LeaveCriticalSection(&lock);
    return has;
  }
};

// One command on its way to a worker and its answer back; held by both until each lets go.
struct Command {
  volatile LONG refs = 2;
  std::string text;
  bool want_reply = false;
  long code = 0;
  std::string reply;
  HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  ~Command() {
    if (done) CloseHandle(done);
  }
  void Release() {
    if (InterlockedDecrement(&refs) == 0) delete this;
  }
};

struct MciTransport::Channel {
  volatile LONG refs = 2;  // the transport's and the worker's
  Failures* failures;
  std::string file;      // of its open, in lower case
  HWND video = nullptr;  // the window a video open draws into, hidden when the open fails
  HANDLE wake = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  CRITICAL_SECTION lock;  // guards queue and closing
  std::vector<Command*> queue;  // a few at most
  bool closing = false;  // no more commands: the worker ends once the queue is empty
  Command* late = nullptr;  // the window's last command it stopped waiting for, while not answered
  bool reply_missed = false;  // a reply (a length) came too late for the window

  explicit Channel(Failures* f) : failures(f) {
    f->Hold();
    InitializeCriticalSection(&lock);
  }
  ~Channel() {
    for (Command* c : queue) c->Release();
    if (wake) CloseHandle(wake);
    DeleteCriticalSection(&lock);
    failures->Release();
  }
  void Release() {
    if (InterlockedDecrement(&refs) == 0) delete this;
  }

  // Queues a command; its answer within wait_ms, else 0 (and an empty reply) while it goes on. Behind a
  // command still under way a bounded command is not waited for at all: the bounds must not add up.
  long Call(const std::string& text, std::string* returned, DWORD wait_ms) {
    auto* c = new Command;
    c->text = text;
    c->want_reply = returned != nullptr;
    EnterCriticalSection(&lock);
    queue.push_back(c);
    LeaveCriticalSection(&lock);
    SetEvent(wake);
    if (late && WaitForSingleObject(late->done, 0) == WAIT_OBJECT_0) {
      late->Release();
      late = nullptr;
    }
    if (late && (!returned || wait_ms <= kMciBoundMs)) wait_ms = 0;
    long code = 0;
    if (c->done && WaitAnswering(c->done, wait_ms)) {
      code = c->code;
      if (returned) *returned = c->reply;
      c->Release();
    } else {
      if (returned) returned->clear();
      reply_missed = reply_missed || returned;
      if (late) late->Release();
      late = c;  // keeps the window's reference
    }
    return code;
  }

  void Retire() {
    if (late) late->Release();
    late = nullptr;
    EnterCriticalSection(&lock);
    closing = true;
    LeaveCriticalSection(&lock);
    SetEvent(wake);
    Release();
  }

  static DWORD WINAPI Run(void* param) {
    auto* self = static_cast<Channel*>(param);
    self->Work();
    self->Release();
    InterlockedDecrement(&g_workers);
    return 0;
  }

  void Work() {
    bool first = true;
    for (;;) {
      Command* c = nullptr;
      EnterCriticalSection(&lock);
      bool end = closing && queue.empty();
      if (!queue.empty()) {
        c = queue.front();
        queue.erase(queue.begin());
      }
      LeaveCriticalSection(&lock);
      if (c) {
        c->code = SendNow(c->text, c->want_reply ? &c->reply : nullptr);
        if (first && c->code != 0 && c->code != kDuplicateAlias) {
          failures->Add(file);
          if (video) ShowWindowAsync(video, SW_HIDE);
        }
        first = false;
        SetEvent(c->done);
        c->Release();
        continue;
      }
      if (end) return;
      // The device's windows belong to this thread: their messages are pumped here.
      MsgWaitForMultipleObjects(1, &wake, FALSE, INFINITE, QS_ALLINPUT);
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
    }
  }
};

MciTransport::MciTransport(bool workers) : failures_(new Failures), workers_(workers) {}

void MciTransport::BoundReplies() { reply_ms_ = kMciBoundMs; }

MciTransport::~MciTransport() {
  for (auto& named : channels_) named.second->Retire();
  failures_->Release();
}

long MciTransport::Send(const std::string& command, std::string* returned) {
  if (!workers_) return SendNow(command, returned);
  std::vector<std::string> words = Words(command);
  std::string verb = words.empty() ? std::string() : Lower(words[0]);
  bool open = verb == "open";
  std::string alias = Lower(open ? After(words, "alias", 2) : words.size() > 1 ? words[1] : std::string());
  auto it = channels_.begin();
  while (it != channels_.end() && it->first != alias) ++it;
  // Only an open's outcome and replies are waited for; play, put, stop and close go on by themselves, so
  // that the bounds of one click's commands do not add up.
  DWORD wait_ms = returned ? reply_ms_ : open ? kMciBoundMs : 0;
  if (!open || alias.empty() || it != channels_.end()) {
    if (it == channels_.end()) return SendNow(command, returned);
    std::string sent = command;
    // "play ALIAS from 0 to LENGTH" with a length the window never got: the length meant the end.
    size_t to = Lower(command).find(" to ");
    if (verb == "play" && it->second->reply_missed && to != std::string::npos) {
      sent.resize(to);
      it->second->reply_missed = false;
    }
    long code = it->second->Call(sent, returned, wait_ms);
    if (verb == "close") {
      it->second->Retire();
      channels_.erase(it);
    }
    return code;
  }
  std::string file = Lower(words.size() > 1 ? words[1] : std::string());
  if (failures_->Has(file)) return kCannotLoadDriver;
  auto* channel = new Channel(failures_);
  channel->file = file;
  if (After(words, "type", 2) == kVideoDevice)
    channel->video = reinterpret_cast<HWND>(static_cast<INT_PTR>(std::strtoll(After(words, "parent", 2).c_str(), nullptr, 10)));
  InterlockedIncrement(&g_workers);
  HANDLE thread = channel->wake ? CreateThread(nullptr, 0, Channel::Run, channel, 0, nullptr) : nullptr;
  if (!thread) {
    InterlockedDecrement(&g_workers);
    delete channel;
    return SendNow(command, returned);
  }
  CloseHandle(thread);
  long code = channel->Call(command, returned, wait_ms);
  if (code != 0) {
    channel->Retire();
  } else {
    channels_.emplace_back(alias, channel);
  }
  return code;
}

std::string MciTransport::ErrorText(long code) {
  wchar_t buffer[129] = {};
  if (!mciGetErrorStringW(static_cast<MCIERROR>(code), buffer, 128)) return "Unknown error " + std::to_string(code);
  buffer[128] = L'\0';
  return win::Narrow(buffer);
}

std::string MciTransport::ShortPath(const std::string& path) {
  const std::wstring wide = win::Widen(path);
  wchar_t buffer[256] = {};
  DWORD n = GetShortPathNameW(wide.c_str(), buffer, 255);
  if (n == 0) return std::string();
  if (n < 255) return win::Narrow(std::wstring_view(buffer, n));
  // Longer than the usual buffer: ask again with room for the whole short form.
  std::wstring big(n + 1, L'\0');
  DWORD m = GetShortPathNameW(wide.c_str(), big.data(), n + 1);
  big.resize(m <= n ? m : 0);
  return win::Narrow(big);
}

bool MciTransport::WindowSize(MediaWindow window, int& width, int& height) {
  RECT r;
  if (!GetWindowRect(reinterpret_cast<HWND>(window), &r)) return false;
  width = r.right - r.left;
  height = r.bottom - r.top;
  return true;
}

bool MciWorkersRunning() { return g_workers > 0; }

void AnswerWhile(DWORD ms, bool (*busy)()) {
  DWORD start = GetTickCount();
  while (busy() && GetTickCount() - start < ms) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

}  // namespace orb
