// Media Foundation videos through IMFPMediaPlayer; see MfVideoEngine.h.
#include "common/win/MfVideoEngine.h"

#include <mfplay.h>
#include <windows.h>

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

class MfVideo : public VideoEngine {
 public:
  MfVideo(IMFPMediaPlayer* player, IMFPMediaItem* item) : player_(player), item_(item) {}
  ~MfVideo() override {
    item_->Release();
    player_->Shutdown();
    player_->Release();
  }
  bool Place(int, int, int, int) override {
    // The player fills its window's client area, which is what the commands' put asks for.
    player_->UpdateVideo();
    return true;
  }
  bool Play() override { return SUCCEEDED(player_->Play()); }
  void Stop() override { player_->Stop(); }
  long LengthMs() override {
    PROPVARIANT duration;
    ZeroMemory(&duration, sizeof duration);
    const GUID k100ns = {};  // MFP_POSITIONTYPE_100NS
    if (FAILED(item_->GetDuration(k100ns, &duration)) || duration.vt != VT_UI8) return -1;
    return static_cast<long>(duration.uhVal.QuadPart / 10000);
  }

 private:
  IMFPMediaPlayer* player_;
  IMFPMediaItem* item_;
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
  if (FAILED(create(nullptr, FALSE, 0, nullptr, reinterpret_cast<HWND>(parent), &player)) || !player)
    return nullptr;
  // Blocking, so that a file Media Foundation cannot read fails here and goes to the fallback.
  IMFPMediaItem* item = nullptr;
  if (FAILED(player->CreateMediaItemFromURL(wide.c_str(), TRUE, 0, &item)) || !item ||
      FAILED(player->SetMediaItem(item))) {
    if (item) item->Release();
    player->Shutdown();
    player->Release();
    return nullptr;
  }
  return std::make_unique<MfVideo>(player, item);
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
