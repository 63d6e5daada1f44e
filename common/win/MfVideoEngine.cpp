// Media Foundation videos through IMFPMediaPlayer; see MfVideoEngine.h.
#include "common/win/MfVideoEngine.h"

// The others need windows.h first.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <mfplay.h>
// clang-format on

#include "common/VideoFormat.h"

namespace orb {
namespace {

using CreatePlayer = HRESULT(STDAPICALLTYPE*)(LPCWSTR, BOOL, MFP_CREATION_OPTIONS, IMFPMediaPlayerCallback*,
                                              HWND, IMFPMediaPlayer**);

// Loaded once, at the first video that needs it, and kept for the run.
CreatePlayer PlayerFactory() {
  static CreatePlayer create = [] {
    // mfplay.dll exists on N editions too, but without mfplat.dll it cannot play anything.
    if (!LoadLibraryA("mfplat.dll")) return CreatePlayer(nullptr);
    HMODULE mfplay = LoadLibraryA("mfplay.dll");
    if (!mfplay) return CreatePlayer(nullptr);
    return reinterpret_cast<CreatePlayer>(
        reinterpret_cast<void*>(GetProcAddress(mfplay, "MFPCreateMediaPlayer")));
  }();
  return create;
}

// IID_IMFPMediaPlayerCallback, spelled out so that no import library of Media Foundation is linked.
constexpr GUID kIidPlayerCallback = {
    0x766c8ffb, 0x5fdb, 0x4fea, {0xa2, 0x8d, 0xb9, 0x12, 0x99, 0x6f, 0x51, 0xbd}};

// Setting the item completes later (on this thread, through the message loop); a play asked for before
// that starts from here.
class PlayerEvents : public IMFPMediaPlayerCallback {
 public:
  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    if (IsEqualGUID(riid, kIidPlayerCallback) || IsEqualGUID(riid, IID_IUnknown)) {
      *out = this;
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  STDMETHODIMP_(ULONG) Release() override {
    LONG n = InterlockedDecrement(&refs_);
    if (n == 0) delete this;
    return static_cast<ULONG>(n);
  }
  void STDMETHODCALLTYPE OnMediaPlayerEvent(MFP_EVENT_HEADER* event) override {
    if (!event || event->eEventType != MFP_EVENT_TYPE_MEDIAITEM_SET || FAILED(event->hrEvent)) return;
    item_set = true;
    if (play_wanted && event->pMediaPlayer) event->pMediaPlayer->Play();
  }

  bool item_set = false;
  bool play_wanted = false;

 private:
  virtual ~PlayerEvents() = default;
  LONG refs_ = 1;
};

class MfVideo : public VideoEngine {
 public:
  MfVideo(IMFPMediaPlayer* player, IMFPMediaItem* item, PlayerEvents* events, HWND window)
      : player_(player), item_(item), events_(events), window_(window) {
    SetWindowSubclass(window_, FrameProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  }
  ~MfVideo() override {
    RemoveWindowSubclass(window_, FrameProc, kSubclassId);
    item_->Release();
    player_->Shutdown();  // no events after this
    player_->Release();
    events_->Release();
  }
  bool Place(int, int, int, int) override {
    // The player fills its window's client area, which is what the commands' put asks for.
    player_->UpdateVideo();
    return true;
  }
  bool Play() override {
    events_->play_wanted = true;
    // While the item is still being set, the event starts what this call may not.
    return SUCCEEDED(player_->Play()) || !events_->item_set;
  }
  void Stop() override {
    events_->play_wanted = false;
    player_->Stop();
  }
  long LengthMs() override {
    PROPVARIANT duration;
    ZeroMemory(&duration, sizeof duration);
    const GUID k100ns = {};  // MFP_POSITIONTYPE_100NS
    if (FAILED(item_->GetDuration(k100ns, &duration)) || duration.vt != VT_UI8) return -1;
    return static_cast<long>(duration.uhVal.QuadPart / 10000);
  }

 private:
  static constexpr UINT_PTR kSubclassId = 0x4D46;
  // The video is drawn into the frame itself, so a repaint of the frame (uncovered, or after the end, when
  // the last picture stays) must come from the player, not from the frame's background.
  static LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
    if (msg != WM_PAINT) return DefSubclassProc(hwnd, msg, wp, lp);
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    reinterpret_cast<MfVideo*>(self)->player_->UpdateVideo();
    EndPaint(hwnd, &ps);
    return 0;
  }

  IMFPMediaPlayer* player_;
  IMFPMediaItem* item_;
  PlayerEvents* events_;
  HWND window_;
};

}  // namespace

std::unique_ptr<VideoEngine> OpenMediaFoundationVideo(const std::string& path, MediaWindow parent) {
  CreatePlayer create = PlayerFactory();
  if (!create) return nullptr;
  // MFPlay wants COM on the calling thread; a second initialisation only counts up.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  int n = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
  if (n <= 0) return nullptr;
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), n);
  IMFPMediaPlayer* player = nullptr;
  PlayerEvents* events = new PlayerEvents;
  if (FAILED(create(nullptr, FALSE, 0, events, reinterpret_cast<HWND>(parent), &player)) || !player) {
    events->Release();
    return nullptr;
  }
  // Blocking, so that a file Media Foundation cannot read fails here and goes to the fallback.
  IMFPMediaItem* item = nullptr;
  if (FAILED(player->CreateMediaItemFromURL(wide.c_str(), TRUE, 0, &item)) || !item ||
      FAILED(player->SetMediaItem(item))) {
    if (item) item->Release();
    player->Shutdown();
    player->Release();
    events->Release();
    return nullptr;
  }
  return std::make_unique<MfVideo>(player, item, events, reinterpret_cast<HWND>(parent));
}

std::string ReadVideoHead(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  char buffer[kVideoSniffBytes];
  DWORD got = 0;
  if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr)) got = 0;
  CloseHandle(file);
  return std::string(buffer, got);
}

}  // namespace orb
