// The shared text-file conventions: number forms, trimming and line splitting.
#include "common/TextLines.h"

#include <gtest/gtest.h>

namespace orb {
namespace {

TEST(TextLines, NumbersRoundTripInPrintForm) {
  EXPECT_EQ(FormatNumber(3), " 3 ");
  EXPECT_EQ(FormatNumber(0), " 0 ");
  EXPECT_EQ(FormatNumber(-5), "-5 ");
  EXPECT_EQ(ParseInt16(" 1200 "), 1200);
  EXPECT_EQ(ParseInt16("1200"), 1200);
  EXPECT_EQ(ParseInt16("-32768"), -32768);
  EXPECT_EQ(ParseInt16(" 32767"), 32767);
}

TEST(TextLines, RejectsWhatIsNotA16BitNumber) {
  for (const char* bad : {"", "   ", "32768", "-32769", "12a", "1 2", "\t3", "-", "99999999999999999999"}) {
    EXPECT_FALSE(ParseInt16(bad).has_value()) << bad;
  }
}

TEST(TextLines, TrimsSpacesOnly) {
  EXPECT_EQ(TrimBlanks("  a b  "), "a b");
  EXPECT_EQ(TrimBlanks("\ta\t"), "\ta\t");
  EXPECT_EQ(TrimBlanks("    "), "");
}

TEST(TextLines, SplitsAtCrCrLfAndLfKeepingOtherBytes) {
  const char raw[] = "a\r\nb\rc\nd\r\n\r\n\x80\0e";
  std::string data(raw, sizeof raw - 1);
  LineReader reader(data);
  std::string line;
  std::vector<std::string> lines;
  while (reader.Next(line)) lines.push_back(line);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[3], "d");
  EXPECT_EQ(lines[4], "");
  EXPECT_EQ(lines[5], std::string("\x80\0e", 3));
  EXPECT_EQ(reader.LineNumber(), 6);
}

}  // namespace
}  // namespace orb
