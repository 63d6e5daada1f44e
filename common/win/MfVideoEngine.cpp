// Media Foundation videos decoded by a source reader and drawn by this program; see MfVideoEngine.h.
#include "common/win/MfVideoEngine.h"

// The others need windows.h first.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <mmsystem.h>
#include <mfapi.h>
#include <mfidl.h>
#include <mfreadwrite.h>
// clang-format on

#include <cstdlib>
#include <list>
#include <vector>

#include "common/VideoFormat.h"
#include "common/VideoFrames.h"

namespace orb {
namespace {

struct MfApi {
  HRESULT(STDAPICALLTYPE* create_type)(IMFMediaType**);
  HRESULT(STDAPICALLTYPE* create_attributes)(IMFAttributes**, UINT32);
  HRESULT(STDAPICALLTYPE* create_reader)(LPCWSTR, IMFAttributes*, IMFSourceReader**);
};

template <typename F>
bool Resolve(HMODULE module, const char* name, F& f) {
  f = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  return f != nullptr;
}

// Loaded once, at the first video that needs it, and kept for the run; null where Media Foundation is
// missing (N editions) or does not start.
const MfApi* MediaFoundation() {
  static const MfApi* api = []() -> const MfApi* {
    static MfApi loaded;
    HRESULT(STDAPICALLTYPE * startup)(ULONG, DWORD) = nullptr;
    HMODULE plat = LoadLibraryA("mfplat.dll");
    if (!plat || !Resolve(plat, "MFStartup", startup) || !Resolve(plat, "MFCreateMediaType", loaded.create_type) ||
        !Resolve(plat, "MFCreateAttributes", loaded.create_attributes))
      return nullptr;
    HMODULE readwrite = LoadLibraryA("mfreadwrite.dll");
    if (!readwrite || !Resolve(readwrite, "MFCreateSourceReaderFromURL", loaded.create_reader)) return nullptr;
    static HRESULT(STDAPICALLTYPE * shutdown)() = nullptr;
    if (!Resolve(plat, "MFShutdown", shutdown) || FAILED(startup(MF_VERSION, MFSTARTUP_FULL))) return nullptr;
    // Media Foundation's own threads must end before the process does, or its exit may wait for them.
    atexit([] { shutdown(); });
    return &loaded;
  }();
  return api;
}

template <typename T>
void Release(T*& p) {
  if (p) p->Release();
  p = nullptr;
}

// Where the operating system converts to 32-bit pixels (Windows 7 and later) it is asked first; the
// decoders' own layouts are converted here.
struct Candidate {
  const GUID* subtype;
  FramePixels pixels;
};
const Candidate kVideoCandidates[] = {
    {&MFVideoFormat_RGB32, FramePixels::Bgrx}, {&MFVideoFormat_NV12, FramePixels::Nv12},
    {&MFVideoFormat_I420, FramePixels::I420},  {&MFVideoFormat_IYUV, FramePixels::I420},
    {&MFVideoFormat_YV12, FramePixels::Yv12},  {&MFVideoFormat_YUY2, FramePixels::Yuy2},
};

bool SetSubtype(const MfApi& mf, IMFSourceReader* reader, DWORD stream, const GUID& major, const GUID& subtype) {
  IMFMediaType* type = nullptr;
  if (FAILED(mf.create_type(&type))) return false;
  bool ok = SUCCEEDED(type->SetGUID(MF_MT_MAJOR_TYPE, major)) && SUCCEEDED(type->SetGUID(MF_MT_SUBTYPE, subtype)) &&
            SUCCEEDED(reader->SetCurrentMediaType(stream, nullptr, type));
  type->Release();
  return ok;
}

// The layout of the frames the reader now gives; false for one this program cannot draw.
bool ReadLayout(IMFSourceReader* reader, DWORD stream, FrameLayout& layout) {
  IMFMediaType* type = nullptr;
  if (FAILED(reader->GetCurrentMediaType(stream, &type))) return false;
  GUID subtype = GUID_NULL;
  UINT64 size = 0;
  bool ok = SUCCEEDED(type->GetGUID(MF_MT_SUBTYPE, &subtype)) && SUCCEEDED(type->GetUINT64(MF_MT_FRAME_SIZE, &size));
  FrameLayout l;
  ok = ok && [&] {
    for (const Candidate& c : kVideoCandidates)
      if (IsEqualGUID(subtype, *c.subtype)) {
        l.pixels = c.pixels;
        return true;
      }
    return false;
  }();
  if (ok) {
    l.width = static_cast<int>(size >> 32);
    l.height = l.rows = static_cast<int>(size & 0xFFFFFFFF);
    UINT32 stride = 0;
    if (SUCCEEDED(type->GetUINT32(MF_MT_DEFAULT_STRIDE, &stride)) && stride != 0) {
      INT32 signed_stride = static_cast<INT32>(stride);
      l.bottom_up = signed_stride < 0;
      l.stride = static_cast<size_t>(signed_stride < 0 ? -static_cast<INT64>(signed_stride) : signed_stride);
    } else {
      size_t w = static_cast<size_t>(l.width);
      l.stride = l.pixels == FramePixels::Bgrx ? w * 4 : l.pixels == FramePixels::Yuy2 ? (w + 1) / 2 * 4 : (w + 1) / 2 * 2;
    }
    // A decoder's frame may be taller or wider than the picture (1088 lines holding 1080).
    MFVideoArea area;
    UINT32 got = 0;
    if (SUCCEEDED(type->GetBlob(MF_MT_MINIMUM_DISPLAY_APERTURE, reinterpret_cast<UINT8*>(&area), sizeof area, &got)) &&
        got == sizeof area && area.OffsetX.value == 0 && area.OffsetY.value == 0 && area.Area.cx > 0 &&
        area.Area.cy > 0 && area.Area.cx <= l.width && area.Area.cy <= l.height) {
      l.width = area.Area.cx;
      l.height = area.Area.cy;
    }
    UINT32 matrix = 0;
    if (SUCCEEDED(type->GetUINT32(MF_MT_YUV_MATRIX, &matrix)))
      l.bt709 = matrix == MFVideoTransferMatrix_BT709;
    else
      l.bt709 = l.height >= 720;
    ok = FrameBytes(l) != 0;
  }
  type->Release();
  if (ok) layout = l;
  return ok;
}

// 16-bit PCM as the wave device takes it; false where the reader gives no such sound.
bool ReadWaveFormat(IMFSourceReader* reader, DWORD stream, WAVEFORMATEX& format) {
  IMFMediaType* type = nullptr;
  if (FAILED(reader->GetCurrentMediaType(stream, &type))) return false;
  UINT32 channels = 0, rate = 0, bits = 0;
  bool ok = SUCCEEDED(type->GetUINT32(MF_MT_AUDIO_NUM_CHANNELS, &channels)) &&
            SUCCEEDED(type->GetUINT32(MF_MT_AUDIO_SAMPLES_PER_SECOND, &rate)) &&
            SUCCEEDED(type->GetUINT32(MF_MT_AUDIO_BITS_PER_SAMPLE, &bits)) && channels >= 1 && channels <= 8 &&
            rate >= 1000 && rate <= 384000 && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
  type->Release();
  if (!ok) return false;
  ZeroMemory(&format, sizeof format);
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = static_cast<WORD>(channels);
  format.nSamplesPerSec = rate;
  format.wBitsPerSample = static_cast<WORD>(bits);
  format.nBlockAlign = static_cast<WORD>(channels * bits / 8);
  format.nAvgBytesPerSec = rate * format.nBlockAlign;
  return true;
}

// One stretch of decoded sound handed to the wave device.
struct WaveBlock {
  WAVEHDR header;
  std::vector<char> bytes;
};

constexpr LONGLONG kSecond = 10000000;  // in the reader's 100-ns units

class MfVideo : public VideoEngine {
 public:
  MfVideo(IMFSourceReader* reader, DWORD video, const FrameLayout& layout, long audio, const WAVEFORMATEX& wave,
          LONGLONG duration, HWND window)
      : reader_(reader), video_(video), layout_(layout), audio_(audio), wave_format_(wave), duration_(duration),
        window_(window), stop_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    InitializeCriticalSection(&lock_);
    SetWindowSubclass(window_, FrameProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  }
  ~MfVideo() override {
    Stop();
    RemoveWindowSubclass(window_, FrameProc, kSubclassId);
    Release(reader_);
    if (stop_) CloseHandle(stop_);
    DeleteCriticalSection(&lock_);
  }
  bool Place(int, int, int, int) override {
    // The frames fill the window's client area, which is what the commands' put asks for.
    InvalidateRect(window_, nullptr, FALSE);
    return true;
  }
  bool Play() override {
    Stop();
    PROPVARIANT start;
    PropVariantInit(&start);
    start.vt = VT_I8;
    start.hVal.QuadPart = 0;
    if (FAILED(reader_->SetCurrentPosition(GUID_NULL, start)) || !stop_) return false;
    ResetEvent(stop_);
    worker_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    return worker_ != nullptr;
  }
  void Stop() override {
    if (!worker_) return;
    SetEvent(stop_);
    WaitForSingleObject(worker_, INFINITE);
    CloseHandle(worker_);
    worker_ = nullptr;
  }
  long LengthMs() override { return duration_ < 0 ? -1 : static_cast<long>(duration_ / 10000); }

 private:
  static constexpr UINT_PTR kSubclassId = 0x4D46;
  static constexpr size_t kFramesAhead = 4;

  static DWORD WINAPI Run(void* self) {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    // Frames come every 33 or 40 ms; the default 15.6 ms timer would show them unevenly.
    timeBeginPeriod(1);
    static_cast<MfVideo*>(self)->Decode();
    timeEndPeriod(1);
    CoUninitialize();
    return 0;
  }

  bool Stopping(DWORD wait_ms) const { return WaitForSingleObject(stop_, wait_ms) == WAIT_OBJECT_0; }

  // Decodes just ahead of the clock, shows each frame at its time and feeds the sound to the wave device,
  // until the end or a stop.
  void Decode() {
    HWAVEOUT wave = nullptr;
    if (audio_ >= 0 && waveOutOpen(&wave, WAVE_MAPPER, &wave_format_, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR)
      wave = nullptr;
    std::list<WaveBlock> blocks;
    FramePacer pacer(kFramesAhead);
    LARGE_INTEGER frequency, started;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&started);
    auto clock = [&] {
      LARGE_INTEGER now;
      QueryPerformanceCounter(&now);
      return static_cast<LONGLONG>(static_cast<double>(now.QuadPart - started.QuadPart) * kSecond /
                                   static_cast<double>(frequency.QuadPart));
    };
    bool video_ended = false, audio_ended = audio_ < 0;
    LONGLONG sound_until = 0;
    std::vector<uint32_t> pixels;
    while (!Stopping(0)) {
      LONGLONG now = clock();
      if (pacer.TakeDue(now, pixels)) Show(pixels);
      ReapFinished(wave, blocks);
      bool ended = video_ended && audio_ended;
      if (!ended && !pacer.Full() && sound_until - now < kSecond) {
        if (!ReadOne(wave, blocks, pacer, video_ended, audio_ended, sound_until)) video_ended = audio_ended = true;
        continue;
      }
      if (ended && pacer.Empty() && blocks.empty()) break;
      LONGLONG wait = pacer.UntilNext(now);
      if (Stopping(wait < 0 || wait > kSecond / 50 ? 20 : static_cast<DWORD>(wait / 10000))) break;
    }
    if (wave) {
      waveOutReset(wave);  // marks every block done
      ReapFinished(wave, blocks);
      waveOutClose(wave);
    }
  }

  // Reads the next sample of either stream; false when the reader fails.
  bool ReadOne(HWAVEOUT wave, std::list<WaveBlock>& blocks, FramePacer& pacer, bool& video_ended,
               bool& audio_ended, LONGLONG& sound_until) {
    DWORD stream = 0, flags = 0;
    LONGLONG time = 0;
    IMFSample* sample = nullptr;
    if (FAILED(reader_->ReadSample(MF_SOURCE_READER_ANY_STREAM, 0, &stream, &flags, &time, &sample)) ||
        (flags & MF_SOURCE_READERF_ERROR)) {
      Release(sample);
      return false;
    }
    bool is_video = stream == video_;
    if (is_video && (flags & MF_SOURCE_READERF_CURRENTMEDIATYPECHANGED) && !ReadLayout(reader_, video_, layout_))
      video_ended = true;
    if (flags & MF_SOURCE_READERF_ENDOFSTREAM) (is_video ? video_ended : audio_ended) = true;
    if (sample && is_video && !video_ended) {
      std::vector<uint32_t> pixels;
      if (Convert(sample, pixels)) pacer.Push(time, std::move(pixels));
    } else if (sample && !is_video && wave) {
      LONGLONG length = 0;
      sample->GetSampleDuration(&length);
      sound_until = time + length;
      Queue(wave, sample, blocks);
    }
    Release(sample);
    return true;
  }

  bool Convert(IMFSample* sample, std::vector<uint32_t>& pixels) {
    IMFMediaBuffer* buffer = nullptr;
    if (FAILED(sample->ConvertToContiguousBuffer(&buffer))) return false;
    bool ok = false;
    IMF2DBuffer* planes = nullptr;
    BYTE* data = nullptr;
    LONG pitch = 0;
    // A two-dimensional buffer knows its real pitch, which may be wider than the type says.
    if (SUCCEEDED(buffer->QueryInterface(IID_IMF2DBuffer, reinterpret_cast<void**>(&planes))) &&
        SUCCEEDED(planes->Lock2D(&data, &pitch))) {
      FrameLayout l = layout_;
      l.stride = static_cast<size_t>(pitch < 0 ? -static_cast<LONGLONG>(pitch) : pitch);
      l.bottom_up = pitch < 0;
      BYTE* first = pitch < 0 ? data + static_cast<LONGLONG>(pitch) * (l.rows - 1) : data;
      // The memory the buffer locked holds the whole frame at that pitch.
      ok = ConvertFrame(l, first, FrameBytes(l), pixels);
      planes->Unlock2D();
    } else {
      DWORD length = 0;
      if (SUCCEEDED(buffer->Lock(&data, nullptr, &length))) {
        ok = ConvertFrame(layout_, data, length, pixels);
        buffer->Unlock();
      }
    }
    Release(planes);
    buffer->Release();
    return ok;
  }

  void Queue(HWAVEOUT wave, IMFSample* sample, std::list<WaveBlock>& blocks) {
    IMFMediaBuffer* buffer = nullptr;
    if (FAILED(sample->ConvertToContiguousBuffer(&buffer))) return;
    BYTE* data = nullptr;
    DWORD length = 0;
    if (SUCCEEDED(buffer->Lock(&data, nullptr, &length))) {
      if (length > 0) {
        blocks.emplace_back();
        WaveBlock& block = blocks.back();
        block.bytes.assign(reinterpret_cast<char*>(data), reinterpret_cast<char*>(data) + length);
        ZeroMemory(&block.header, sizeof block.header);
        block.header.lpData = block.bytes.data();
        block.header.dwBufferLength = length;
        if (waveOutPrepareHeader(wave, &block.header, sizeof block.header) != MMSYSERR_NOERROR ||
            waveOutWrite(wave, &block.header, sizeof block.header) != MMSYSERR_NOERROR) {
          waveOutUnprepareHeader(wave, &block.header, sizeof block.header);
          blocks.pop_back();
        }
      }
      buffer->Unlock();
    }
    buffer->Release();
  }

  static void ReapFinished(HWAVEOUT wave, std::list<WaveBlock>& blocks) {
    while (!blocks.empty() && (blocks.front().header.dwFlags & WHDR_DONE)) {
      waveOutUnprepareHeader(wave, &blocks.front().header, sizeof blocks.front().header);
      blocks.pop_front();
    }
  }

  void Show(std::vector<uint32_t>& pixels) {
    EnterCriticalSection(&lock_);
    shown_.swap(pixels);
    shown_width_ = layout_.width;
    shown_height_ = layout_.height;
    LeaveCriticalSection(&lock_);
    InvalidateRect(window_, nullptr, FALSE);
  }

  void Paint(HDC dc) {
    RECT client;
    GetClientRect(window_, &client);
    EnterCriticalSection(&lock_);
    if (shown_.size() == static_cast<size_t>(shown_width_) * static_cast<size_t>(shown_height_) && !shown_.empty()) {
      BITMAPINFO info;
      ZeroMemory(&info, sizeof info);
      info.bmiHeader.biSize = sizeof info.bmiHeader;
      info.bmiHeader.biWidth = shown_width_;
      info.bmiHeader.biHeight = -shown_height_;  // top row first
      info.bmiHeader.biPlanes = 1;
      info.bmiHeader.biBitCount = 32;
      info.bmiHeader.biCompression = BI_RGB;
      SetStretchBltMode(dc, COLORONCOLOR);
      StretchDIBits(dc, 0, 0, client.right, client.bottom, 0, 0, shown_width_, shown_height_, shown_.data(), &info,
                    DIB_RGB_COLORS, SRCCOPY);
    } else {
      FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    LeaveCriticalSection(&lock_);
  }

  // The frames are drawn into the window itself, so its background is never painted over them.
  static LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
    if (msg == WM_ERASEBKGND) return 1;
    if (msg != WM_PAINT) return DefSubclassProc(hwnd, msg, wp, lp);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    reinterpret_cast<MfVideo*>(self)->Paint(dc);
    EndPaint(hwnd, &ps);
    return 0;
  }

  IMFSourceReader* reader_;
  const DWORD video_;
  FrameLayout layout_;  // the decoder's, changed only by the worker while it runs
  const long audio_;    // the sound stream's index, -1 when there is none to play
  WAVEFORMATEX wave_format_;
  const LONGLONG duration_;
  HWND window_;
  HANDLE stop_;
  HANDLE worker_ = nullptr;
  CRITICAL_SECTION lock_;  // guards what is shown
  std::vector<uint32_t> shown_;
  int shown_width_ = 0, shown_height_ = 0;
};

// The first stream of a major type, by its index in the file; -1 when there is none.
long FirstStream(IMFSourceReader* reader, const GUID& major) {
  for (DWORD i = 0; i < 64; ++i) {
    IMFMediaType* type = nullptr;
    if (FAILED(reader->GetNativeMediaType(i, 0, &type))) return -1;
    GUID got = GUID_NULL;
    bool match = SUCCEEDED(type->GetGUID(MF_MT_MAJOR_TYPE, &got)) && IsEqualGUID(got, major);
    type->Release();
    if (match) return static_cast<long>(i);
  }
  return -1;
}

}  // namespace

std::unique_ptr<VideoEngine> OpenMediaFoundationVideo(const std::string& path, MediaWindow parent) {
  const MfApi* mf = MediaFoundation();
  if (!mf) return nullptr;
  // The source resolver creates its handlers through COM; a second initialisation only counts up.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  int n = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
  if (n <= 0) return nullptr;
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), n);
  IMFAttributes* attributes = nullptr;
  if (FAILED(mf->create_attributes(&attributes, 1))) return nullptr;
  attributes->SetUINT32(MF_SOURCE_READER_ENABLE_VIDEO_PROCESSING, TRUE);
  IMFSourceReader* reader = nullptr;
  // Opening reads the file's header here, so a file Media Foundation cannot read fails now and goes to the
  // fallback.
  HRESULT opened = mf->create_reader(wide.c_str(), attributes, &reader);
  attributes->Release();
  if (FAILED(opened) || !reader) return nullptr;
  long video = FirstStream(reader, MFMediaType_Video);
  long audio = FirstStream(reader, MFMediaType_Audio);
  FrameLayout layout;
  bool ok = video >= 0 && SUCCEEDED(reader->SetStreamSelection(MF_SOURCE_READER_ALL_STREAMS, FALSE)) &&
            SUCCEEDED(reader->SetStreamSelection(static_cast<DWORD>(video), TRUE));
  ok = ok && [&] {
    for (const Candidate& c : kVideoCandidates)
      if (SetSubtype(*mf, reader, static_cast<DWORD>(video), MFMediaType_Video, *c.subtype) &&
          ReadLayout(reader, static_cast<DWORD>(video), layout))
        return true;
    return false;
  }();
  if (!ok) {
    reader->Release();
    return nullptr;
  }
  // A video whose sound cannot be decoded still plays, silent.
  WAVEFORMATEX wave;
  ZeroMemory(&wave, sizeof wave);
  if (audio >= 0 && !(SUCCEEDED(reader->SetStreamSelection(static_cast<DWORD>(audio), TRUE)) &&
                      SetSubtype(*mf, reader, static_cast<DWORD>(audio), MFMediaType_Audio, MFAudioFormat_PCM) &&
                      ReadWaveFormat(reader, static_cast<DWORD>(audio), wave))) {
    reader->SetStreamSelection(static_cast<DWORD>(audio), FALSE);
    audio = -1;
  }
  PROPVARIANT duration;
  PropVariantInit(&duration);
  LONGLONG length = -1;
  if (SUCCEEDED(reader->GetPresentationAttribute(MF_SOURCE_READER_MEDIASOURCE, MF_PD_DURATION, &duration)) &&
      duration.vt == VT_UI8)
    length = static_cast<LONGLONG>(duration.uhVal.QuadPart);
  PropVariantClear(&duration);
  return std::make_unique<MfVideo>(reader, static_cast<DWORD>(video), layout, audio, wave, length,
                                   reinterpret_cast<HWND>(parent));
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
