// The file-operations seam over std::filesystem and, on Linux, the kernel's copy calls; see
// PosixFileSystem.h.
#include "common/PosixFileSystem.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#if defined(__linux__)
#include <fcntl.h>
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

// A temporary file beside target, removed again unless Commit renamed it into place.
class TempFile {
 public:
  explicit TempFile(const std::string& target) : target_(target) {
    fs::path t(target);
    std::string leaf = ".";
    leaf += t.filename().string();
    leaf += ".orbtmp-XXXXXX";
    std::string name = (t.parent_path() / leaf).string();
    name_.assign(name.begin(), name.end());
    name_.push_back('\0');
    fd_ = ::mkstemp(name_.data());
    if (fd_ < 0) error_ = errno;
    created_ = fd_ >= 0;
  }
  ~TempFile() {
    if (fd_ >= 0) ::close(fd_);
    if (created_ && !committed_) ::unlink(name_.data());
  }
  int Fd() const { return fd_; }
  int Error() const { return error_; }
  // Closes the file, gives it mode and renames it over the target; an errno value on failure.
  int Commit(mode_t mode, bool sync) {
    if (::fchmod(fd_, mode) != 0) return errno;
    if (sync && ::fsync(fd_) != 0) return errno;
    int rc = ::close(fd_);
    fd_ = -1;
    if (rc != 0) return errno;
    if (::rename(name_.data(), target_.c_str()) != 0) return errno;
    committed_ = true;
    return 0;
  }

 private:
  std::string target_;
  std::vector<char> name_;
  int fd_ = -1;
  int error_ = 0;
  bool created_ = false;
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

int PosixFileSystem::CopyFile(const std::string& from, const std::string& to) {
  std::string source = NativePath(from);
  std::string target = NativePath(to);
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

int PosixFileSystem::CopyFile(const std::string& from, const std::string& to) {
  fs::path target(NativePath(to));
  std::error_code ec;
  if (fs::is_directory(target, ec)) target /= fs::path(NativePath(from)).filename();
  fs::copy_file(fs::path(NativePath(from)), target, fs::copy_options::overwrite_existing, ec);
  return ec ? (ec.value() != 0 ? ec.value() : 1) : 0;
}

#endif

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
