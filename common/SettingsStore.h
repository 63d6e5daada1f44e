// The per-user settings seam: string values by application, section and key ("OBM", "Options", ...).
// Windows keeps them in the current user's registry; tests use an in-memory store.
#pragma once

#include <map>
#include <string>
#include <tuple>

namespace orb {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored value, or the empty string when the key was never written.
  virtual std::string Read(const std::string& app, const std::string& section, const std::string& key) = 0;
  virtual void Write(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) = 0;
};

// An in-memory store: the test double, and what the command-line tool uses.
class MemorySettingsStore : public SettingsStore {
 public:
  std::string Read(const std::string& app, const std::string& section, const std::string& key) override {
    auto it = values_.find(std::make_tuple(app, section, key));
    return it == values_.end() ? std::string() : it->second;
  }
  void Write(const std::string& app, const std::string& section, const std::string& key,
             const std::string& value) override {
    values_[std::make_tuple(app, section, key)] = value;
  }

 private:
  std::map<std::tuple<std::string, std::string, std::string>, std::string> values_;
};

}  // namespace orb
