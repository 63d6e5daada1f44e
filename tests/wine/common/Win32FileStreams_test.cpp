// Under Wine: the Windows file seam's folder listing, streamed reading and writing and ANSI names, and a
// disc image written through it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "common/win/Win32FileSystem.h"
#include "disc/IsoImage.h"

namespace orb {
namespace {

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE h = FindFirstFileA((folder + "*").c_str(), &found);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(folder + name + "\\");
      } else {
        DeleteFileA((folder + name).c_str());
      }
    } while (FindNextFileA(h, &found));
    FindClose(h);
  }
  RemoveDirectoryA(folder.c_str());
}

class Win32Streams : public ::testing::Test {
 protected:
  void SetUp() override {
    char base[MAX_PATH] = {};
    GetTempPathA(sizeof base, base);
    dir_ = std::string(base) + "orbstreams" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(dir_.c_str(), nullptr);
  }
  void TearDown() override { RemoveTree(dir_); }
  void Write(const std::string& name, const std::string& data) {
    std::string error;
    ASSERT_TRUE(fs_.WriteFileAtomic(dir_ + name, data, error)) << error;
  }
  int Entries() {
    std::vector<FolderEntry> entries;
    std::string error;
    EXPECT_TRUE(fs_.ListFolder(dir_, entries, error)) << error;
    return static_cast<int>(entries.size());
  }
  std::string dir_;
  Win32FileSystem fs_;
};

TEST_F(Win32Streams, ListingGivesKindsSizesAndDates) {
  Write("a.txt", "12345");
  ASSERT_TRUE(fs_.CreateFolder(dir_ + "sub"));
  HANDLE file =
      CreateFileA((dir_ + "a.txt").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  // 2020-09-13 12:26:40 UTC as FILETIME.
  ULONGLONG ticks = (1600000000ULL + 11644473600ULL) * 10000000ULL;
  FILETIME when{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  ASSERT_TRUE(SetFileTime(file, nullptr, nullptr, &when));
  CloseHandle(file);

  std::vector<FolderEntry> entries;
  std::string error;
  ASSERT_TRUE(fs_.ListFolder(dir_, entries, error)) << error;
  ASSERT_EQ(entries.size(), 2u);
  for (const FolderEntry& e : entries) {
    if (e.name == "a.txt") {
      EXPECT_FALSE(e.folder);
      EXPECT_EQ(e.size, 5u);
      EXPECT_EQ(e.modified, 1600000000);
    } else {
      EXPECT_EQ(e.name, "sub");
      EXPECT_TRUE(e.folder);
    }
  }
  EXPECT_FALSE(fs_.ListFolder(dir_ + "missing\\", entries, error));
  EXPECT_FALSE(error.empty());
}

TEST_F(Win32Streams, AStreamedWriteReplacesTheTargetOnlyOnCommit) {
  Write("target.bin", "old");
  std::string error;
  {
    auto writer = fs_.OpenAtomicWriter(dir_ + "target.bin", error);
    ASSERT_TRUE(writer) << error;
    ASSERT_TRUE(writer->Write("dropped", 7, error));
  }  // no commit: the temporary file goes, the old file stays
  std::string data;
  ASSERT_TRUE(fs_.ReadFile(dir_ + "target.bin", data, error));
  EXPECT_EQ(data, "old");
  EXPECT_EQ(Entries(), 1);

  auto writer = fs_.OpenAtomicWriter(dir_ + "target.bin", error);
  ASSERT_TRUE(writer) << error;
  std::string big(3 << 20, 'z');
  ASSERT_TRUE(writer->Write(big.data(), big.size(), error));
  ASSERT_TRUE(writer->Commit(error)) << error;
  writer.reset();
  EXPECT_EQ(Entries(), 1);

  auto reader = fs_.OpenReader(dir_ + "target.bin", error);
  ASSERT_TRUE(reader) << error;
  std::string back;
  char buffer[65536];
  std::size_t got = 0;
  while (reader->Read(buffer, sizeof buffer, got, error) && got > 0) back.append(buffer, got);
  EXPECT_EQ(back, big);
  EXPECT_FALSE(fs_.OpenReader(dir_ + "missing.bin", error));
}

// A crashed writer's temporary file goes at the next write of its target; one that a running writer
// holds, and names that are not such temporaries, stay.
TEST_F(Win32Streams, WhatACrashedWriterLeftGoesAtTheNextWrite) {
  Write("target.bin.tmp4242", "left by a crash");
  Write("target.bin.tmpx", "not a temporary of ours");
  Write("menu.cfg.tmp17", "left by a crash");
  Write("target.bin.tmp77", "being written");
  HANDLE live = CreateFileA((dir_ + "target.bin.tmp77").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(live, INVALID_HANDLE_VALUE);
  std::string error;
  auto writer = fs_.OpenAtomicWriter(dir_ + "target.bin", error);
  ASSERT_TRUE(writer) << error;
  ASSERT_TRUE(writer->Write("new", 3, error));
  ASSERT_TRUE(writer->Commit(error)) << error;
  writer.reset();
  Write("menu.cfg", "menu");
  CloseHandle(live);
  EXPECT_EQ(GetFileAttributesA((dir_ + "target.bin.tmp4242").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesA((dir_ + "menu.cfg.tmp17").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_NE(GetFileAttributesA((dir_ + "target.bin.tmp77").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_NE(GetFileAttributesA((dir_ + "target.bin.tmpx").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(Entries(), 4);
}

TEST_F(Win32Streams, AnAnsiNameShowsInTheImageAsInTheFolder) {
  if (GetACP() != 1252) GTEST_SKIP() << "the prefix's ANSI code page is " << GetACP() << ", not 1252";
  EXPECT_EQ(fs_.NameToUtf16("caf\xE9 \x80"), std::u16string(u"caf\u00E9 \u20AC"));
  ASSERT_TRUE(fs_.CreateFolder(dir_ + "root"));
  Write("root\\caf\xE9.txt", "coffee");
  IsoOptions options;
  options.label = "Men\xFC";
  IsoResult result = WriteIsoImage(fs_, dir_ + "root\\", dir_ + "disc.iso", options, nullptr);
  ASSERT_TRUE(result.ok) << result.error;
  std::string image, error;
  ASSERT_TRUE(fs_.ReadFile(dir_ + "disc.iso", image, error));
  EXPECT_EQ(image.size(), result.bytes);
  EXPECT_NE(image.find(std::string("\0c\0a\0f\0\xE9\0.\0t\0x\0t", 16)), std::string::npos);
  EXPECT_EQ(image.substr(17 * 2048 + 40, 8), std::string("\0M\0e\0n\0\xFC", 8));
  EXPECT_NE(image.find("coffee"), std::string::npos);
}

}  // namespace
}  // namespace orb
