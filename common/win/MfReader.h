// The source reader's side of the video engine (MfVideoEngine.cpp): Media Foundation loaded at the first
// video that needs it, and the media types asked of and read from a reader.
#pragma once

// The others need windows.h first.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
#include <mfapi.h>
#include <mfidl.h>
#include <mfreadwrite.h>
// clang-format on

#include "common/VideoFrames.h"

namespace orb::mf {

struct Api {
  HRESULT(STDAPICALLTYPE* create_type)(IMFMediaType**);
  HRESULT(STDAPICALLTYPE* create_attributes)(IMFAttributes**, UINT32);
  HRESULT(STDAPICALLTYPE* create_reader)(LPCWSTR, IMFAttributes*, IMFSourceReader**);
};

// Loaded once and kept for the run; null where Media Foundation is missing (N editions) or does not start.
const Api* MediaFoundation();

template <typename T>
void Release(T*& p) {
  if (p) p->Release();
  p = nullptr;
}

bool SetSubtype(const Api& mf, IMFSourceReader* reader, DWORD stream, const GUID& major, const GUID& subtype);
// The layout of the frames the reader now gives; false for one this program cannot draw.
bool ReadLayout(IMFSourceReader* reader, DWORD stream, FrameLayout& layout);
// 16-bit PCM as the wave device takes it; false where the reader gives no such sound.
bool ReadWaveFormat(IMFSourceReader* reader, DWORD stream, WAVEFORMATEX& format);
// The first stream of a major type, by its index in the file; -1 when there is none.
long FirstStream(IMFSourceReader* reader, const GUID& major);
// Asks the reader for the first frame layout this program draws (32-bit pixels where the system converts,
// else a decoder's own); false when it gives none of them.
bool ChooseVideoType(const Api& mf, IMFSourceReader* reader, DWORD stream, FrameLayout& layout);

}  // namespace orb::mf
