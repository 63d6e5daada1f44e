// The source reader's side of the video engine: Media Foundation loaded at first need, and the media types
// asked of and read from a reader.
#include "common/win/MfReader.h"

#include <cstdlib>

namespace orb::mf {
namespace {

template <typename F>
bool Resolve(HMODULE module, const char* name, F& f) {
  f = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  return f != nullptr;
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

}  // namespace

const Api* MediaFoundation() {
  static const Api* api = []() -> const Api* {
    static Api loaded;
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

bool SetSubtype(const Api& mf, IMFSourceReader* reader, DWORD stream, const GUID& major, const GUID& subtype) {
  IMFMediaType* type = nullptr;
  if (FAILED(mf.create_type(&type))) return false;
  bool ok = SUCCEEDED(type->SetGUID(MF_MT_MAJOR_TYPE, major)) && SUCCEEDED(type->SetGUID(MF_MT_SUBTYPE, subtype)) &&
            SUCCEEDED(reader->SetCurrentMediaType(stream, nullptr, type));
  type->Release();
  return ok;
}

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

bool ChooseVideoType(const Api& mf, IMFSourceReader* reader, DWORD stream, FrameLayout& layout) {
  for (const Candidate& c : kVideoCandidates)
    if (SetSubtype(mf, reader, stream, MFMediaType_Video, *c.subtype) && ReadLayout(reader, stream, layout)) return true;
  return false;
}

}  // namespace orb::mf
