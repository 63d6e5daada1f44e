// The check's note on the root's player: signer named, unsigned said, damage and non-programs warned about.
#include "editor/output/PlayerSignatureRule.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/support/FakeFileSystem.h"

namespace orb {
namespace {

std::string Fixture(const char* name) {
  std::ifstream in(std::string(ORB_SOURCE_DIR) + "/tests/data/signing/" + name, std::ios::binary);
  std::stringstream data;
  data << in.rdbuf();
  return data.str();
}

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

TEST(PlayerSignatureRule, NamesTheSignerOrSaysThePlayerIsUnsigned) {
  FakeFileSystem fs;
  fs.files[kPlayer] = Fixture("signed-tiny.exe");
  EXPECT_EQ(
      Check(fs),
      (std::vector<Finding>{{Severity::Note, kPlayer,
                             "the player is signed by CN=Test Signer, O=M\xFCller S\xF6hne, OU=Discs"}}));
  fs.files[kPlayer] = Fixture("unsigned-tiny.exe");
  std::vector<Finding> unsigned_player = Check(fs);
  ASSERT_EQ(unsigned_player.size(), 1u);
  EXPECT_EQ(unsigned_player[0].severity, Severity::Note);
  EXPECT_NE(unsigned_player[0].message.find("the player is not signed"), std::string::npos);
}

TEST(PlayerSignatureRule, WarnsAboutADamagedSignatureOrAFileThatIsNoProgram) {
  FakeFileSystem fs;
  fs.files[kPlayer] = Fixture("signed-tiny.exe").substr(0, 2000);  // the table cut off
  std::vector<Finding> damaged = Check(fs);
  ASSERT_EQ(damaged.size(), 1u);
  EXPECT_EQ(damaged[0].severity, Severity::Warning);
  EXPECT_NE(damaged[0].message.find("tampered"), std::string::npos);
  fs.files[kPlayer] = "MZ player";
  std::vector<Finding> text = Check(fs);
  ASSERT_EQ(text.size(), 1u);
  EXPECT_EQ(text[0].severity, Severity::Warning);
  EXPECT_NE(text[0].message.find("no Windows program"), std::string::npos);
}

TEST(PlayerSignatureRule, SaysNothingBeforeGeneratingOrWithoutAPlayer) {
  FakeFileSystem fs;
  EXPECT_TRUE(Check(fs).empty());
  fs.files[kPlayer] = Fixture("unsigned-tiny.exe");
  EXPECT_TRUE(Check(fs, false).empty());
}

}  // namespace
}  // namespace orb
