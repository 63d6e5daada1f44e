// The media transport over mciSendStringA, mciGetErrorStringA, GetShortPathNameA and GetWindowRect.
#include "common/win/MciTransport.h"

#include <windows.h>
#include <mmsystem.h>

namespace orb {

long MciTransport::Send(const std::string& command, std::string* returned) {
  if (!returned) return static_cast<long>(mciSendStringA(command.c_str(), nullptr, 0, nullptr));
  char buffer[129] = {};
  long code = static_cast<long>(mciSendStringA(command.c_str(), buffer, 128, nullptr));
  buffer[128] = '\0';
  returned->assign(buffer);
  return code;
}

std::string MciTransport::ErrorText(long code) {
  char buffer[129] = {};
  if (!mciGetErrorStringA(static_cast<MCIERROR>(code), buffer, 128)) return "Unknown error " + std::to_string(code);
  buffer[128] = '\0';
  return buffer;
}

std::string MciTransport::ShortPath(const std::string& path) {
  char buffer[256] = {};
  DWORD n = GetShortPathNameA(path.c_str(), buffer, 255);
  if (n == 0) return std::string();
  if (n < 255) return std::string(buffer, n);
  // Longer than the usual buffer: ask again with room for the whole short form.
  std::string big(n + 1, '\0');
  DWORD m = GetShortPathNameA(path.c_str(), big.data(), n + 1);
  big.resize(m <= n ? m : 0);
  return big;
}

bool MciTransport::WindowSize(MediaWindow window, int& width, int& height) {
  RECT r;
  if (!GetWindowRect(reinterpret_cast<HWND>(window), &r)) return false;
  width = r.right - r.left;
  height = r.bottom - r.top;
  return true;
}

}  // namespace orb
