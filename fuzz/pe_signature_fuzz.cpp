// libFuzzer target: the certificate table and signer reader on arbitrary bytes.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "output/PeSignature.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  orb::PeSignature signature = orb::ReadPeSignature(bytes);
  bool failed =
      signature.state == orb::SignatureState::NotProgram || signature.state == orb::SignatureState::Damaged;
  // A failure always says why; a signer's name is only given for a signature, and always in printable ANSI.
  if (failed != !signature.problem.empty()) std::abort();
  if (signature.state != orb::SignatureState::Signed && !signature.subject.empty()) std::abort();
  for (char c : signature.subject) {
    if (static_cast<unsigned char>(c) < 0x20) std::abort();
  }
  return 0;
}
