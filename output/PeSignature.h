// Reads a Windows program's Authenticode signature without running anything: whether its certificate
// table holds a signature, and whose it is. Portable so that the editor and the command line judge a
// player the same way; it does not verify the signature, which needs the signing tools.
#pragma once

#include <string>
#include <string_view>

namespace orb {

enum class SignatureState {
  NotProgram,  // not a PE file at all
  Unsigned,    // a PE file with no certificate table
  Signed,      // a certificate table holding a signature whose signer was found
  Damaged,     // a certificate table that points outside the file or holds no readable signature
};

struct PeSignature {
  SignatureState state = SignatureState::NotProgram;
  // The signer's certificate subject in the certificate's order, "CN=Name, O=Company" (Signed only);
  // texts in the ANSI code page, characters it lacks as "?".
  std::string subject;
  std::string common_name;  // the CN entry of that subject, empty when it has none
  std::string problem;      // what was wrong (NotProgram and Damaged)
};

PeSignature ReadPeSignature(std::string_view file);

}  // namespace orb
