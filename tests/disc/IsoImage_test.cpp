// The disc-image writer on real trees, each image judged by the outside readers.
#include "disc/IsoImage.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include <filesystem>
#include <functional>
#include <map>
#include <set>

#include "common/PosixFileSystem.h"
#include "tests/disc/IsoJudges.h"

namespace orb {
namespace {

namespace fs = std::filesystem;
using test::JudgeImage;
using test::Quoted;
using test::ReadAll;
using test::RunCommand;
using test::RunResult;
using test::TempFolder;

class IsoWriterTest : public testing::Test {
 protected:
  IsoWriterTest() { dir.MakeFolder("root"); }
  std::string Source() const { return dir / "root"; }
  std::string Root() const { return PosixFileSystem::ModelFolder(Source()); }
  IsoResult Write(const std::string& iso, IsoOptions options = {}, IsoProgress* progress = nullptr) {
    return WriteIsoImage(files, Root(), iso, options, progress);
  }
  // The entries of a folder other than those the test made itself.
  std::vector<std::string> Leftovers(const std::string& folder, const std::set<std::string>& expected) const {
    std::vector<std::string> extra;
    for (const auto& entry : fs::directory_iterator(folder)) {
      std::string name = entry.path().filename().string();
      if (!expected.count(name)) extra.push_back(name);
    }
    return extra;
  }

  TempFolder dir;
  PosixFileSystem files;
};

std::string Nested(int levels) {
  std::string path;
  for (int i = 1; i <= levels; ++i) path += "level" + std::to_string(i) + "/";
  return path;
}

TEST_F(IsoWriterTest, ReadersAcceptAMixedTreeAndExtractItByteForByte) {
  dir.Put("root/menu.cfg", "menu\r\n");
  dir.Put("root/empty.txt", "");
  dir.Put("root/imgmusic/empty folder/.keep", "");
  dir.MakeFolder("root/imgmusic/truly empty");
  dir.Put("root/" + Nested(7) + "deepest.txt", "seven folders below the root");  // the eighth level
  dir.Put("root/Ünïcödé/ça va.txt", "accents");
  dir.Put("root/日本語/ファイル.txt", "non-Latin");
  dir.Put("root/" + std::string(60, 'n') + ".txt", "a name of 64 characters");
  // Names that map to the same ISO 9660 form must stay apart there.
  dir.Put("root/a+b.txt", "1");
  dir.Put("root/a b.txt", "2");
  dir.Put("root/A_B.TXT", "3");
  dir.Put("root/.hidden", "dot");
  // Enough entries for the directory to span several blocks, and data that crosses the copy buffer.
  for (int i = 0; i < 120; ++i)
    dir.Put("root/many/file number " + std::to_string(i) + " of many.dat", std::to_string(i));
  std::string big(3 * 1024 * 1024 + 17, '\0');
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>((i * 7919) >> 5);
  dir.Put("root/big.bin", big);

  IsoOptions options;
  options.label = "Démo Disc";
  IsoResult result = Write(dir / "demo.iso", options);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.files, 132u);
  EXPECT_EQ(result.bytes, fs::file_size(dir / "demo.iso"));
  IsoCheck check = CheckIsoLimits(files, Root());  // what the project check foretells
  EXPECT_FALSE(check.HasErrors());
  EXPECT_EQ(check.image_bytes, result.bytes);
  EXPECT_EQ(check.files, 132u);
  std::uintmax_t on_disk = 0;
  for (const auto& e : fs::recursive_directory_iterator(Source()))
    if (e.is_regular_file()) on_disk += e.file_size();
  EXPECT_EQ(check.data_bytes, on_disk);
  EXPECT_EQ(result.bytes % 2048, 0u);
  EXPECT_EQ(JudgeImage(dir / "demo.iso", Source(), dir), "");

  EXPECT_NE(RunCommand("isoinfo -d -i " + Quoted(dir / "demo.iso")).output.find("Volume id: D_MO_DISC"),
            std::string::npos);
  std::string image = ReadAll(dir / "demo.iso");
  std::string joliet_label = image.substr(17 * 2048 + 40, 20);
  EXPECT_EQ(joliet_label, std::string("\0D\0\xE9\0m\0o\0 \0D\0i\0s\0c\0 ", 20));

  // The primary names: upper case, d-characters, three distinct ones for the three look-alikes.
  std::string primary = RunCommand("isoinfo -l -i " + Quoted(dir / "demo.iso")).output;
  for (const char* name : {"A_B.TXT;1", "A_B_1.TXT;1", "A_B_2.TXT;1", "MENU.CFG;1", ".HIDDEN;1", "IMGMUSIC"})
    EXPECT_NE(primary.find(name), std::string::npos) << name << " not in\n" << primary;
}

TEST_F(IsoWriterTest, AnEmptyRootGivesAnImageTheReadersAccept) {
  IsoResult result = Write(dir / "empty.iso");
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.files, 0u);
  EXPECT_EQ(JudgeImage(dir / "empty.iso", Source(), dir), "");
}

TEST_F(IsoWriterTest, LimitsAreReportedBeforeAByteIsWritten) {
  dir.Put("root/" + std::string(61, 'x') + ".txt", "65 characters");
  dir.Put("root/" + Nested(8) + "too deep.txt", "the ninth level");
  dir.Put("root/Case.txt", "1");
  dir.Put("root/case.TXT", "2");
  dir.Put("root/what?.txt", "a character no disc name holds");
  dir.Put("root/fine.txt", "fine");

  IsoCheck check = CheckIsoLimits(files, Root());
  ASSERT_TRUE(check.HasErrors());
  std::map<IsoProblem::Kind, std::string> found;
  for (const IsoProblem& p : check.problems) found[p.kind] = p.path;
  EXPECT_EQ(found[IsoProblem::Kind::NameTooLong], Root() + std::string(61, 'x') + ".txt");
  EXPECT_EQ(found[IsoProblem::Kind::PathTooDeep],
            Root() + "level1\\level2\\level3\\level4\\level5\\level6\\level7\\level8");
  EXPECT_EQ(found[IsoProblem::Kind::NamesCollide], Root() + "case.TXT");
  EXPECT_EQ(found[IsoProblem::Kind::BadName], Root() + "what?.txt");
  EXPECT_EQ(check.problems.size(), 4u);
  EXPECT_EQ(check.image_bytes, 0u);

  std::string error;
  ASSERT_TRUE(files.WriteFileAtomic(dir / "old.iso", "old image", error));
  IsoResult result = Write(dir / "old.iso");
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.problems.size(), 4u);
  EXPECT_NE(result.error.find("case.TXT"), std::string::npos) << result.error;
  EXPECT_EQ(ReadAll(dir / "old.iso"), "old image");
  EXPECT_EQ(Leftovers(dir.Path(), {"root", "old.iso"}), std::vector<std::string>{});
}

// The Linux seam with one file that cannot be opened (a root test cannot take its own read permission).
class OneUnreadable : public PosixFileSystem {
 public:
  explicit OneUnreadable(std::string leaf) : leaf_(std::move(leaf)) {}
  std::unique_ptr<FileReader> OpenReader(const std::string& path, std::string& error) override {
    if (path.size() >= leaf_.size() && path.compare(path.size() - leaf_.size(), leaf_.size(), leaf_) == 0) {
      error = "Permission denied";
      return nullptr;
    }
    return PosixFileSystem::OpenReader(path, error);
  }

 private:
  std::string leaf_;
};

// Names Windows cannot open, entries that are no files, links in loops and a file that cannot be read
// are each named, before writing, as what they are; the write refuses them too.
TEST_F(IsoWriterTest, WhatWindowsCannotOpenIsNamedBeforeWriting) {
  const std::vector<std::string> bad = {"CON.txt", "nul",  "aux.doc",   "PRN", "COM1.txt", "lpt1", "Con .a.b",
                                        "trail ",  "dot.", "say\"hi\"", "a<b", "a>b",      "a|b"};
  for (const std::string& name : bad) dir.Put("root/" + name, "x");
  dir.Put("root/twin", "1");
  dir.Put("root/twin.", "2");
  dir.Put("root/CONSOLE.txt", "fine: only the exact device names are reserved");
  dir.Put("root/COM0", "fine");
  dir.Put("root/secret.txt", "unreadable");
  ASSERT_EQ(::mkfifo((dir / "root/pipe").c_str(), 0600), 0);
  fs::create_symlink("/dev/null", dir / "root/device");
  dir.MakeFolder("root/sub");
  fs::create_symlink("..", dir / "root/sub/up");
  fs::create_symlink("self", dir / "root/self");

  OneUnreadable unreadable("secret.txt");
  IsoCheck check = CheckIsoLimits(unreadable, Root());
  std::map<std::string, IsoProblem> found;
  for (const IsoProblem& p : check.problems) found[p.path.substr(Root().size())] = p;
  for (const std::string& name : bad) {
    EXPECT_EQ(found[name].kind, IsoProblem::Kind::BadName) << name << ": " << found[name].message;
  }
  EXPECT_NE(found["nul"].message.find("device's name"), std::string::npos) << found["nul"].message;
  EXPECT_NE(found["dot."].message.find("ends in a dot or a blank"), std::string::npos);
  EXPECT_EQ(found["twin."].kind, IsoProblem::Kind::NamesCollide);
  EXPECT_NE(found["twin."].message.find("\"twin\""), std::string::npos) << found["twin."].message;
  EXPECT_EQ(found["pipe"].kind, IsoProblem::Kind::NotAFile);
  EXPECT_EQ(found["device"].kind, IsoProblem::Kind::NotAFile);
  EXPECT_EQ(found["sub\\up"].kind, IsoProblem::Kind::Loop) << found["sub\\up"].message;
  EXPECT_NE(found["sub\\up"].message.find("link back to " + Root()), std::string::npos)
      << found["sub\\up"].message;
  EXPECT_EQ(found["self"].kind, IsoProblem::Kind::Loop) << found["self"].message;
  EXPECT_EQ(found["secret.txt"].kind, IsoProblem::Kind::Unreadable);
  EXPECT_NE(found["secret.txt"].message.find("cannot be read: Permission denied"), std::string::npos);
  EXPECT_EQ(check.problems.size(), bad.size() + 6) << "CONSOLE.txt, COM0 and twin are fine";

  IsoResult result = WriteIsoImage(unreadable, Root(), dir / "bad.iso", {}, nullptr);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.problems.size(), check.problems.size());
  EXPECT_EQ(Leftovers(dir.Path(), {"root"}), std::vector<std::string>{});
}

TEST_F(IsoWriterTest, AFileOf4GiBIsRefusedAndOneJustBelowIsNot) {
  ASSERT_EQ(::truncate((dir.Put("root/big", ""), (dir / "root/big").c_str()), 0xFFFFFFFFll), 0);
  IsoCheck below = CheckIsoLimits(files, Root());
  EXPECT_FALSE(below.HasErrors());
  EXPECT_EQ(below.data_bytes, 0xFFFFFFFFull);
  EXPECT_GT(below.image_bytes, 0xFFFFFFFFull);

  ASSERT_EQ(::truncate((dir / "root/big").c_str(), 0x100000000ll), 0);
  IsoCheck at = CheckIsoLimits(files, Root());
  ASSERT_EQ(at.problems.size(), 1u);
  EXPECT_EQ(at.problems[0].kind, IsoProblem::Kind::FileTooLarge);
  EXPECT_EQ(at.problems[0].path, Root() + "big");
}

TEST_F(IsoWriterTest, AFileJustOver2GiBKeepsItsSizeAndBytes) {
  if (fs::space(dir.Path()).available < (std::uintmax_t{6} << 30)) GTEST_SKIP() << "needs 6 GiB of free disk";
  const std::string big = dir / "root/over 2 GiB.bin";
  dir.Put("root/over 2 GiB.bin", "start");
  ASSERT_EQ(::truncate(big.c_str(), 0x80000000ll + 10), 0);  // sparse where the file system allows it
  {
    std::fstream tail(big, std::ios::in | std::ios::out | std::ios::binary);
    tail.seekp(0x80000000ll + 5);
    tail << "tail!";
  }
  IsoResult result = Write(dir / "big.iso");
  ASSERT_TRUE(result.ok) << result.error;
  std::string listing =
      RunCommand("xorriso -indev " + Quoted(dir / "big.iso") + " -find / -exec lsdl").output;
  EXPECT_NE(listing.find("2147483658 "), std::string::npos) << listing;
  EXPECT_NE(RunCommand("isovfy -i " + Quoted(dir / "big.iso")).output.find("No errors found"),
            std::string::npos);
  // The bytes at both ends, without extracting 2 GiB again.
  RunResult extract = RunCommand("osirrox -indev " + Quoted(dir / "big.iso") +
                                 " -extract_cut '/over 2 GiB.bin' 0 5 " + Quoted(dir / "head") +
                                 " -extract_cut '/over 2 GiB.bin' 2147483653 5 " + Quoted(dir / "tail"));
  EXPECT_EQ(ReadAll(dir / "head"), "start");
  EXPECT_EQ(ReadAll(dir / "tail"), "tail!");
  EXPECT_EQ(extract.status, 0) << extract.output;
}

TEST_F(IsoWriterTest, TheSameTreeGivesTheSameBytesAndTheVolumeDateIsFixed) {
  dir.Put("root/a.txt", "a");
  dir.Put("root/sub/b.txt", "b");
  struct utimbuf newest = {1600000000, 1600000000};  // 2020-09-13 12:26:40 UTC
  struct utimbuf older = {1500000000, 1500000000};
  ASSERT_EQ(::utime((dir / "root/a.txt").c_str(), &newest), 0);
  ASSERT_EQ(::utime((dir / "root/sub/b.txt").c_str(), &older), 0);
  ASSERT_EQ(::utime((dir / "root/sub").c_str(), &older), 0);

  ASSERT_TRUE(Write(dir / "one.iso").ok);
  ASSERT_TRUE(Write(dir / "two.iso").ok);
  std::string one = ReadAll(dir / "one.iso");
  EXPECT_EQ(one, ReadAll(dir / "two.iso"));
  EXPECT_EQ(one.substr(16 * 2048 + 813, 16), "2020091312264000");  // the newest date in the tree

  // A given date (SOURCE_DATE_EPOCH) is the volume's, and later file dates are held at it.
  IsoOptions fixed;
  fixed.volume_time = 1550000000;  // 2019-02-12 19:33:20 UTC
  fixed.clamp_file_times = true;
  ASSERT_TRUE(Write(dir / "fixed.iso", fixed).ok);
  std::string image = ReadAll(dir / "fixed.iso");
  EXPECT_EQ(image.substr(16 * 2048 + 830, 16), "2019021219332000");
  std::string listing =
      RunCommand("TZ=UTC xorriso -indev " + Quoted(dir / "fixed.iso") + " -find / -exec lsdl").output;
  EXPECT_NE(listing.find("Feb 12  2019 '/a.txt'"), std::string::npos) << listing;
  EXPECT_NE(listing.find("Jul 14  2017 '/sub/b.txt'"), std::string::npos) << listing;
}

// A date past the format's last (2155-12-31 23:59:59) is held there, in the records and in the volume
// descriptors, as the readers see it; it must not wrap into 1900 or a year the descriptor cannot spell.
TEST_F(IsoWriterTest, DatesAfter2155AreHeldAtTheLastDateTheFormatHolds) {
  dir.Put("root/2156.txt", "next year");
  dir.Put("root/sub/2200.txt", "far");
  struct utimbuf y2156 = {5869584000, 5869584000};  // 2156-01-01 00:00:00 UTC
  struct utimbuf y2200 = {7258118400, 7258118400};  // 2200-01-01
  ASSERT_EQ(::utime((dir / "root/2156.txt").c_str(), &y2156), 0);
  ASSERT_EQ(::utime((dir / "root/sub/2200.txt").c_str(), &y2200), 0);
  ASSERT_EQ(::utime((dir / "root/sub").c_str(), &y2200), 0);

  ASSERT_TRUE(Write(dir / "late.iso").ok);
  std::string iso = Quoted(dir / "late.iso");
  std::string listing = RunCommand("TZ=UTC xorriso -indev " + iso + " -find / -exec lsdl").output;
  EXPECT_NE(listing.find("Dec 31  2155 '/2156.txt'"), std::string::npos) << listing;
  EXPECT_NE(listing.find("Dec 31  2155 '/sub'"), std::string::npos) << listing;
  EXPECT_NE(listing.find("Dec 31  2155 '/sub/2200.txt'"), std::string::npos) << listing;
  std::string volume = RunCommand("xorriso -indev " + iso + " -pvd_info").output;
  EXPECT_NE(volume.find("Creation Time: 2155123123595900"), std::string::npos) << volume;
  EXPECT_NE(volume.find("Modif. Time  : 2155123123595900"), std::string::npos) << volume;
  EXPECT_EQ(JudgeImage(dir / "late.iso", Source(), dir), "");
}

// Runs a step when the write has come so far, or cancels there.
class StepAt : public IsoProgress {
 public:
  explicit StepAt(std::function<bool()> step) : step_(std::move(step)) {}
  bool Advance(std::uint64_t done, std::uint64_t total) override {
    EXPECT_LE(done, total);
    return done >= total || fired_ || (fired_ = true, step_());
  }

 private:
  std::function<bool()> step_;
  bool fired_ = false;
};

// The Linux seam on a disk that fills up after a number of bytes.
class FillingDisk : public PosixFileSystem {
 public:
  explicit FillingDisk(std::uint64_t room) : room_(room) {}
  std::unique_ptr<FileWriter> OpenAtomicWriter(const std::string& path, std::string& error) override {
    auto real = PosixFileSystem::OpenAtomicWriter(path, error);
    return real ? std::make_unique<Limited>(std::move(real), room_) : nullptr;
  }

 private:
  struct Limited : FileWriter {
    Limited(std::unique_ptr<FileWriter> r, std::uint64_t room) : real(std::move(r)), left(room) {}
    bool Write(const char* data, std::size_t size, std::string& error) override {
      if (size > left) {
        error = "No space left on device";
        return false;
      }
      left -= size;
      return real->Write(data, size, error);
    }
    bool Commit(std::string& error) override { return real->Commit(error); }
    std::unique_ptr<FileWriter> real;
    std::uint64_t left;
  };
  std::uint64_t room_;
};

TEST_F(IsoWriterTest, AFailedOrCancelledWriteKeepsTheOlderImageAndLeavesNothing) {
  dir.Put("root/a first big.bin", std::string(3 << 20, 'x'));  // written before the progress is told
  dir.Put("root/z last.txt", "removed half-way through");
  std::string error;
  ASSERT_TRUE(files.WriteFileAtomic(dir / "disc.iso", "older image", error));

  StepAt remove([&] { return fs::remove(dir / "root/z last.txt"); });
  IsoResult removed = Write(dir / "disc.iso", {}, &remove);
  EXPECT_FALSE(removed.ok);
  EXPECT_FALSE(removed.cancelled);
  EXPECT_NE(removed.error.find("z last.txt"), std::string::npos) << removed.error;

  // A file cut short after it was listed: its record already holds the longer size.
  dir.Put("root/z last.txt", std::string(2 << 20, 'z'));
  StepAt shorten([&] { return ::truncate((dir / "root/z last.txt").c_str(), 1000) == 0; });
  IsoResult shortened = Write(dir / "disc.iso", {}, &shorten);
  EXPECT_FALSE(shortened.ok);
  EXPECT_NE(shortened.error.find("z last.txt: the file became shorter"), std::string::npos)
      << shortened.error;

  StepAt cancel([] { return false; });
  IsoResult cancelled = Write(dir / "disc.iso", {}, &cancel);
  EXPECT_FALSE(cancelled.ok);
  EXPECT_TRUE(cancelled.cancelled);
  EXPECT_TRUE(ReadAll(dir / "disc.iso") == "older image");

  // A disk that fills up while the image is written.
  FillingDisk full(1 << 20);
  IsoResult no_room = WriteIsoImage(full, Root(), dir / "disc.iso", {}, nullptr);
  EXPECT_FALSE(no_room.ok);
  EXPECT_FALSE(no_room.cancelled);
  EXPECT_EQ(no_room.error, dir / "disc.iso: No space left on device");

  // A target whose folder cannot take files.
  dir.Put("not a folder", "");
  IsoResult unwritable = Write(dir / "not a folder/disc.iso");
  EXPECT_FALSE(unwritable.ok);
  EXPECT_NE(unwritable.error.find("not a folder/disc.iso"), std::string::npos) << unwritable.error;
  if (::geteuid() != 0) {
    dir.MakeFolder("read-only");
    ::chmod((dir / "read-only").c_str(), 0555);
    EXPECT_FALSE(Write(dir / "read-only/disc.iso").ok);
    EXPECT_TRUE(fs::is_empty(dir / "read-only"));
  }
  EXPECT_EQ(Leftovers(dir.Path(), {"root", "disc.iso", "not a folder", "read-only"}),
            std::vector<std::string>{});
  EXPECT_TRUE(ReadAll(dir / "disc.iso") == "older image");
}

// What a killed writer left beside the target goes at the next write of it; a temporary that a running
// writer still holds (locked) stays.
TEST_F(IsoWriterTest, AKilledWritersTemporaryImageIsRemovedByTheNextWrite) {
  dir.Put("root/a.txt", "a");
  dir.Put(".disc.iso.orbtmp-k1ll3d", std::string(1 << 20, 'x'));
  dir.Put(".disc.iso.orbtmp-4live4", "being written");
  dir.Put(".other.iso.orbtmp-k1ll3d", "another target's");
  int live = ::open((dir / ".disc.iso.orbtmp-4live4").c_str(), O_RDONLY);
  ASSERT_EQ(::flock(live, LOCK_EX), 0);
  ASSERT_TRUE(Write(dir / "disc.iso").ok);
  ::close(live);
  EXPECT_EQ(
      Leftovers(dir.Path(), {"root", "disc.iso", ".disc.iso.orbtmp-4live4", ".other.iso.orbtmp-k1ll3d"}),
      std::vector<std::string>{});
  EXPECT_TRUE(fs::exists(dir / ".disc.iso.orbtmp-4live4"));
  EXPECT_TRUE(fs::exists(dir / ".other.iso.orbtmp-k1ll3d"));
}

TEST_F(IsoWriterTest, AnImageInsideTheRootItImagesIsRefused) {
  dir.Put("root/sub/keep.txt", "k");
  IsoResult result = Write(Root() + "sub\\disc.iso");
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("inside the folder it images"), std::string::npos) << result.error;
  EXPECT_EQ(Leftovers(dir / "root/sub", {"keep.txt"}), std::vector<std::string>{});
}

TEST(IsoNames, LabelsFromTitles) {
  EXPECT_EQ(ImageLabel("What is new?"), "What is new");
  EXPECT_EQ(ImageLabel("  A title far longer than sixteen  "), "A title far long");
  EXPECT_EQ(ImageLabel("Fifteen chars  x"), "Fifteen chars  x");
  EXPECT_EQ(ImageLabel("Fifteen chars   ?x"), "Fifteen chars");
  EXPECT_EQ(ImageLabel("???"), "");
}

}  // namespace
}  // namespace orb
