// A file of tests/data as a Windows path under Wine, which maps the Linux root to Z:.
#pragma once

#include <string>

namespace orb {

inline std::string WineDataPath(const std::string& relative) {
  std::string path = std::string("Z:") + ORB_SOURCE_DIR + "/tests/data/" + relative;
  for (char& c : path) c = c == '/' ? '\\' : c;
  return path;
}

}  // namespace orb
