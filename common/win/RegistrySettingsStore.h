// The settings seam on Windows: string values under HKEY_CURRENT_USER\Software\<app>\<section>.
#pragma once

#include "common/SettingsStore.h"

namespace orb {

class RegistrySettingsStore : public SettingsStore {
 public:
  std::string Read(const std::string& app, const std::string& section, const std::string& key) override;
  void Write(const std::string& app, const std::string& section, const std::string& key,
             const std::string& value) override;
};

}  // namespace orb
