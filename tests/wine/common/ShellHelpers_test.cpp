// Under Wine: the shell copy and delete, the Windows file seam's atomic replacement, and registry settings.
#include <windows.h>
// windows.h maps CopyFile to CopyFileA; here it names the seam's method.
#undef CopyFile

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "common/win/RegistrySettingsStore.h"
#include "common/win/ShellHelpers.h"
#include "common/win/Win32FileSystem.h"

namespace orb {
namespace {

class ShellFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    char base[MAX_PATH] = {};
    GetTempPathA(sizeof base, base);
    dir_ = std::string(base) + "orbshell" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(dir_.c_str(), nullptr);
  }
  void TearDown() override {
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((dir_ + "*").c_str(), &found);
    if (h != INVALID_HANDLE_VALUE) {
      do DeleteFileA((dir_ + found.cFileName).c_str());
      while (FindNextFileA(h, &found));
      FindClose(h);
    }
    RemoveDirectoryA(dir_.c_str());
  }
  std::string Read(const std::string& name) {
    std::string data, error;
    fs_.ReadFile(dir_ + name, data, error);
    return data;
  }
  void Write(const std::string& name, const std::string& data) {
    std::string error;
    ASSERT_TRUE(fs_.WriteFileAtomic(dir_ + name, data, error)) << error;
  }
  std::string dir_;
  Win32FileSystem fs_;
};

TEST_F(ShellFolder, CopyReplacesAnExistingTargetWithoutAskingAndReportsZero) {
  Write("a.txt", "new");
  Write("b.txt", "old");
  EXPECT_EQ(CopyWithShell(dir_ + "a.txt", dir_ + "b.txt"), 0);
  EXPECT_EQ(Read("b.txt"), "new");
  EXPECT_EQ(CopyWithShell(dir_ + "a.txt", dir_ + "fresh.txt"), 0);
  EXPECT_EQ(Read("fresh.txt"), "new");
}

TEST_F(ShellFolder, CopyOntoItselfInAnotherSpellingLeavesTheBytesAndReportsZero) {
  std::string bytes;
  for (int i = 0; i < 200000; ++i) bytes.push_back(static_cast<char>(i * 7 % 251));
  Write("Back.JPG", bytes);
  std::string lower = dir_;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  std::string slashed = dir_;
  for (char& c : slashed) c = c == '\\' ? '/' : c;
  for (const std::string& target : {lower + "back.jpg", slashed + "BACK.jpg", dir_ + ".\\Back.JPG", dir_}) {
    EXPECT_EQ(CopyWithShell(dir_ + "Back.JPG", target), 0) << target;
    EXPECT_EQ(Read("Back.JPG"), bytes) << target;
  }
  std::string error;
  EXPECT_TRUE(fs_.CopyFile(lower + "BACK.JPG", dir_ + "Back.JPG", error)) << error;
  EXPECT_EQ(Read("Back.JPG"), bytes);
  EXPECT_TRUE(IsSameFile(dir_ + "Back.JPG", lower + "back.jpg"));
  EXPECT_FALSE(IsSameFile(dir_ + "Back.JPG", dir_ + "Back.JPG.obm"));
  // A real copy beside it still happens.
  EXPECT_EQ(CopyWithShell(dir_ + "Back.JPG", dir_ + "Copy.jpg"), 0);
  EXPECT_EQ(Read("Copy.jpg"), bytes);
}

TEST_F(ShellFolder, CopyOfAMissingSourceIsNotZero) {
  EXPECT_NE(CopyWithShell(dir_ + "missing.txt", dir_ + "b.txt"), 0);
  EXPECT_FALSE(fs_.Exists(dir_ + "b.txt"));
}

TEST_F(ShellFolder, DeleteRemovesTheFileSilently) {
  Write("gone.txt", "x");
  DeleteWithShell(dir_ + "gone.txt");
  EXPECT_FALSE(fs_.Exists(dir_ + "gone.txt"));
  DeleteWithShell(dir_ + "never-there.txt");  // no question, no crash
}

TEST_F(ShellFolder, AtomicWriteReplacesWholeAndLeavesNoTemporaryFile) {
  Write("menu.cfg", std::string(100000, 'a'));
  Write("menu.cfg", "false\r\n");
  EXPECT_EQ(Read("menu.cfg"), "false\r\n");
  WIN32_FIND_DATAA found;
  HANDLE h = FindFirstFileA((dir_ + "*.tmp*").c_str(), &found);
  EXPECT_EQ(h, INVALID_HANDLE_VALUE);
  if (h != INVALID_HANDLE_VALUE) FindClose(h);
  std::string error;
  EXPECT_FALSE(fs_.WriteFileAtomic(dir_ + "no-such-folder\\x.txt", "x", error));
  EXPECT_NE(error.find("no-such-folder"), std::string::npos);
  EXPECT_TRUE(fs_.CreateFolder(dir_ + "imgmusic"));
  EXPECT_TRUE(fs_.CreateFolder(dir_ + "imgmusic")) << "an existing folder is fine";
  RemoveDirectoryA((dir_ + "imgmusic").c_str());
}

// Values are UTF-8 both ways, a path the code page lacks included; one that the ANSI editor wrote reads
// back as the same text.
TEST(RegistrySettings, MissingKeysReadEmptyAndWrittenValuesComeBack) {
  RegistrySettingsStore store;
  const std::string app = "OBMTest" + std::to_string(GetCurrentProcessId());
  EXPECT_EQ(store.Read(app, "Options", "IMM"), "");
  store.Write(app, "Options", "IMM", "1");
  store.Write(app, "Options", "SavedPrjName", "");
  EXPECT_EQ(store.Read(app, "Options", "IMM"), "1");
  EXPECT_EQ(store.Read(app, "Options", "SavedPrjName"), "");
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, ("Software\\" + app + "\\Options").c_str(), 0,
                          KEY_READ | KEY_SET_VALUE, &key),
            0);
  DWORD type = 0;
  EXPECT_EQ(RegQueryValueExA(key, "IMM", nullptr, &type, nullptr, nullptr), 0);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  const std::string greek = "C:\\\xCE\xA3\xCE\xB5\xCE\xBB\xCE\xAF\xCE\xB4\xCE\xB1\\cd.obm";  // C:\Σελίδα\cd.obm
  store.Write(app, "Options", "SavedPrjName", greek);
  EXPECT_EQ(store.Read(app, "Options", "SavedPrjName"), greek);
  if (GetACP() == 1252) {
    const char old[] = "C:\\caf\xE9\\cd.obm";
    ASSERT_EQ(RegSetValueExA(key, "Old", 0, REG_SZ, reinterpret_cast<const BYTE*>(old), sizeof old), 0);
    EXPECT_EQ(store.Read(app, "Options", "Old"), "C:\\caf\xC3\xA9\\cd.obm");
  }
  RegCloseKey(key);
  RegDeleteKeyA(HKEY_CURRENT_USER, ("Software\\" + app + "\\Options").c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, ("Software\\" + app).c_str());
}

}  // namespace
}  // namespace orb
