// The image's buffered, threaded output; see BlockSink.h.
#include "disc/BlockSink.h"

#include <algorithm>
#include <cstring>

#include "disc/IsoRecords.h"

namespace orb {

namespace {

// Small enough that a buffer is still in the processor cache when it is written out.
constexpr std::size_t kBufferBytes = std::size_t{1} << 16;
constexpr int kSpareBuffers = 8;  // queued or being written while the next one fills

}  // namespace

BlockSink::BlockSink(FileWriter& out, const std::string& target, IsoProgress* progress, std::uint64_t total)
    : out_(out), target_(target), progress_(progress), total_(total), buffer_(new char[kBufferBytes]) {
  for (int i = 0; i < kSpareBuffers; ++i) empty_.emplace_back(new char[kBufferBytes]);
  thread_ = std::thread([this] { WriteLoop(); });
}

BlockSink::~BlockSink() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void BlockSink::WriteLoop() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stop_ || !full_.empty(); });
    if (stop_) return;
    Chunk chunk = std::move(full_.front());
    full_.pop_front();
    busy_ = true;
    bool ok = !write_failed_;
    std::string error;
    if (ok) {
      lock.unlock();
      ok = out_.Write(chunk.data.get(), chunk.size, error);
      lock.lock();
    }
    if (!ok && !write_failed_) {
      write_failed_ = true;
      write_error_ = std::move(error);
    }
    empty_.push_back(std::move(chunk.data));
    busy_ = false;
    changed_.notify_all();
  }
}

bool BlockSink::Fail(std::string text) {
  if (error_.empty()) error_ = std::move(text);
  return false;
}

bool BlockSink::Hand() {
  {
    std::unique_lock<std::mutex> lock(mutex_);
    if (!write_failed_) {
      full_.push_back({std::move(buffer_), used_});
      changed_.notify_all();
      changed_.wait(lock, [this] { return !empty_.empty() || write_failed_; });
    }
    if (write_failed_) return Fail(target_ + ": " + write_error_);
    buffer_ = std::move(empty_.back());
    empty_.pop_back();
  }
  handed_ += used_;
  used_ = 0;
  if (progress_ && !progress_->Advance(handed_, total_)) {
    cancelled_ = true;
    return false;
  }
  return true;
}

bool BlockSink::Put(std::string_view bytes) {
  if (Stopped()) return false;
  while (!bytes.empty()) {
    std::size_t n = std::min(bytes.size(), kBufferBytes - used_);
    std::memcpy(buffer_.get() + used_, bytes.data(), n);
    used_ += n;
    bytes.remove_prefix(n);
    if (used_ == kBufferBytes && !Hand()) return false;
  }
  return true;
}

bool BlockSink::Zeros(std::uint64_t count) {
  if (Stopped()) return false;
  while (count > 0) {
    std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(count, kBufferBytes - used_));
    std::memset(buffer_.get() + used_, 0, n);
    used_ += n;
    count -= n;
    if (used_ == kBufferBytes && !Hand()) return false;
  }
  return true;
}

bool BlockSink::PadToBlock() { return Zeros((kIsoBlock - Written() % kIsoBlock) % kIsoBlock); }

bool BlockSink::CopyFrom(FileReader& in, std::uint64_t size, const std::string& path) {
  if (Stopped()) return false;
  std::string read_error;
  while (size > 0) {
    std::size_t room = static_cast<std::size_t>(std::min<std::uint64_t>(size, kBufferBytes - used_));
    std::size_t got = 0;
    if (!in.Read(buffer_.get() + used_, room, got, read_error)) return Fail(path + ": " + read_error);
    if (got == 0) return Fail(path + ": the file became shorter while the image was written");
    used_ += got;
    size -= got;
    if (used_ == kBufferBytes && !Hand()) return false;
  }
  char extra;
  std::size_t got = 0;
  if (!in.Read(&extra, 1, got, read_error)) return Fail(path + ": " + read_error);
  if (got != 0) return Fail(path + ": the file became longer while the image was written");
  return true;
}

bool BlockSink::Finish() {
  if (Stopped()) return false;
  if (used_ > 0 && !Hand()) return false;
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return (full_.empty() && !busy_) || write_failed_; });
  if (write_failed_) return Fail(target_ + ": " + write_error_);
  return true;
}

}  // namespace orb
