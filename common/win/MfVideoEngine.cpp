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
#include <cwchar>
#include <list>
#include <string>
#include <vector>

#include "common/VideoFormat.h"
#include "common/VideoFrames.h"
#include "common/VideoStructure.h"
#include "common/win/MfReader.h"
#include "common/win/WideText.h"
#include "common/win/WindowBase.h"

namespace orb {
namespace {

using namespace mf;

// One stretch of decoded sound handed to the wave device.
struct WaveBlock {
  WAVEHDR header;
  std::vector<char> bytes;
};

constexpr LONGLONG kSecond = 10000000;  // in the reader's 100-ns units
// A decoder that shows no sign of life for this long (opening, or between two reads), or no first frame this
// long after a play, is given up: Media Foundation can wait forever on a broken file.
constexpr DWORD kStallMs = 5000;
constexpr DWORD kFirstFrameMs = 5000;
// How long the window's thread waits for an open to end, or a worker to end at a close, before going on.
constexpr DWORD kBoundMs = 100;

// Workers not yet ended, for the process's exit.
volatile LONG g_workers = 0;
// Whether videos decode in a child process of this program (see UseVideoDecoderProcess).
bool g_child_decoders = false;
// The switch that starts this program as a decoder, followed by the handle of the shared section.
constexpr wchar_t kDecoderSwitch[] = L"/orb-decode-video:";
constexpr size_t kPathChars = 4096;

// What the window's side and a video's decoder share: this header, then the frame shown, no larger than the
// box. It lies in a section of memory, so that the decoder may run in a child process as well as on a thread.
struct SharedVideo {
  volatile LONG play_count;  // raised by each play, from the start
  volatile LONG stop_count;  // raised by each stop
  volatile LONG quit;
  volatile LONG open_result;  // 0 while opening, 1 opened, -1 failed
  volatile LONG busy;         // opening or decoding: the watchdog looks only then
  volatile LONG heartbeat;    // GetTickCount at the decoder's last sign of life while busy
  volatile LONG frames;       // shown since the last play
  volatile LONG ended;        // the last play ran to its end
  volatile LONG shown_width, shown_height;
  volatile LONGLONG duration;
  LONG box_width, box_height;  // the frame's client area: frames are kept no larger
  // Handles as the decoding process sees them: a child inherits them under the same values.
  HANDLE wake, opened, lock, parent;
  HWND window;
  wchar_t path[kPathChars];

  uint32_t* Pixels() { return reinterpret_cast<uint32_t*>(this + 1); }
  static size_t Bytes(int box_width, int box_height) {
    return sizeof(SharedVideo) + static_cast<size_t>(box_width) * static_cast<size_t>(box_height) * 4;
  }
  void Alive() { InterlockedExchange(&heartbeat, static_cast<LONG>(GetTickCount())); }
};

// The window's hold on the shared section; on a thread of this process the decoder holds it too, and it lives
// until both have let go, so that a decoder stuck inside Media Foundation can be left behind without anything
// it touches going away.
struct VideoState {
  volatile LONG refs = 1;
  HANDLE section = nullptr;
  SharedVideo* s = nullptr;

  ~VideoState() {
    if (s) {
      for (HANDLE h : {s->wake, s->opened, s->lock, s->parent})
        if (h) CloseHandle(h);
      UnmapViewOfFile(s);
    }
    if (section) CloseHandle(section);
  }
  void Release() {
    if (InterlockedDecrement(&refs) == 0) delete this;
  }
};

// The worker's side: opens the file, then decodes each play just ahead of the clock, shows each frame at its
// time and feeds the sound to the wave device.
class Decoder {
 public:
  explicit Decoder(SharedVideo& shared) : s_(shared) {}
  ~Decoder() { Release(reader_); }

  // Opens the file, then plays each play asked for, until told to quit.
  static void Serve(SharedVideo& shared) {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    {
      Decoder decoder(shared);
      shared.Alive();
      InterlockedExchange(&shared.busy, 1);
      bool ok = decoder.Open();
      InterlockedExchange(&shared.busy, 0);
      InterlockedExchange(&shared.open_result, ok ? 1 : -1);
      SetEvent(shared.opened);
      LONG played = 0;
      while (ok && !shared.quit) {
        if (shared.play_count != played) {
          played = shared.play_count;
          decoder.Play(played);
          continue;
        }
        WaitForSingleObject(shared.wake, INFINITE);
      }
    }
    CoUninitialize();
  }

  // A decoder on a thread of this process.
  static DWORD WINAPI Run(void* param) {
    auto* state = static_cast<VideoState*>(param);
    Serve(*state->s);
    state->Release();
    InterlockedDecrement(&g_workers);
    return 0;
  }

 private:
  bool Open() {
    const Api* mf = MediaFoundation();
    IMFAttributes* attributes = nullptr;
    if (!mf || FAILED(mf->create_attributes(&attributes, 1))) return false;
    attributes->SetUINT32(MF_SOURCE_READER_ENABLE_VIDEO_PROCESSING, TRUE);
    HRESULT opened = mf->create_reader(s_.path, attributes, &reader_);
    attributes->Release();
    if (FAILED(opened) || !reader_ || s_.quit) return false;
    s_.Alive();
    long video = FirstStream(reader_, MFMediaType_Video);
    audio_ = FirstStream(reader_, MFMediaType_Audio);
    if (video < 0 || FAILED(reader_->SetStreamSelection(MF_SOURCE_READER_ALL_STREAMS, FALSE)) ||
        FAILED(reader_->SetStreamSelection(static_cast<DWORD>(video), TRUE)))
      return false;
    video_ = static_cast<DWORD>(video);
    if (!BoxSized(*mf) && !ChooseVideoType(*mf, reader_, video_, layout_)) return false;
    // A video whose sound cannot be decoded still plays, silent.
    ZeroMemory(&wave_format_, sizeof wave_format_);
    if (audio_ >= 0 && !(SUCCEEDED(reader_->SetStreamSelection(static_cast<DWORD>(audio_), TRUE)) &&
                         SetSubtype(*mf, reader_, static_cast<DWORD>(audio_), MFMediaType_Audio, MFAudioFormat_PCM) &&
                         ReadWaveFormat(reader_, static_cast<DWORD>(audio_), wave_format_))) {
      reader_->SetStreamSelection(static_cast<DWORD>(audio_), FALSE);
      audio_ = -1;
    }
    PROPVARIANT duration;
    PropVariantInit(&duration);
    if (SUCCEEDED(reader_->GetPresentationAttribute(MF_SOURCE_READER_MEDIASOURCE, MF_PD_DURATION, &duration)) &&
        duration.vt == VT_UI8)
      s_.duration = static_cast<LONGLONG>(duration.uhVal.QuadPart);
    PropVariantClear(&duration);
    return true;
  }

  // Asks the reader for 32-bit frames at the box's size where the picture is larger, so that the decoder
  // scales and nothing larger than the box is kept; false where the reader cannot.
  bool BoxSized(const Api& mf) {
    IMFMediaType* native = nullptr;
    UINT64 size = 0;
    if (FAILED(reader_->GetNativeMediaType(video_, 0, &native))) return false;
    bool known = SUCCEEDED(native->GetUINT64(MF_MT_FRAME_SIZE, &size));
    native->Release();
    UINT32 width = static_cast<UINT32>(size >> 32), height = static_cast<UINT32>(size);
    if (!known || s_.box_width <= 0 || s_.box_height <= 0 ||
        (width <= static_cast<UINT32>(s_.box_width) && height <= static_cast<UINT32>(s_.box_height)))
      return false;
    IMFMediaType* type = nullptr;
    if (FAILED(mf.create_type(&type))) return false;
    UINT64 box = static_cast<UINT64>(s_.box_width) << 32 | static_cast<UINT32>(s_.box_height);
    bool ok = SUCCEEDED(type->SetGUID(MF_MT_MAJOR_TYPE, MFMediaType_Video)) &&
              SUCCEEDED(type->SetGUID(MF_MT_SUBTYPE, MFVideoFormat_RGB32)) &&
              SUCCEEDED(type->SetUINT64(MF_MT_FRAME_SIZE, box)) &&
              SUCCEEDED(reader_->SetCurrentMediaType(video_, nullptr, type)) && ReadLayout(reader_, video_, layout_) &&
              layout_.width <= s_.box_width && layout_.height <= s_.box_height;
    type->Release();
    return ok;
  }

  // Whether the window's thread asked for something else than the play under way.
  bool Interrupted(LONG played, LONG stopped) const {
    return s_.quit || s_.play_count != played || s_.stop_count != stopped;
  }
  bool Waits(DWORD ms, LONG played, LONG stopped) const {
    if (Interrupted(played, stopped)) return true;
    WaitForSingleObject(s_.wake, ms);
    return Interrupted(played, stopped);
  }

  void Play(LONG played) {
    LONG stopped = s_.stop_count;
    PROPVARIANT start;
    PropVariantInit(&start);
    start.vt = VT_I8;
    start.hVal.QuadPart = 0;
    s_.Alive();
    InterlockedExchange(&s_.busy, 1);
    InterlockedExchange(&s_.ended, 0);
    if (SUCCEEDED(reader_->SetCurrentPosition(GUID_NULL, start))) {
      // Frames come every 33 or 40 ms; the default 15.6 ms timer would show them unevenly.
      timeBeginPeriod(1);
      if (Decode(played, stopped)) InterlockedExchange(&s_.ended, 1);
      timeEndPeriod(1);
    } else {
      InterlockedExchange(&s_.ended, 1);
    }
    InterlockedExchange(&s_.busy, 0);
  }

  // True when the video ran to its end.
  bool Decode(LONG played, LONG stopped) {
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
    bool video_ended = false, audio_ended = audio_ < 0, finished = false;
    LONGLONG sound_until = 0;
    std::vector<uint32_t> pixels;
    while (!Interrupted(played, stopped)) {
      s_.Alive();
      LONGLONG now = clock();
      if (pacer.TakeDue(now, pixels)) Show(pixels);
      ReapFinished(wave, blocks);
      bool ended = video_ended && audio_ended;
      if (!ended && !pacer.Full() && sound_until - now < kSecond) {
        if (!ReadOne(wave, blocks, pacer, video_ended, audio_ended, sound_until)) video_ended = audio_ended = true;
        continue;
      }
      if (ended && pacer.Empty() && blocks.empty()) {
        finished = true;
        break;
      }
      LONGLONG wait = pacer.UntilNext(now);
      if (Waits(wait < 0 || wait > kSecond / 50 ? 20 : static_cast<DWORD>(wait / 10000), played, stopped)) break;
    }
    if (wave) {
      waveOutReset(wave);  // marks every block done
      ReapFinished(wave, blocks);
      waveOutClose(wave);
    }
    return finished;
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
    int width = 0, height = 0;
    // A two-dimensional buffer knows its real pitch, which may be wider than the type says.
    if (SUCCEEDED(buffer->QueryInterface(IID_IMF2DBuffer, reinterpret_cast<void**>(&planes))) &&
        SUCCEEDED(planes->Lock2D(&data, &pitch))) {
      FrameLayout l = layout_;
      l.stride = static_cast<size_t>(pitch < 0 ? -static_cast<LONGLONG>(pitch) : pitch);
      l.bottom_up = pitch < 0;
      BYTE* first = pitch < 0 ? data + static_cast<LONGLONG>(pitch) * (l.rows - 1) : data;
      // The memory the buffer locked holds the whole frame at that pitch.
      ok = ConvertFrameWithin(l, first, FrameBytes(l), s_.box_width, s_.box_height, pixels, width, height);
      planes->Unlock2D();
    } else {
      DWORD length = 0;
      if (SUCCEEDED(buffer->Lock(&data, nullptr, &length))) {
        ok = ConvertFrameWithin(layout_, data, length, s_.box_width, s_.box_height, pixels, width, height);
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

  void Show(const std::vector<uint32_t>& pixels) {
    auto within = [](int side, int box) { return box > 0 && box < side ? box : side; };
    LONG w = within(layout_.width, s_.box_width), h = within(layout_.height, s_.box_height);
    if (pixels.size() != static_cast<size_t>(w) * static_cast<size_t>(h) || w > s_.box_width || h > s_.box_height)
      return;
    // The window's side holds the lock only while it draws; one gone for good gives it up, abandoned.
    DWORD got = WaitForSingleObject(s_.lock, 1000);
    if (got != WAIT_OBJECT_0 && got != WAIT_ABANDONED) return;
    CopyMemory(s_.Pixels(), pixels.data(), pixels.size() * sizeof pixels[0]);
    s_.shown_width = w;
    s_.shown_height = h;
    ReleaseMutex(s_.lock);
    InterlockedIncrement(&s_.frames);
    InvalidateRect(s_.window, nullptr, FALSE);
  }

  static constexpr size_t kFramesAhead = 4;

  SharedVideo& s_;
  IMFSourceReader* reader_ = nullptr;
  DWORD video_ = 0;
  FrameLayout layout_;
  long audio_ = -1;  // the sound stream's index, -1 when there is none to play
  WAVEFORMATEX wave_format_ = {};
};

// The window's side: every call returns at once or within kBoundMs, whatever the decoder is doing.
class MfVideo : public VideoEngine {
 public:
  // worker: the decoder's thread, or its child process when child is set.
  MfVideo(VideoState* state, HANDLE worker, bool child) : state_(state), s_(state->s), worker_(worker), child_(child) {
    SetWindowSubclass(s_->window, FrameProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    SetTimer(s_->window, kSubclassId, 250, nullptr);
  }
  ~MfVideo() override {
    KillTimer(s_->window, kSubclassId);
    RemoveWindowSubclass(s_->window, FrameProc, kSubclassId);
    EndWorker();
    CloseHandle(worker_);
    state_->Release();
  }
  bool Place(int, int, int, int) override {
    // The frames fill the window's client area, which is what the commands' put asks for.
    InvalidateRect(s_->window, nullptr, FALSE);
    return true;
  }
  bool Play() override {
    if (failed_) return false;
    InterlockedExchange(&s_->frames, 0);
    InterlockedExchange(&s_->ended, 0);
    played_at_ = GetTickCount();
    InterlockedIncrement(&s_->play_count);
    SetEvent(s_->wake);
    return true;
  }
  void Stop() override {
    InterlockedIncrement(&s_->stop_count);
    played_at_ = 0;
    SetEvent(s_->wake);
  }
  long LengthMs() override {
    LONGLONG d = s_->duration;
    return d < 0 ? -1 : static_cast<long>(d / 10000);
  }
  bool Failed() override { return failed_; }

 private:
  static constexpr UINT_PTR kSubclassId = 0x4D46;

  // A thread stuck in Media Foundation is left behind (it lets go of the shared state when it ends); a child
  // process is ended, which frees everything it holds.
  void EndWorker() {
    InterlockedExchange(&s_->quit, 1);
    SetEvent(s_->wake);
    if (WaitForSingleObject(worker_, kBoundMs) == WAIT_TIMEOUT && child_) TerminateProcess(worker_, 0);
  }

  // On the window's timer: a file that did not open, a decoder silent for too long or gone (a child that
  // crashed), no first frame in time or a play that ended without one: the frame is hidden and the video
  // given up, silently.
  void Watch() {
    if (failed_) return;
    DWORD now = GetTickCount();
    bool stalled = s_->busy && now - static_cast<DWORD>(s_->heartbeat) > kStallMs;
    bool no_frame = played_at_ != 0 && s_->frames == 0 && (now - played_at_ > kFirstFrameMs || s_->ended);
    bool gone = WaitForSingleObject(worker_, 0) == WAIT_OBJECT_0;
    if (s_->open_result >= 0 && !stalled && !no_frame && !gone) return;
    failed_ = true;
    KillTimer(s_->window, kSubclassId);
    ShowWindow(s_->window, SW_HIDE);
    EndWorker();
  }

  void Paint(HDC dc) {
    RECT client;
    GetClientRect(s_->window, &client);
    // A decoder that holds the lock longer than a frame's copy is stuck or gone: the frame waits for the next.
    DWORD got = WaitForSingleObject(s_->lock, 50);
    if (got != WAIT_OBJECT_0 && got != WAIT_ABANDONED) return;
    int w = s_->shown_width, h = s_->shown_height;
    if (w > 0 && h > 0 && w <= s_->box_width && h <= s_->box_height) {
      BITMAPINFO info;
      ZeroMemory(&info, sizeof info);
      info.bmiHeader.biSize = sizeof info.bmiHeader;
      info.bmiHeader.biWidth = w;
      info.bmiHeader.biHeight = -h;  // top row first
      info.bmiHeader.biPlanes = 1;
      info.bmiHeader.biBitCount = 32;
      info.bmiHeader.biCompression = BI_RGB;
      SetStretchBltMode(dc, COLORONCOLOR);
      StretchDIBits(dc, 0, 0, client.right, client.bottom, 0, 0, w, h, s_->Pixels(), &info, DIB_RGB_COLORS,
                    SRCCOPY);
    } else {
      FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    ReleaseMutex(s_->lock);
  }

  // The frames are drawn into the window itself, so its background is never painted over them.
  LRESULT OnFrameMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR) {
    if (msg == WM_ERASEBKGND) return 1;
    if (msg == WM_TIMER && wp == kSubclassId) {
      Watch();
      return 0;
    }
    if (msg != WM_PAINT) return DefSubclassProc(hwnd, msg, wp, lp);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    Paint(dc);
    EndPaint(hwnd, &ps);
    return 0;
  }
  static constexpr SUBCLASSPROC FrameProc = win::SubclassProc<MfVideo, &MfVideo::OnFrameMessage>;

  VideoState* state_;
  SharedVideo* s_;
  HANDLE worker_;
  bool child_;
  DWORD played_at_ = 0;  // GetTickCount of the last play, 0 when stopped
  bool failed_ = false;
};

// The shared section for a video in window, with its events and lock; inheritable ones for a child. Null when
// the system gives none of them.
VideoState* NewVideoState(const std::wstring& path, HWND window, bool inheritable) {
  RECT box = {};
  GetClientRect(window, &box);
  // At least a pixel, so that the section has room for any frame the decoder keeps (a frame is never
  // larger than the box).
  int width = box.right > 0 ? box.right : 1, height = box.bottom > 0 ? box.bottom : 1;
  if (path.size() >= kPathChars || width > kMaxFrameSide || height > kMaxFrameSide) return nullptr;
  SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, inheritable ? TRUE : FALSE};
  auto* state = new VideoState;
  unsigned long long bytes = SharedVideo::Bytes(width, height);
  state->section = CreateFileMappingW(INVALID_HANDLE_VALUE, &sa, PAGE_READWRITE, static_cast<DWORD>(bytes >> 32),
                                      static_cast<DWORD>(bytes), nullptr);
  if (state->section)
    state->s = static_cast<SharedVideo*>(MapViewOfFile(state->section, FILE_MAP_ALL_ACCESS, 0, 0, 0));
  SharedVideo* s = state->s;
  if (!s) {
    delete state;
    return nullptr;
  }
  // The section's pages start zeroed.
  s->duration = -1;
  s->box_width = width;
  s->box_height = height;
  s->window = window;
  CopyMemory(s->path, path.c_str(), (path.size() + 1) * sizeof(wchar_t));
  s->wake = CreateEventW(&sa, FALSE, FALSE, nullptr);
  s->opened = CreateEventW(&sa, TRUE, FALSE, nullptr);
  s->lock = CreateMutexW(&sa, FALSE, nullptr);
  if (!DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &s->parent, SYNCHRONIZE,
                       sa.bInheritHandle, 0))
    s->parent = nullptr;
  if (!s->wake || !s->opened || !s->lock || !s->parent) {
    delete state;
    return nullptr;
  }
  return state;
}

// The job that ends every decoder with this process, even one that ends without a word; null where the
// system refuses (a process already in a job on Windows 7), and a decoder then watches this process itself.
HANDLE DecoderJob() {
  static HANDLE job = [] {
    HANDLE j = CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE | JOB_OBJECT_LIMIT_DIE_ON_UNHANDLED_EXCEPTION;
    if (j && !SetInformationJobObject(j, JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
      CloseHandle(j);
      j = nullptr;
    }
    return j;
  }();
  return job;
}

// This program started again as the decoder of the video in state's section; null when it cannot start.
HANDLE StartDecoderProcess(VideoState& state) {
  std::wstring exe = win::ProgramPath();
  if (exe.empty()) return nullptr;
  // The handle's digits by hand: std::to_wstring would bring the C library's whole wide printf.
  wchar_t digits[24], *d = digits + 23;
  *d = L'\0';
  auto value = reinterpret_cast<ULONG_PTR>(state.section);
  do {
    *--d = static_cast<wchar_t>(L'0' + value % 10);
    value /= 10;
  } while (value);
  std::wstring line = L"\"" + exe + L"\" " + kDecoderSwitch + d;
  STARTUPINFOW si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  BOOL started = CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED, nullptr, nullptr,
                                &si, &pi);
  // What the child inherited stays this video's: the next decoder must not hold it too.
  SharedVideo* s = state.s;
  for (HANDLE h : {state.section, s->wake, s->opened, s->lock, s->parent}) SetHandleInformation(h, HANDLE_FLAG_INHERIT, 0);
  if (!started) return nullptr;
  if (HANDLE job = DecoderJob()) AssignProcessToJobObject(job, pi.hProcess);
  ResumeThread(pi.hThread);
  CloseHandle(pi.hThread);
  return pi.hProcess;
}

// Whether Media Foundation's reader is on this system, without loading it into this process.
bool MediaFoundationPresent() {
  static const bool present = [] {
    HMODULE m = LoadLibraryExW(L"mfreadwrite.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (m) FreeLibrary(m);
    return m != nullptr;
  }();
  return present;
}

// In a decoder: a crash ends the process at once, with no error box and no debugger, and the menu goes on.
LONG WINAPI EndOnCrash(EXCEPTION_POINTERS*) {
  TerminateProcess(GetCurrentProcess(), 3);
  return EXCEPTION_EXECUTE_HANDLER;
}

// In a decoder: the player may end without a word (killed, or outside a job), and the decoder ends with it.
DWORD WINAPI EndWithPlayer(void* player) {
  WaitForSingleObject(static_cast<HANDLE>(player), INFINITE);
  TerminateProcess(GetCurrentProcess(), 0);
  return 0;
}

}  // namespace

void UseVideoDecoderProcess() { g_child_decoders = true; }

bool RunVideoDecoderIfAsked() {
  const wchar_t* line = GetCommandLineW();
  const wchar_t* at = line ? wcsstr(line, kDecoderSwitch) : nullptr;
  if (!at) return false;
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  SetUnhandledExceptionFilter(EndOnCrash);
  auto section = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(_wcstoui64(at + wcslen(kDecoderSwitch), nullptr, 10)));
  auto* s = static_cast<SharedVideo*>(MapViewOfFile(section, FILE_MAP_ALL_ACCESS, 0, 0, 0));
  if (!s) TerminateProcess(GetCurrentProcess(), 2);
  HANDLE watcher = CreateThread(nullptr, 0, EndWithPlayer, s->parent, 0, nullptr);
  if (watcher) CloseHandle(watcher);
  Decoder::Serve(*s);
  // Nothing to keep: ending here spares Media Foundation's shutdown, which a broken file can hold up.
  TerminateProcess(GetCurrentProcess(), 0);
  return true;
}

std::unique_ptr<VideoEngine> OpenMediaFoundationVideo(const std::string& path, MediaWindow parent) {
  DWORD called = GetTickCount();
  bool child = g_child_decoders;
  if (child ? !MediaFoundationPresent() : !MediaFoundation()) return nullptr;
  VideoState* state = NewVideoState(win::Widen(path), reinterpret_cast<HWND>(parent), child);
  if (!state) return nullptr;
  HANDLE worker = child ? StartDecoderProcess(*state) : nullptr;
  if (!worker) {
    // On a thread of this process: the program's own choice, or a child that could not start.
    child = false;
    if (!MediaFoundation()) {
      state->Release();
      return nullptr;
    }
    InterlockedIncrement(&state->refs);
    InterlockedIncrement(&g_workers);
    worker = CreateThread(nullptr, 0, Decoder::Run, state, 0, nullptr);
    if (!worker) {
      InterlockedDecrement(&g_workers);
      state->refs = 1;
      state->Release();
      return nullptr;
    }
  }
  // Opening reads the file's header in the decoder. One that fails at once goes to the fallback as before;
  // one that takes longer goes on without the window waiting for it.
  // Loading Media Foundation at the first video counts against the bound too.
  DWORD spent = GetTickCount() - called;
  WaitForSingleObject(state->s->opened, spent >= kBoundMs ? 0 : kBoundMs - spent);
  if (state->s->open_result < 0) {
    WaitForSingleObject(worker, kBoundMs);
    if (child) TerminateProcess(worker, 0);
    CloseHandle(worker);
    state->Release();
    return nullptr;
  }
  return std::make_unique<MfVideo>(state, worker, child);
}

bool VideoWorkersRunning() { return g_workers > 0; }

std::string CheckVideoFile(const std::string& path, VideoContainer container) {
  HANDLE file = CreateFileW(win::Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();  // the engines say so themselves
  LARGE_INTEGER size;
  std::string why = "the file cannot be read";
  if (GetFileSizeEx(file, &size))
    why = CheckVideoStructure(container, static_cast<uint64_t>(size.QuadPart),
                              [&](uint64_t at, size_t count, std::string& out) {
                                LARGE_INTEGER to;
                                to.QuadPart = static_cast<LONGLONG>(at);
                                out.assign(count, '\0');
                                DWORD got = 0;
                                return SetFilePointerEx(file, to, nullptr, FILE_BEGIN) &&
                                       ::ReadFile(file, out.data(), static_cast<DWORD>(count), &got, nullptr) &&
                                       got == count;
                              });
  CloseHandle(file);
  return why;
}

std::string ReadVideoHead(const std::string& path) {
  HANDLE file = CreateFileW(win::Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  char buffer[kVideoSniffBytes];
  DWORD got = 0;
  if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr)) got = 0;
  CloseHandle(file);
  return std::string(buffer, got);
}

}  // namespace orb
