// The player's Win32 pieces under Wine: the real media interface plays a WAV from a path with blanks, and
// the borderless menu gets exactly the style bits it asks for.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "common/MediaCommands.h"
#include "common/win/MciTransport.h"
#include "player/win/ChangeFormBorder.h"

namespace orb {
namespace {

std::string TempFolder(const char* name) {
  char base[MAX_PATH];
  GetTempPathA(MAX_PATH, base);
  std::string folder = std::string(base) + name + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

// A mono 8 kHz 16-bit WAV of the given length: silence is enough for the media interface.
void WriteWav(const std::string& path, int milliseconds) {
  uint32_t samples = 8000u * milliseconds / 1000, data = samples * 2;
  FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_TRUE(f);
  auto u32 = [&](uint32_t v) { std::fwrite(&v, 4, 1, f); };
  auto u16 = [&](uint16_t v) { std::fwrite(&v, 2, 1, f); };
  std::fwrite("RIFF", 1, 4, f);
  u32(36 + data);
  std::fwrite("WAVEfmt ", 1, 8, f);
  u32(16), u16(1), u16(1), u32(8000), u32(16000), u16(2), u16(16);
  std::fwrite("data", 1, 4, f);
  u32(data);
  std::string zeros(data, '\0');
  std::fwrite(zeros.data(), 1, zeros.size(), f);
  std::fclose(f);
}

TEST(PlayerMedia, WavFromAFolderWithBlanksOpensMeasuresPlaysAndCloses) {
  std::string folder = TempFolder("orb media ");
  std::string wav = folder + "\\start sound.wav";
  WriteWav(wav, 2300);
  MciTransport media;
  EXPECT_FALSE(media.ShortPath(wav).empty());
  EXPECT_EQ(OpenMultimedia(media, 0, "audio3", wav, kSoundDevice), "Success");
  int32_t ms = GetMultimediaMilliseconds(media, "audio3");
  EXPECT_NEAR(ms, 2300, 30);
  std::string from, to;
  EXPECT_EQ(PlayMultimedia(media, "audio3", from, to), "Success");
  EXPECT_EQ(CloseMultimedia(media, "audio3"), "Success");
  // A closed alias and a missing file fail with the interface's own texts.
  std::string closed = CloseMultimedia(media, "audio3");
  EXPECT_NE(closed, "Success");
  EXPECT_FALSE(closed.empty());
  EXPECT_NE(OpenMultimedia(media, 0, "x", folder + "\\missing.wav", kSoundDevice), "Success");
  EXPECT_EQ(GetMultimediaLength(media, "never_opened"), -1);
  DeleteFileA(wav.c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST(PlayerMedia, UnquotedPathWithBlanksIsWhatTheQuotesMend) {
  std::string folder = TempFolder("orb quote ");
  std::string wav = folder + "\\a b.wav";
  WriteWav(wav, 200);
  MciTransport media;
  // The long path itself, as a short form would look where 8.3 names are switched off.
  EXPECT_NE(media.Send(OpenCommand(wav, kSoundDevice, "q", 0).replace(5, wav.size() + 2, wav), nullptr), 0);
  EXPECT_EQ(media.Send(OpenCommand(wav, kSoundDevice, "q", 0), nullptr), 0);
  media.Send("Close q", nullptr);
  DeleteFileA(wav.c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST(ChangeFormBorder, BorderlessMenuKeepsSystemMenuAndTaskbarButton) {
  DWORD style = 0, ex = 0;
  FormBorderStyles(0, {true, true, true, true, true, false}, false, style, ex);
  EXPECT_EQ(style, static_cast<DWORD>(WS_CLIPCHILDREN | WS_SYSMENU | WS_MAXIMIZEBOX | WS_MINIMIZEBOX |
                                      WS_CLIPSIBLINGS));
  EXPECT_EQ(ex, static_cast<DWORD>(WS_EX_APPWINDOW));
  FormBorderStyles(3, {false, false, false, false, false, true}, true, style, ex);
  EXPECT_EQ(style, static_cast<DWORD>(WS_CLIPSIBLINGS | WS_CAPTION | DS_MODALFRAME));
  EXPECT_EQ(ex, static_cast<DWORD>(WS_EX_CONTEXTHELP | WS_EX_MDICHILD | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME));
  FormBorderStyles(5, {false, false, false, false, false, false}, false, style, ex);
  EXPECT_EQ(style, static_cast<DWORD>(WS_CLIPSIBLINGS | WS_CAPTION | WS_THICKFRAME));
  EXPECT_EQ(ex, static_cast<DWORD>(WS_EX_WINDOWEDGE | WS_EX_TOOLWINDOW));
}

TEST(ChangeFormBorder, WritesTheStylesToTheWindowWithoutShowingIt) {
  HWND form = CreateWindowExA(0, "STATIC", "Autorun Menu",
                              WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX, 0, 0, 200,
                              100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_TRUE(form);
  ChangeFormBorder(form, 0, {true, true, true, true, true, false});
  DWORD style = static_cast<DWORD>(GetWindowLongA(form, GWL_STYLE));
  EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_VISIBLE), 0u);
  EXPECT_NE(style & WS_SYSMENU, 0u);
  EXPECT_NE(static_cast<DWORD>(GetWindowLongA(form, GWL_EXSTYLE)) & WS_EX_APPWINDOW, 0u);
  RECT window, client;
  GetWindowRect(form, &window);
  GetClientRect(form, &client);
  EXPECT_EQ(window.right - window.left, client.right);  // no frame left
  DestroyWindow(form);
}

}  // namespace
}  // namespace orb
