// The check's note on the root's player: signer named, unsigned said, damage and non-programs warned about.
#include "output/PlayerSignatureRule.h"

#include <gtest/gtest.h>

#include "tests/support/FakeFileSystem.h"
#include "tests/support/SigningFixtures.h"

namespace orb {
namespace {

using fixtures::SigningFixture;

const char kRoot[] = "E:\\cd\\";
const char kPlayer[] = "E:\\cd\\Orbstart.exe";

std::vector<Finding> Check(FakeFileSystem& fs, bool generated = true) {
  CheckSubject subject;
  subject.root = kRoot;
  subject.generated = generated;
  CheckContext context(fs, subject);
  check_rules::PlayerSignature(context);
  return context.Findings();
}

// The one finding there is has this severity and its message holds text.
void ExpectOne(const std::vector<Finding>& findings, Severity severity, const std::string& text) {
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_EQ(findings[0].severity, severity);
  EXPECT_EQ(findings[0].file, kPlayer);
  EXPECT_NE(findings[0].message.find(text), std::string::npos) << findings[0].message;
}

TEST(PlayerSignatureRule, NamesTheSignerOrSaysThePlayerIsUnsigned) {
  FakeFileSystem fs;
  fs.files[kPlayer] = SigningFixture(fixtures::kSignedProgram);
  EXPECT_EQ(
      Check(fs),
      (std::vector<Finding>{{Severity::Note, kPlayer,
                             "the player is signed by CN=Test Signer, O=M\xFCller S\xF6hne, OU=Discs"}}));
  fs.files[kPlayer] = SigningFixture(fixtures::kUnsignedProgram);
  ExpectOne(Check(fs), Severity::Note, "the player is not signed");
}

TEST(PlayerSignatureRule, WarnsAboutADamagedSignatureOrAFileThatIsNoProgram) {
  FakeFileSystem fs;
  fs.files[kPlayer] = SigningFixture(fixtures::kSignedProgram).substr(0, 2000);  // the table cut off
  ExpectOne(Check(fs), Severity::Warning, "tampered");
  fs.files[kPlayer] = "MZ player";
  ExpectOne(Check(fs), Severity::Warning, "no Windows program");
}

TEST(PlayerSignatureRule, SaysNothingBeforeGeneratingOrWithoutAPlayer) {
  FakeFileSystem fs;
  EXPECT_TRUE(Check(fs).empty());
  fs.files[kPlayer] = SigningFixture(fixtures::kUnsignedProgram);
  EXPECT_TRUE(Check(fs, false).empty());
}

}  // namespace
}  // namespace orb
