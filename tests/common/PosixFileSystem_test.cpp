// The Linux file seam: backslash mapping, the model's folder form, atomic writes and copies.
#include "common/PosixFileSystem.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace orb {
namespace {

namespace fs = std::filesystem;

class PosixFileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "orbfs-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir = pattern;
    root = PosixFileSystem::ModelFolder(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  static std::string Slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }
  // Everything in dir, so that a test sees leftover temporary files.
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  std::string dir;
  std::string root;
  PosixFileSystem files;
};

TEST_F(PosixFileSystemTest, ModelPathsMapToRealFiles) {
  EXPECT_EQ(root, dir + "\\");
  EXPECT_EQ(PosixFileSystem::ModelFolder(dir + "/sub/../"), dir + "\\");
  EXPECT_EQ(PosixFileSystem::NativePath(root + "imgmusic\\back.jpg"), dir + "/imgmusic/back.jpg");
  EXPECT_EQ(PosixFileSystem::ModelFile(dir + "/imgmusic/back.jpg", root), root + "imgmusic\\back.jpg");
  EXPECT_EQ(PosixFileSystem::ModelFile("/elsewhere/x.jpg", root), "/elsewhere/x.jpg");
  EXPECT_EQ(PosixFileSystem::ModelFile(dir + "/../x.jpg", root),
            fs::path(dir).parent_path().string() + "/x.jpg");

  ASSERT_TRUE(files.CreateFolder(root + "imgmusic"));
  EXPECT_TRUE(fs::is_directory(dir + "/imgmusic"));
  EXPECT_TRUE(files.Exists(root + "imgmusic"));
  EXPECT_FALSE(files.Exists(root + "imgmusic\\none.jpg"));
}

TEST_F(PosixFileSystemTest, WriteReplacesWholeAndLeavesNoTemporaryFile) {
  std::string error;
  ASSERT_TRUE(files.WriteFileAtomic(root + "menu.cfg", std::string("true\r\n\0\x80", 8), error)) << error;
  EXPECT_EQ(Slurp(dir + "/menu.cfg"), std::string("true\r\n\0\x80", 8));
  ::chmod((dir + "/menu.cfg").c_str(), 0640);
  ASSERT_TRUE(files.WriteFileAtomic(root + "menu.cfg", "false\r\n", error));
  EXPECT_EQ(Slurp(dir + "/menu.cfg"), "false\r\n");
  EXPECT_EQ(fs::status(dir + "/menu.cfg").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read)
      << "a replaced file keeps its mode";
  EXPECT_EQ(Names(), std::vector<std::string>{"menu.cfg"});

  std::string data;
  ASSERT_TRUE(files.ReadFile(root + "menu.cfg", data, error));
  EXPECT_EQ(data, "false\r\n");
  EXPECT_FALSE(files.ReadFile(root + "none.cfg", data, error));
  EXPECT_EQ(error, "No such file or directory");
}

TEST_F(PosixFileSystemTest, FailedWriteLeavesTheOldFile) {
  std::string error;
  ASSERT_TRUE(files.WriteFileAtomic(root + "p.obm", "old", error));
  fs::create_directory(dir + "/sub");
  EXPECT_FALSE(files.WriteFileAtomic(root + "missing\\p.obm", "x", error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(files.WriteFileAtomic(root + "sub", "x", error)) << "a folder is not replaced by a file";
  EXPECT_TRUE(fs::is_directory(dir + "/sub"));
  if (::geteuid() != 0) {  // root may write anywhere
    ::chmod(dir.c_str(), 0500);
    EXPECT_FALSE(files.WriteFileAtomic(root + "p.obm", "new", error));
    ::chmod(dir.c_str(), 0700);
  }
  EXPECT_EQ(Slurp(dir + "/p.obm"), "old");
  EXPECT_EQ(Names(), (std::vector<std::string>{"p.obm", "sub"}));
}

TEST_F(PosixFileSystemTest, CopyReplacesWithoutAskingAndAcceptsAFolder) {
  std::string error;
  std::string big((1 << 20) + 4099, '\0');
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7 + i / 4096);
  std::ofstream(dir + "/src.bin", std::ios::binary) << big;
  ::chmod((dir + "/src.bin").c_str(), 0755);
  ASSERT_TRUE(files.WriteFileAtomic(root + "Orbstart.exe", "old player", error));
  EXPECT_TRUE(files.CopyFile(root + "src.bin", root + "Orbstart.exe", error));
  EXPECT_EQ(Slurp(dir + "/Orbstart.exe"), big);
  EXPECT_TRUE((fs::status(dir + "/Orbstart.exe").permissions() & fs::perms::owner_exec) != fs::perms::none);

  ASSERT_TRUE(files.CreateFolder(root + "imgmusic"));
  EXPECT_TRUE(files.CopyFile(root + "src.bin", root + "imgmusic", error));
  EXPECT_EQ(Slurp(dir + "/imgmusic/src.bin"), big);
  ASSERT_TRUE(files.WriteFileAtomic(root + "empty", "", error));
  EXPECT_TRUE(files.CopyFile(root + "empty", root + "empty2", error));
  EXPECT_EQ(Slurp(dir + "/empty2"), "");

  EXPECT_FALSE(files.CopyFile(root + "missing.exe", root + "Orbstart.exe", error));
  EXPECT_FALSE(files.CopyFile(root + "imgmusic", root + "x", error));
  EXPECT_FALSE(files.CopyFile(root + "src.bin", root + "nofolder\\x", error));
  EXPECT_EQ(Slurp(dir + "/Orbstart.exe"), big);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Orbstart.exe", "empty", "empty2", "imgmusic", "src.bin"}));

  files.DeleteFile(root + "Orbstart.exe");
  files.DeleteFile(root + "Orbstart.exe");  // a second delete reports nothing
  EXPECT_FALSE(fs::exists(dir + "/Orbstart.exe"));
}

}  // namespace
}  // namespace orb

namespace orb {
namespace {

TEST_F(PosixFileSystemTest, ListingFollowsLinksAndGivesSizesAndDates) {
  std::ofstream(dir + "/a.bin") << "12345";
  fs::create_directory(dir + "/sub");
  fs::create_symlink(dir + "/a.bin", dir + "/link.bin");
  struct timespec times[2] = {{1600000000, 0}, {1600000000, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, (dir + "/a.bin").c_str(), times, 0), 0);
  std::vector<FolderEntry> entries;
  std::string error;
  ASSERT_TRUE(files.ListFolder(root, entries, error)) << error;
  std::sort(entries.begin(), entries.end(), [](auto& x, auto& y) { return x.name < y.name; });
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, "a.bin");
  EXPECT_EQ(entries[0].size, 5u);
  EXPECT_EQ(entries[0].modified, 1600000000);
  EXPECT_EQ(entries[1].name, "link.bin");
  EXPECT_EQ(entries[1].size, 5u);
  EXPECT_TRUE(entries[2].folder);
  EXPECT_FALSE(files.ListFolder(root + "missing", entries, error));
}

TEST_F(PosixFileSystemTest, AStreamedWriteAppearsOnlyOnCommit) {
  std::ofstream(dir + "/image.iso") << "old";
  std::string big(5 << 20, '\0');
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 131 >> 7);
  std::string error;
  {
    auto writer = files.OpenAtomicWriter(root + "image.iso", error);
    ASSERT_TRUE(writer) << error;
    ASSERT_TRUE(writer->Write("dropped", 7, error));
  }
  EXPECT_EQ(Slurp(dir + "/image.iso"), "old");
  EXPECT_EQ(Names(), std::vector<std::string>{"image.iso"});

  auto writer = files.OpenAtomicWriter(root + "image.iso", error);
  ASSERT_TRUE(writer) << error;
  ASSERT_TRUE(writer->Write("head", 4, error));
  ASSERT_TRUE(writer->Write(big.data(), big.size(), error));
  ASSERT_TRUE(writer->Commit(error)) << error;
  EXPECT_EQ(Slurp(dir + "/image.iso"), "head" + big);
  EXPECT_EQ(Names(), std::vector<std::string>{"image.iso"});
  auto reader = files.OpenReader(root + "image.iso", error);
  ASSERT_TRUE(reader) << error;
  std::string back(big.size() + 10, '\0');
  size_t got = 0, total = 0;
  while (reader->Read(back.data() + total, back.size() - total, got, error) && got > 0) total += got;
  EXPECT_EQ(back.substr(0, total), "head" + big);
  EXPECT_FALSE(files.OpenReader(root + "missing", error));
  EXPECT_FALSE(files.OpenAtomicWriter(root + "missing\\image.iso", error));
}

}  // namespace
}  // namespace orb
