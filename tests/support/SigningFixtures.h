// The signing fixtures: a minimal program signed by osslsigncode with a test certificate issued by
// "Test CA" (whose certificate the signature also holds), and the same program unsigned.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

namespace orb::fixtures {

inline const char kSignedProgram[] = "signed-tiny.exe";
inline const char kUnsignedProgram[] = "unsigned-tiny.exe";

inline std::string SigningFixture(const char* name) {
  std::ifstream in(std::string(ORB_SOURCE_DIR) + "/tests/data/signing/" + name, std::ios::binary);
  std::stringstream data;
  data << in.rdbuf();
  return data.str();
}

}  // namespace orb::fixtures
