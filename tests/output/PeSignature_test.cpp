// Reading the signer of a signed program, and refusing damaged tables without reading past them.
#include "output/PeSignature.h"

#include <gtest/gtest.h>

#include "tests/support/SigningFixtures.h"

namespace orb {
namespace {

std::string Fixture(const char* name) {
  std::string data = fixtures::SigningFixture(name);
  EXPECT_FALSE(data.empty()) << name;
  return data;
}

uint32_t Le32(const std::string& data, size_t at) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(data[at + i]);
  return value;
}

void PutLe32(std::string& data, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) data[at + i] = static_cast<char>(value >> (8 * i));
}

// Where the certificate table's entry lies in the fixture (a PE32 optional header).
size_t SecurityEntry(const std::string& program) { return Le32(program, 0x3C) + 24 + 96 + 4 * 8; }

TEST(PeSignature, NamesTheSignerAndNotTheOtherCertificatesOfTheChain) {
  PeSignature signature = ReadPeSignature(Fixture("signed-tiny.exe"));
  ASSERT_EQ(signature.state, SignatureState::Signed) << signature.problem;
  // The organisation is UTF-8 in the certificate and comes out in the ANSI code page.
  EXPECT_EQ(signature.subject, "CN=Test Signer, O=M\xFCller S\xF6hne, OU=Discs");
  EXPECT_EQ(signature.common_name, "Test Signer");
}

TEST(PeSignature, ProgramsWithoutATableAreUnsigned) {
  EXPECT_EQ(ReadPeSignature(Fixture("unsigned-tiny.exe")).state, SignatureState::Unsigned);
  std::string cleared = Fixture("signed-tiny.exe");
  PutLe32(cleared, SecurityEntry(cleared), 0);
  PutLe32(cleared, SecurityEntry(cleared) + 4, 0);
  EXPECT_EQ(ReadPeSignature(cleared).state, SignatureState::Unsigned);
  // Too few data directories to hold the table's entry.
  std::string few = Fixture("signed-tiny.exe");
  PutLe32(few, Le32(few, 0x3C) + 24 + 92, 4);
  EXPECT_EQ(ReadPeSignature(few).state, SignatureState::Unsigned);
}

TEST(PeSignature, FilesThatAreNoProgramSaySo) {
  std::string program = Fixture("unsigned-tiny.exe");
  std::string no_pe = program;
  no_pe[Le32(program, 0x3C)] = 'X';
  std::string far_header = program;
  PutLe32(far_header, 0x3C, 0xFFFFFFF0);
  for (const std::string& file : {std::string(), std::string("MZ"), std::string(100, 'a'), no_pe, far_header,
                                  program.substr(0, Le32(program, 0x3C) + 30)}) {
    PeSignature signature = ReadPeSignature(file);
    EXPECT_EQ(signature.state, SignatureState::NotProgram) << file.size();
    EXPECT_NE(signature.problem, "");
  }
}

TEST(PeSignature, DamagedTablesAreReportedNotTrusted) {
  const std::string signed_program = Fixture("signed-tiny.exe");
  const size_t entry = SecurityEntry(signed_program);
  const uint32_t table = Le32(signed_program, entry), table_size = Le32(signed_program, entry + 4);
  ASSERT_EQ(table + table_size, signed_program.size());

  std::string cut = signed_program.substr(0, signed_program.size() - 1);
  EXPECT_EQ(ReadPeSignature(cut).state, SignatureState::Damaged);
  std::string wrapped = signed_program;
  PutLe32(wrapped, entry, 0xFFFFFFF0);  // offset + size wraps around 32 bits
  EXPECT_EQ(ReadPeSignature(wrapped).state, SignatureState::Damaged);
  std::string other_type = signed_program;
  other_type[table + 6] = 1;  // an X.509 entry, not PKCS #7
  EXPECT_EQ(ReadPeSignature(other_type).problem, "the certificate table holds no PKCS #7 signature");
  std::string other_content = signed_program;
  other_content[table + 8 + 4 + 2 + 8] ^= 1;  // last byte of the signedData type
  EXPECT_EQ(ReadPeSignature(other_content).state, SignatureState::Damaged);

  // The signature cut short at every length: never read past its end, never taken as signed. The entry is
  // padded to 8 bytes after the signature's outer SEQUENCE (tag, 0x82, two length bytes).
  ASSERT_EQ(signed_program.substr(table + 8, 2), "\x30\x82");
  const uint32_t end = 8 + 4 +
                       (static_cast<uint8_t>(signed_program[table + 10]) << 8 |
                        static_cast<uint8_t>(signed_program[table + 11]));
  for (uint32_t length = 0; length < end; ++length) {
    std::string shortened = signed_program;
    PutLe32(shortened, table, length);
    EXPECT_EQ(ReadPeSignature(shortened).state, SignatureState::Damaged) << length;
  }
}

TEST(PeSignature, ASignerWhoseCertificateIsMissingIsNotNamed) {
  std::string program = Fixture("signed-tiny.exe");
  // The serial number in the signer info no longer matches any certificate.
  size_t signer_info = program.rfind(std::string("\x02\x01\x01\x30", 4));
  ASSERT_NE(signer_info, std::string::npos);
  size_t serial = program.find(std::string("\x02\x14", 2), signer_info);
  ASSERT_NE(serial, std::string::npos);
  program[serial + 5] ^= 0x55;
  PeSignature signature = ReadPeSignature(program);
  EXPECT_EQ(signature.state, SignatureState::Damaged);
  EXPECT_EQ(signature.problem, "the signature does not hold its signer's certificate");
}

}  // namespace
}  // namespace orb
