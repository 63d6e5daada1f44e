// The ANSI code page on Windows: through UTF-16 both ways, Windows' own default character for what the
// code page lacks.
#include <windows.h>

#include "common/AnsiText.h"

namespace orb {

namespace {

std::wstring Widen(std::string_view text, UINT code_page) {
  if (text.empty()) return {};
  int n = MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

}  // namespace

std::string AnsiToUtf8(std::string_view ansi) {
  std::wstring wide = Widen(ansi, CP_ACP);
  if (wide.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                              nullptr);
  std::string text(static_cast<size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), n, nullptr, nullptr);
  return text;
}

std::string Utf8ToAnsi(std::string_view utf8, bool* lossy) {
  std::wstring wide = Widen(utf8, CP_UTF8);
  BOOL used_default = FALSE;
  std::string text;
  if (!wide.empty()) {
    int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                &used_default);
    text.assign(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) {
      WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), n, nullptr,
                          &used_default);
    }
  }
  // A best-fit mapping (é for ê in some code pages) changes the text without using the default
  // character: the way back tells.
  if (lossy) *lossy = used_default || wide.find(L'\xFFFD') != std::wstring::npos || AnsiToUtf8(text) != utf8;
  return text;
}

}  // namespace orb
