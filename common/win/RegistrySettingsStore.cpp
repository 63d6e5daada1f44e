// Registry-backed settings; see RegistrySettingsStore.h.
#include "common/win/RegistrySettingsStore.h"

#include <windows.h>

#include <vector>

namespace orb {

namespace {

std::string KeyPath(const std::string& app, const std::string& section) {
  return "Software\\" + app + "\\" + section;
}

}  // namespace

std::string RegistrySettingsStore::Read(const std::string& app, const std::string& section, const std::string& key) {
  HKEY handle = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath(app, section).c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS)
    return std::string();
  std::string value;
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(handle, key.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ) && size > 0) {
    std::vector<char> buffer(size + 1, '\0');
    if (RegQueryValueExA(handle, key.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) ==
        ERROR_SUCCESS) {
      // The stored data need not end with a NUL; stop at the first one if it does.
      size_t length = 0;
      while (length < size && buffer[length] != '\0') ++length;
      value.assign(buffer.data(), length);
    }
  }
  RegCloseKey(handle);
  return value;
}

void RegistrySettingsStore::Write(const std::string& app, const std::string& section, const std::string& key,
                                  const std::string& value) {
  HKEY handle = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, KeyPath(app, section).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      &handle, nullptr) != ERROR_SUCCESS)
    return;
  RegSetValueExA(handle, key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
  RegCloseKey(handle);
}

}  // namespace orb
