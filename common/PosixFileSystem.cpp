// The file-operations seam over std::filesystem and, on Linux, the kernel's copy calls; see
// PosixFileSystem.h.
#include "common/PosixFileSystem.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "common/Utf16.h"

#if defined(__linux__)
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace orb {

std::string PosixFileSystem::NativePath(std::string_view model_path) {
  std::string native(model_path);
  for (char& c : native) {
    if (c == '\\') c = '/';
  }
  return native;
}

std::string PosixFileSystem::ModelFolder(const std::string& native_folder) {
  std::error_code ec;
  std::string folder = fs::absolute(fs::path(native_folder), ec).lexically_normal().generic_string();
  while (!folder.empty() && folder.back() == '/') folder.pop_back();
  return folder + "\\";
}

std::string PosixFileSystem::ModelFile(const std::string& native_file, const std::string& model_root) {
  std::error_code ec;
  fs::path file = fs::absolute(fs::path(native_file), ec).lexically_normal();
  if (!model_root.empty()) {
    fs::path root = fs::path(NativePath(model_root)).lexically_normal();
    fs::path below = file.lexically_relative(root);
    std::string rel = below.generic_string();
    if (!below.empty() && rel != "." && rel.rfind("..", 0) != 0) {
      for (char& c : rel) {
        if (c == '/') c = '\\';
      }
      return model_root + rel;
    }
  }
  return file.generic_string();
}

bool PosixFileSystem::Exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(fs::path(NativePath(path)), ec);
}

bool PosixFileSystem::ReadFile(const std::string& path, std::string& data, std::string& error) {
  std::ifstream in(NativePath(path), std::ios::binary);
  if (!in) {
    error = std::strerror(errno);
    return false;
  }
  // One read of the whole file where its size is known; a stream's character iterator is far slower.
  std::error_code ec;
  auto size = fs::file_size(fs::path(NativePath(path)), ec);
  std::string bytes;
  if (!ec) {
    bytes.resize(static_cast<size_t>(size));
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(in.gcount()));
    in.clear(in.rdstate() & ~(std::ios::failbit | std::ios::eofbit));
  }
  // Whatever the size did not cover (a file that grew, or one without a size such as a pipe).
  std::ostringstream rest;
  if (in.peek() != std::char_traits<char>::eof()) {
    rest << in.rdbuf();
    bytes += rest.str();
  }
  if (in.bad()) {
    error = "read error";
    return false;
  }
  data = std::move(bytes);
  return true;
}

#if defined(__linux__)

namespace {

// A file descriptor closed on every path out.
class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  ~Fd() { Close(); }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int Get() const { return fd_; }
  int Close() {
    int rc = fd_ >= 0 ? ::close(fd_) : 0;
    fd_ = -1;
    return rc;
  }

 private:
  int fd_;
};

constexpr char kTempMark[] = ".orbtmp-";
constexpr size_t kTempSuffix = 6;  // the characters mkstemp puts in place of XXXXXX

// Removes the temporaries of target that a killed writer left: those whose lock nobody holds (a live
// writer holds the lock on its own until it is done).
void RemoveStaleTemporaries(const std::string& folder, const std::string& prefix) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  while (dirent* entry = ::readdir(dir)) {
    std::string name = entry->d_name;
    if (name.size() != prefix.size() + kTempSuffix || name.compare(0, prefix.size(), prefix) != 0) continue;
    Fd file(::openat(::dirfd(dir), name.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    struct stat st;
    if (file.Get() < 0 || ::fstat(file.Get(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    if (::flock(file.Get(), LOCK_EX | LOCK_NB) == 0) ::unlinkat(::dirfd(dir), name.c_str(), 0);
  }
  ::closedir(dir);
}

// A temporary file beside target, gone again unless Commit put it into place. Where the file system
// allows it the file has no name until Commit (O_TMPFILE), so a killed writer leaves nothing; elsewhere
// it is named ".TARGET.orbtmp-XXXXXX" and locked while written, and the next write of the same target
// removes what a killed one left (clean_always: also where unnamed files work, for large targets whose
// leftovers matter).
class TempFile {
 public:
  explicit TempFile(const std::string& target, bool clean_always = false) : target_(target) {
    fs::path t(target);
    folder_ = t.parent_path().empty() ? std::string(".") : t.parent_path().string();
    prefix_ = "." + t.filename().string() + kTempMark;
    // Naming it later goes through /proc (or needs privileges): without /proc, a named file at once.
    if (::access("/proc/self/fd", X_OK) == 0)
      fd_ = ::open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (clean_always || fd_ < 0) RemoveStaleTemporaries(folder_, prefix_);
    if (fd_ < 0) {
      std::string name = folder_ + "/" + prefix_ + "XXXXXX";
      name_.assign(name.begin(), name.end());
      name_.push_back('\0');
      fd_ = ::mkstemp(name_.data());
      if (fd_ < 0) error_ = errno;
      named_ = fd_ >= 0;
    }
    if (fd_ >= 0) ::flock(fd_, LOCK_EX | LOCK_NB);
  }
  ~TempFile() {
    if (fd_ >= 0) ::close(fd_);
    if (named_ && !committed_) ::unlink(name_.data());
  }
  int Fd() const { return fd_; }
  int Error() const { return error_; }
  // Gives the file mode, names it if it has no name yet, and renames it over the target; an errno
  // value on failure.
  int Commit(mode_t mode, bool sync) {
    if (::fchmod(fd_, mode) != 0) return errno;
    if (sync && ::fsync(fd_) != 0) return errno;
    if (!named_) {
      if (int rc = LinkName()) return rc;
    }
    // Closed first: a late write error (as NFS reports at close) must still keep the target as it was.
    int rc = ::close(fd_);
    fd_ = -1;
    if (rc != 0) return errno;
    if (::rename(name_.data(), target_.c_str()) != 0) return errno;
    committed_ = true;
    return 0;
  }

 private:
  // Gives the unnamed file a free temporary name beside its target.
  int LinkName() {
    std::string proc = "/proc/self/fd/" + std::to_string(fd_);
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
      char suffix[16];
      unsigned mix = static_cast<unsigned>(::getpid()) * 2654435761u + ++counter * 40503u +
                     static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
      std::snprintf(suffix, sizeof suffix, "%06x", mix & 0xFFFFFFu);
      std::string name = folder_ + "/" + prefix_ + suffix;
      int rc = ::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW);
      // Without /proc, a privileged process can still link the descriptor itself.
      if (rc != 0 && errno == ENOENT) rc = ::linkat(fd_, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH);
      if (rc == 0) {
        name_.assign(name.begin(), name.end());
        name_.push_back('\0');
        named_ = true;
        return 0;
      }
      if (errno != EEXIST) return errno;
    }
    return EEXIST;
  }

  std::string target_;
  std::string folder_;
  std::string prefix_;
  std::vector<char> name_;
  int fd_ = -1;
  int error_ = 0;
  bool named_ = false;
  bool committed_ = false;
};

// The mode a new file gets: an existing target keeps its own, a new one what the umask allows.
mode_t ModeFor(const std::string& target, mode_t fallback) {
  struct stat st;
  if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
  mode_t mask = ::umask(022);
  ::umask(mask);
  return fallback & ~mask;
}

int WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return 0;
}

// Copies in.size bytes: copy_file_range lets the kernel (or the file system) do it; where that is not
// possible, a 1 MiB buffer keeps the system calls few.
int CopyData(int in, int out) {
  bool kernel_copy = true;
  for (;;) {
    if (kernel_copy) {
      ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, size_t{1} << 30, 0);
      if (n > 0) continue;
      if (n == 0) return 0;
      if (errno == EINTR) continue;
      if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP) return errno;
      kernel_copy = false;
    }
    std::vector<char> buffer(size_t{1} << 20);
    for (;;) {
      ssize_t n = ::read(in, buffer.data(), buffer.size());
      if (n == 0) return 0;
      if (n < 0) {
        if (errno == EINTR) continue;
        return errno;
      }
      if (int rc = WriteAll(out, buffer.data(), static_cast<size_t>(n))) return rc;
    }
  }
}

}  // namespace

bool PosixFileSystem::WriteFileAtomic(const std::string& path, std::string_view data, std::string& error) {
  std::string target = NativePath(path);
  TempFile temp(target);
  int rc = temp.Error();
  if (rc == 0) rc = WriteAll(temp.Fd(), data.data(), data.size());
  if (rc == 0) rc = temp.Commit(ModeFor(target, 0666), true);
  if (rc == 0) return true;
  error = std::strerror(rc);
  return false;
}

namespace {

int CopyNative(const std::string& source, std::string target) {
  std::error_code ec;
  if (fs::is_directory(target, ec)) target = (fs::path(target) / fs::path(source).filename()).string();
  Fd in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
  if (in.Get() < 0) return errno;
  struct stat st;
  if (::fstat(in.Get(), &st) != 0) return errno;
  if (S_ISDIR(st.st_mode)) return EISDIR;
  TempFile temp(target);
  if (temp.Error() != 0) return temp.Error();
  if (int rc = CopyData(in.Get(), temp.Fd())) return rc;
  // No fsync: a copy of media is as durable as cp's; the rename still makes it all-or-nothing.
  return temp.Commit(st.st_mode & 07777, false);
}

}  // namespace

bool PosixFileSystem::CopyFile(const std::string& from, const std::string& to, std::string& error) {
  int rc = CopyNative(NativePath(from), NativePath(to));
  if (rc != 0) error = std::strerror(rc);
  return rc == 0;
}

namespace {

class PosixReader : public FileReader {
 public:
  explicit PosixReader(int fd) : fd_(fd) {}
  bool Read(char* buffer, std::size_t size, std::size_t& got, std::string& error) override {
    for (;;) {
      ssize_t n = ::read(fd_.Get(), buffer, size);
      if (n >= 0) {
        got = static_cast<std::size_t>(n);
        return true;
      }
      if (errno != EINTR) {
        error = std::strerror(errno);
        return false;
      }
    }
  }

 private:
  Fd fd_;
};

class PosixWriter : public FileWriter {
 public:
  // An image is large: what a killed writer left of it is removed even where unnamed files work.
  explicit PosixWriter(const std::string& target) : target_(target), temp_(target, true) {}
  int Error() const { return temp_.Error(); }
  bool Write(const char* data, std::size_t size, std::string& error) override {
    if (int rc = WriteAll(temp_.Fd(), data, size)) {
      error = std::strerror(rc);
      return false;
    }
    return true;
  }
  bool Commit(std::string& error) override {
    // No fsync, as for copies: an image is as durable as cp's output; the rename keeps it all-or-nothing.
    if (int rc = temp_.Commit(ModeFor(target_, 0666), false)) {
      error = std::strerror(rc);
      return false;
    }
    return true;
  }

 private:
  std::string target_;
  TempFile temp_;
};

}  // namespace

bool PosixFileSystem::ListFolder(const std::string& path, std::vector<FolderEntry>& entries,
                                 std::string& error) {
  std::string folder = NativePath(path);
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) {
    error = std::strerror(errno);
    return false;
  }
  if (folder.empty() || folder.back() != '/') folder += '/';
  entries.clear();
  errno = 0;
  while (dirent* entry = ::readdir(dir)) {
    std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat st;
    FolderEntry item;
    if (::stat((folder + name).c_str(), &st) != 0) {
      // A link in a loop is the entry's fault, not the folder's: list it so that its name is reported.
      if (errno != ELOOP || ::lstat((folder + name).c_str(), &st) != 0) {
        error = name + ": " + std::strerror(errno);
        ::closedir(dir);
        return false;
      }
      item.loop = true;
    }
    item.name = std::move(name);
    item.folder = S_ISDIR(st.st_mode);
    item.special = !item.loop && !item.folder && !S_ISREG(st.st_mode);
    item.size = item.folder || item.special || item.loop ? 0 : static_cast<std::uint64_t>(st.st_size);
    item.modified = static_cast<std::int64_t>(st.st_mtime);
    item.device = static_cast<std::uint64_t>(st.st_dev);
    item.inode = static_cast<std::uint64_t>(st.st_ino);
    entries.push_back(std::move(item));
    errno = 0;
  }
  int rc = errno;
  ::closedir(dir);
  if (rc != 0) {
    error = std::strerror(rc);
    return false;
  }
  return true;
}

std::unique_ptr<FileReader> PosixFileSystem::OpenReader(const std::string& path, std::string& error) {
  int fd = ::open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = std::strerror(errno);
    return nullptr;
  }
  return std::make_unique<PosixReader>(fd);
}

std::unique_ptr<FileWriter> PosixFileSystem::OpenAtomicWriter(const std::string& path, std::string& error) {
  auto writer = std::make_unique<PosixWriter>(NativePath(path));
  if (int rc = writer->Error()) {
    error = std::strerror(rc);
    return nullptr;
  }
  return writer;
}

#else  // Other systems: the standard library alone.

bool PosixFileSystem::WriteFileAtomic(const std::string& path, std::string_view data, std::string& error) {
  fs::path target(NativePath(path));
  fs::path temp = target;
  temp += ".orbtmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    out.flush();
    if (!out) {
      error = "cannot write " + temp.string();
      std::error_code ignored;
      fs::remove(temp, ignored);
      return false;
    }
  }
  std::error_code ec;
  fs::rename(temp, target, ec);
  if (!ec) return true;
  error = ec.message();
  fs::remove(temp, ec);
  return false;
}

bool PosixFileSystem::CopyFile(const std::string& from, const std::string& to, std::string& error) {
  fs::path target(NativePath(to));
  std::error_code ec;
  if (fs::is_directory(target, ec)) target /= fs::path(NativePath(from)).filename();
  fs::copy_file(fs::path(NativePath(from)), target, fs::copy_options::overwrite_existing, ec);
  if (ec) error = ec.message();
  return !ec;
}

namespace {

class StreamReader : public FileReader {
 public:
  explicit StreamReader(const fs::path& path) : in_(path, std::ios::binary) {}
  bool IsOpen() const { return in_.is_open(); }
  bool Read(char* buffer, std::size_t size, std::size_t& got, std::string& error) override {
    in_.read(buffer, static_cast<std::streamsize>(size));
    got = static_cast<std::size_t>(in_.gcount());
    if (in_.bad()) {
      error = "read error";
      return false;
    }
    return true;
  }

 private:
  std::ifstream in_;
};

class StreamWriter : public FileWriter {
 public:
  explicit StreamWriter(const fs::path& target) : target_(target), temp_(target) {
    temp_ += ".orbtmp";
    out_.open(temp_, std::ios::binary | std::ios::trunc);
  }
  ~StreamWriter() override {
    if (committed_) return;
    out_.close();
    std::error_code ignored;
    fs::remove(temp_, ignored);
  }
  bool IsOpen() const { return out_.is_open(); }
  bool Write(const char* data, std::size_t size, std::string& error) override {
    out_.write(data, static_cast<std::streamsize>(size));
    if (out_) return true;
    error = "cannot write " + temp_.string();
    return false;
  }
  bool Commit(std::string& error) override {
    out_.close();
    if (!out_) {
      error = "cannot write " + temp_.string();
      return false;
    }
    std::error_code ec;
    fs::rename(temp_, target_, ec);
    if (ec) {
      error = ec.message();
      return false;
    }
    committed_ = true;
    return true;
  }

 private:
  fs::path target_;
  fs::path temp_;
  std::ofstream out_;
  bool committed_ = false;
};

}  // namespace

bool PosixFileSystem::ListFolder(const std::string& path, std::vector<FolderEntry>& entries,
                                 std::string& error) {
  std::error_code ec;
  entries.clear();
  for (const auto& item : fs::directory_iterator(fs::path(NativePath(path)), ec)) {
    FolderEntry entry;
    entry.name = item.path().filename().string();
    entry.folder = item.is_directory(ec);
    entry.special = !entry.folder && !item.is_regular_file(ec);
    entry.size = entry.folder ? 0 : static_cast<std::uint64_t>(item.file_size(ec));
    auto written = item.last_write_time(ec);
    entry.modified = std::chrono::duration_cast<std::chrono::seconds>(
                         (written - fs::file_time_type::clock::now() + std::chrono::system_clock::now())
                             .time_since_epoch())
                         .count();
    entries.push_back(std::move(entry));
  }
  if (ec) error = ec.message();
  return !ec;
}

std::unique_ptr<FileReader> PosixFileSystem::OpenReader(const std::string& path, std::string& error) {
  auto reader = std::make_unique<StreamReader>(fs::path(NativePath(path)));
  if (reader->IsOpen()) return reader;
  error = "cannot open " + path;
  return nullptr;
}

std::unique_ptr<FileWriter> PosixFileSystem::OpenAtomicWriter(const std::string& path, std::string& error) {
  auto writer = std::make_unique<StreamWriter>(fs::path(NativePath(path)));
  if (writer->IsOpen()) return writer;
  error = "cannot create a file beside " + path;
  return nullptr;
}

#endif

bool PosixFileSystem::Identity(const std::string& path, std::uint64_t& device, std::uint64_t& inode) {
#if defined(__linux__)
  struct stat st;
  if (::stat(NativePath(path).c_str(), &st) != 0) return false;
  device = static_cast<std::uint64_t>(st.st_dev);
  inode = static_cast<std::uint64_t>(st.st_ino);
  return true;
#else
  (void)path, (void)device, (void)inode;
  return false;
#endif
}

std::u16string PosixFileSystem::NameToUtf16(const std::string& name) { return Utf8ToUtf16(name); }

void PosixFileSystem::DeleteFile(const std::string& path) {
  std::error_code ignored;
  fs::remove(fs::path(NativePath(path)), ignored);
}

bool PosixFileSystem::CreateFolder(const std::string& path) {
  std::error_code ec;
  fs::path folder(NativePath(path));
  fs::create_directory(folder, ec);
  return fs::is_directory(folder, ec);
}

}  // namespace orb
