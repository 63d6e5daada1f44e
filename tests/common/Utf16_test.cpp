// UTF-8 names to UTF-16: every name keeps its own form, broken bytes included.
#include "common/Utf16.h"

#include <gtest/gtest.h>

namespace orb {
namespace {

TEST(Utf8ToUtf16, DecodesEveryLengthAndKeepsBrokenBytesApart) {
  EXPECT_EQ(Utf8ToUtf16("plain.txt"), u"plain.txt");
  EXPECT_EQ(Utf8ToUtf16("\xC3\xA9\xE2\x82\xAC\xE6\x97\xA5"), u"\u00E9\u20AC\u65E5");
  EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x8E\xB5"), std::u16string(u"\xD83C\xDFB5"));  // beyond the first plane
  // A Latin-1 name (not UTF-8) keeps its bytes as characters, so two such names never merge.
  EXPECT_EQ(Utf8ToUtf16("caf\xE9"), u"caf\u00E9");
  EXPECT_EQ(Utf8ToUtf16("\xC3"), u"\u00C3");                      // cut short at the end
  EXPECT_EQ(Utf8ToUtf16("\xC3(x"), u"\u00C3(x");                  // a lead byte without its continuation
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\u00C0\u00AF");            // an overlong "/" is no slash
  EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\u00ED\u00A0\u0080");  // an encoded surrogate
  EXPECT_EQ(Utf8ToUtf16("\xF4\x90\x80\x80"), u"\u00F4\u0090\u0080\u0080");  // past U+10FFFF
}

}  // namespace
}  // namespace orb
