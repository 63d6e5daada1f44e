// The media transport over the Windows media control interface (command strings, ANSI).
#pragma once

#include "common/MediaCommands.h"

namespace orb {

class MciTransport : public MediaTransport {
 public:
  long Send(const std::string& command, std::string* returned) override;
  std::string ErrorText(long code) override;
  std::string ShortPath(const std::string& path) override;
  bool WindowSize(MediaWindow window, int& width, int& height) override;
};

}  // namespace orb
