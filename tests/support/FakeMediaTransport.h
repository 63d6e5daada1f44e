// A media transport for tests: records every command and answers from tables the test fills in.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "common/MediaCommands.h"

namespace orb {

class FakeMediaTransport : public MediaTransport {
 public:
  struct Sent {
    std::string command;
    bool with_buffer;
  };
  std::vector<Sent> sent;
  // Answers by exact command; commands not listed get default_code and an empty reply.
  std::map<std::string, std::pair<long, std::string>> answers;
  long default_code = 0;
  // Short forms by long path; paths not listed do not exist (empty short path).
  std::map<std::string, std::string> short_paths;
  std::map<MediaWindow, std::pair<int, int>> window_sizes;

  long Send(const std::string& command, std::string* returned) override {
    sent.push_back({command, returned != nullptr});
    auto it = answers.find(command);
    long code = it == answers.end() ? default_code : it->second.first;
    if (returned) *returned = it == answers.end() ? std::string() : it->second.second;
    return code;
  }
  std::string ErrorText(long code) override { return "error " + std::to_string(code); }
  std::string ShortPath(const std::string& path) override {
    auto it = short_paths.find(path);
    return it == short_paths.end() ? std::string() : it->second;
  }
  bool WindowSize(MediaWindow window, int& width, int& height) override {
    auto it = window_sizes.find(window);
    if (it == window_sizes.end()) return false;
    width = it->second.first;
    height = it->second.second;
    return true;
  }
  // The command texts alone, in order.
  std::vector<std::string> Commands() const {
    std::vector<std::string> out;
    for (const auto& s : sent) out.push_back(s.command);
    return out;
  }
};

}  // namespace orb
