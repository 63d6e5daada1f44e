// The media command layer: builds the command strings of the media control interface, sends them through a
// transport and turns the outcome into "Success" or the interface's error text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orb {

// A window handle as the media commands write it (signed decimal, 32 bits significant).
using MediaWindow = std::intptr_t;

// What the layer needs from the platform; the Win32 version talks to mciSendStringA and friends.
class MediaTransport {
 public:
  virtual ~MediaTransport() = default;
  // Sends one command. With returned == nullptr the command goes without a return buffer; otherwise with
  // one of 128 characters whose text lands in *returned. Gives the interface's code (0 for success).
  virtual long Send(const std::string& command, std::string* returned) = 0;
  // The interface's error text for a code.
  virtual std::string ErrorText(long code) = 0;
  // The short (8.3) form of a path; empty when the file does not exist.
  virtual std::string ShortPath(const std::string& path) = 0;
  // The outer size of a window in pixels; false when the handle is no window.
  virtual bool WindowSize(MediaWindow window, int& width, int& height) = 0;
};

inline constexpr const char* kMediaSuccess = "Success";
// WS_CHILD: the media draws inside its parent window.
inline constexpr long kMediaChildStyle = 1073741824;
inline constexpr const char* kVideoDevice = "MpegVideo";
inline constexpr const char* kSoundDevice = "MPEGVideo";

// The form of a short path inside a command: in double quotes when it still holds a blank (where 8.3 names
// are switched off), so the command does not split it.
std::string MediaPathArgument(const std::string& short_path);
// "open PATH type DEVICE Alias ALIAS parent HWND Style 1073741824" for an already shortened path.
std::string OpenCommand(const std::string& short_path, std::string_view device, std::string_view alias,
                        MediaWindow parent);
// The window handle in the text form of the commands.
std::string WindowText(MediaWindow window);
// The number at the start of a status reply, read as a decimal value and rounded (halves to even).
long ParseMediaNumber(std::string_view text);

std::string OpenMultimedia(MediaTransport& media, MediaWindow parent, std::string_view alias,
                           const std::string& path, std::string_view device_type);
std::string PutMultimediaWindow(MediaTransport& media, MediaWindow window, std::string_view alias, int left,
                                int top, int& width, int& height);
std::string PlayMultimedia(MediaTransport& media, std::string_view alias, std::string& from_where,
                           std::string& to_where);
std::string CloseMultimedia(MediaTransport& media, std::string_view alias);
// Length in frames, -1 when it cannot be read.
int32_t GetMultimediaLength(MediaTransport& media, std::string_view alias);
// Length in milliseconds, -1 when it cannot be read; leaves the device in frame format.
int32_t GetMultimediaMilliseconds(MediaTransport& media, std::string_view alias);

// Directly sent commands, results ignored.
void SendMediaCommand(MediaTransport& media, const std::string& command);
// Shortens path and sends the open command for a sound; the outcome is not reported.
void OpenSound(MediaTransport& media, const std::string& path, std::string_view alias, MediaWindow parent);

}  // namespace orb
