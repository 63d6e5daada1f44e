// Under Wine: the Windows file seam's folder listing, streamed reading and writing, names the code page
// lacks, and a disc image written through it.
#include <gtest/gtest.h>
#include <windows.h>
// windows.h maps these to its A/W functions; here they name the seam's methods.
#undef CopyFile
#undef DeleteFile

#include <string>

#include "common/win/WideText.h"
#include "common/win/Win32FileSystem.h"
#include "disc/IsoImage.h"

namespace orb {
namespace {

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE h = FindFirstFileW((folder + L"*").c_str(), &found);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(folder + name + L"\\");
      } else {
        DeleteFileW((folder + name).c_str());
      }
    } while (FindNextFileW(h, &found));
    FindClose(h);
  }
  RemoveDirectoryW(folder.c_str());
}

// A name as Joliet stores it: UTF-16, big-endian.
std::string BigEndian(const std::u16string& text) {
  std::string bytes;
  for (char16_t c : text) {
    bytes.push_back(static_cast<char>(c >> 8));
    bytes.push_back(static_cast<char>(c & 0xFF));
  }
  return bytes;
}

class Win32Streams : public ::testing::Test {
 protected:
  void SetUp() override {
    char base[MAX_PATH] = {};
    GetTempPathA(sizeof base, base);
    dir_ = std::string(base) + "orbstreams" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(dir_.c_str(), nullptr);
  }
  void TearDown() override { RemoveTree(win::Widen(dir_)); }
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

// Names the ANSI code page lacks (Greek and Japanese on a 1252 system) reach the system exactly through
// every operation of the seam, and the disc image holds them as the folder does.
TEST_F(Win32Streams, GreekAndJapaneseNamesGoThroughEveryOperationAndIntoTheImage) {
  const std::string folder = dir_ + "\xCE\xA6\xCE\xAC\xCE\xBA\xCE\xB5\xCE\xBB\xCE\xBF\xCF\x82\\";  // Φάκελος
  const std::string page =
      "\xCE\xA3\xCE\xB5\xCE\xBB\xCE\xAF\xCE\xB4\xCE\xB1 \xE6\x97\xA5\xE6\x9C\xAC.txt";  // Σελίδα 日本
  const std::string copy = "\xE3\x82\xB3\xE3\x83\x94\xE3\x83\xBC.txt";                  // コピー
  std::string error, data;
  ASSERT_TRUE(fs_.CreateFolder(folder));
  ASSERT_TRUE(fs_.WriteFileAtomic(folder + page, "first", error)) << error;
  ASSERT_TRUE(fs_.WriteFileAtomic(folder + page, "second", error)) << error;  // the atomic replacement
  EXPECT_NE(
      GetFileAttributesW((win::Widen(dir_) +
                          L"\u03A6\u03AC\u03BA\u03B5\u03BB\u03BF\u03C2\\\u03A3\u03B5\u03BB\u03AF\u03B4\u03B1 "
                          L"\u65E5\u672C.txt")
                             .c_str()),
      INVALID_FILE_ATTRIBUTES);
  ASSERT_TRUE(fs_.ReadFile(folder + page, data, error)) << error;
  EXPECT_EQ(data, "second");
  ASSERT_TRUE(fs_.CopyFile(folder + page, folder + copy, error)) << error;
  auto reader = fs_.OpenReader(folder + copy, error);
  ASSERT_TRUE(reader) << error;
  char buffer[16];
  std::size_t got = 0;
  ASSERT_TRUE(reader->Read(buffer, sizeof buffer, got, error)) << error;
  EXPECT_EQ(std::string(buffer, got), "second");
  reader.reset();

  std::vector<FolderEntry> entries;
  ASSERT_TRUE(fs_.ListFolder(folder, entries, error)) << error;
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_TRUE((entries[0].name == page && entries[1].name == copy) ||
              (entries[0].name == copy && entries[1].name == page));
  EXPECT_EQ(fs_.FullPath(folder + "..\\" + folder.substr(dir_.size()) + copy), folder + copy);
  EXPECT_EQ(fs_.NameToUtf16(copy), std::u16string(u"\u30B3\u30D4\u30FC.txt"));

  IsoOptions options;
  options.label = "\xCE\x9C\xCE\xB5\xCE\xBD\xCE\xBF\xCF\x8D";  // Μενού
  IsoResult result =
      WriteIsoImage(fs_, folder, dir_ + "\xE5\x86\x86\xE7\x9B\xA4.iso", options, nullptr);  // 円盤
  ASSERT_TRUE(result.ok) << result.error;
  std::string image;
  ASSERT_TRUE(fs_.ReadFile(dir_ + "\xE5\x86\x86\xE7\x9B\xA4.iso", image, error)) << error;
  EXPECT_EQ(image.size(), result.bytes);
  EXPECT_NE(image.find(BigEndian(u"\u03A3\u03B5\u03BB\u03AF\u03B4\u03B1 \u65E5\u672C.txt")),
            std::string::npos);
  EXPECT_NE(image.find(BigEndian(u"\u30B3\u30D4\u30FC.txt")), std::string::npos);
  EXPECT_EQ(image.substr(17 * 2048 + 40, 10), BigEndian(u"\u039C\u03B5\u03BD\u03BF\u03CD"));

  fs_.DeleteFile(folder + copy);
  EXPECT_FALSE(fs_.Exists(folder + copy));
  EXPECT_TRUE(fs_.Exists(folder + page));
}

}  // namespace
}  // namespace orb
