// Windows path comparison: letter case, both slashes, and folder prefixes.
#include "common/PathText.h"

#include <gtest/gtest.h>

namespace orb {
namespace {

TEST(PathText, InsideAndSameIgnoreCaseAndSlashKind) {
  EXPECT_TRUE(IsInsideFolder("c:\\mycd\\imgmusic\\a.jpg", "C:\\MyCd\\"));
  EXPECT_TRUE(IsInsideFolder("C:/MyCd/imgmusic/a.jpg", "C:\\MyCd\\"));
  EXPECT_TRUE(IsInsideFolder("C:\\MyCd\\", "c:/mycd/"));
  EXPECT_FALSE(IsInsideFolder("C:\\MyCdX\\a.jpg", "C:\\MyCd\\"));
  EXPECT_FALSE(IsInsideFolder("C:\\My", "C:\\MyCd\\"));
  EXPECT_FALSE(IsInsideFolder("C:\\a.jpg", ""));
  // A root without its closing backslash, and the root itself, still end at a name boundary.
  EXPECT_TRUE(IsInsideFolder("c:/cd/sub/out.iso", "C:\\CD"));
  EXPECT_TRUE(IsInsideFolder("C:\\CD", "C:\\CD\\"));
  EXPECT_FALSE(IsInsideFolder("C:\\CD2\\out.iso", "C:\\CD"));
  EXPECT_TRUE(IsInsideFolder("/tmp/cd/a.iso", "/"));
  EXPECT_FALSE(IsInsideFolder("C:\\a.iso", "/"));

  EXPECT_TRUE(SamePath("C:\\MyCd\\A.JPG", "c:/mycd/a.jpg"));
  EXPECT_FALSE(SamePath("C:\\MyCd\\a.jpg", "C:\\MyCd\\a.jpg.obm"));
  EXPECT_FALSE(SamePath("C:\\MyCd\\a.jpg", "C:\\MyCd\\b.jpg"));
  // Letters beyond ASCII are compared as bytes: no code page's case rules are guessed at.
  EXPECT_FALSE(SamePath("C:\\\xc4.jpg", "C:\\\xe4.jpg"));
}

}  // namespace
}  // namespace orb
