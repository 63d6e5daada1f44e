#include "common/AnsiText.h"

#include <gtest/gtest.h>

namespace orb {
namespace {

TEST(AnsiText, Windows1252RoundTripsEveryByteWindowsMaps) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
  std::string utf8 = AnsiToUtf8(all);
  EXPECT_EQ(AnsiToUtf8("\x80\x9f\xe9"), "\xe2\x82\xac\xc5\xb8\xc3\xa9");  // euro, Y diaeresis, e acute
  bool lossy = true;
  EXPECT_EQ(Utf8ToAnsi(utf8, &lossy), all);
  EXPECT_FALSE(lossy);
  EXPECT_TRUE(FitsAnsi("Caf\xc3\xa9 \xe2\x82\xac"));
}

TEST(AnsiText, WhatTheCodePageLacksBecomesTheDefaultCharacter) {
  bool lossy = false;
  EXPECT_EQ(Utf8ToAnsi("\xce\xa3\xce\xb5 caf\xc3\xa9", &lossy), "?? caf\xe9");  // Greek Sigma epsilon
  EXPECT_TRUE(lossy);
  EXPECT_EQ(Utf8ToAnsi("\xf0\x9f\x98\x80!", &lossy), "?!");  // an emoji is one character
  EXPECT_TRUE(lossy);
  EXPECT_EQ(Utf8ToAnsi("a\xff" "b\xc3", &lossy), "a?b?");  // broken UTF-8
  EXPECT_TRUE(lossy);
  EXPECT_FALSE(FitsAnsi("\xe6\x97\xa5\xe6\x9c\xac"));
}

}  // namespace
}  // namespace orb
