// Registry-backed settings; see RegistrySettingsStore.h.
#include "common/win/RegistrySettingsStore.h"

#include <windows.h>

#include "common/win/WideText.h"

namespace orb {

namespace {

std::wstring KeyPath(const std::string& app, const std::string& section) {
  return win::Widen("Software\\" + app + "\\" + section);
}

}  // namespace

// Values are UTF-16 in the registry; those the ANSI editor once wrote read the same, the system having
// converted them as they were stored.
std::string RegistrySettingsStore::Read(const std::string& app, const std::string& section, const std::string& key) {
  std::wstring path = KeyPath(app, section), name = win::Widen(key);
  const DWORD flags = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
  DWORD size = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), flags, nullptr, nullptr, &size) !=
          ERROR_SUCCESS ||
      size == 0)
    return std::string();
  std::wstring buffer(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
  if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), flags, nullptr, buffer.data(), &size) !=
      ERROR_SUCCESS)
    return std::string();
  // The value ends with a NUL (the system adds one where the stored data lacks it); stop at the first.
  buffer.resize(buffer.find(L'\0') == std::wstring::npos ? buffer.size() : buffer.find(L'\0'));
  return win::Narrow(buffer);
}

void RegistrySettingsStore::Write(const std::string& app, const std::string& section, const std::string& key,
                                  const std::string& value) {
  HKEY handle = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath(app, section).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      &handle, nullptr) != ERROR_SUCCESS)
    return;
  std::wstring wide = win::Widen(value);
  RegSetValueExW(handle, win::Widen(key).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                 static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(handle);
}

}  // namespace orb
