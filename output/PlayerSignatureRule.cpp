// The player's signature as a check finding; see PlayerSignatureRule.h.
#include "output/PlayerSignatureRule.h"

#include "output/Generator.h"
#include "output/PeSignature.h"

namespace orb::check_rules {

void PlayerSignature(CheckContext& context) {
  const CheckSubject& subject = context.Subject();
  std::string player = subject.root + kPlayerFileName;
  // A missing player has its own finding.
  if (!subject.generated || !context.Files().Exists(player)) return;
  std::string data, error;
  if (!context.Files().ReadFile(player, data, error)) {
    context.Add(Severity::Warning, player,
                "the player cannot be read, so its signature is unknown: " + error);
    return;
  }
  PeSignature signature = ReadPeSignature(data);
  switch (signature.state) {
    case SignatureState::Signed:
      context.Add(Severity::Note, player, "the player is signed by " + signature.subject);
      break;
    case SignatureState::Unsigned:
      context.Add(Severity::Note, player,
                  "the player is not signed: Windows names no publisher for it, and SmartScreen or Smart App "
                  "Control may warn about it or block it (orbmenu-cli sign signs it)");
      break;
    case SignatureState::Damaged:
      context.Add(Severity::Warning, player,
                  "the player's signature is damaged (" + signature.problem +
                      "): Windows will take the player for a tampered file");
      break;
    case SignatureState::NotProgram:
      context.Add(Severity::Warning, player, "the player is no Windows program: " + signature.problem);
      break;
  }
}

}  // namespace orb::check_rules
