// Native text on Windows is the ANSI code page: UTF-8 goes through UTF-16 both ways.
#include <windows.h>

#include "common/NativeText.h"

namespace orb {

namespace {

std::wstring Widen(std::string_view text, UINT code_page) {
  if (text.empty()) return {};
  int n = MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

std::string Narrow(const std::wstring& wide, UINT code_page) {
  if (wide.empty()) return {};
  int n = WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                              nullptr);
  std::string text(static_cast<size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) {
    WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()), text.data(), n, nullptr,
                        nullptr);
  }
  return text;
}

}  // namespace

std::string NativeToUtf8(std::string_view text) { return Narrow(Widen(text, CP_ACP), CP_UTF8); }
std::string Utf8ToNative(std::string_view text) { return Narrow(Widen(text, CP_UTF8), CP_ACP); }

}  // namespace orb
