// The image's bytes on their way out: gathered in buffers of 64 KiB that a second thread writes, so that
// reading the files and writing the image overlap; the progress is told on the caller's thread.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "common/FileSystem.h"
#include "disc/IsoImage.h"

namespace orb {

class BlockSink {
 public:
  // target: the image's name, which a failed write names.
  BlockSink(FileWriter& out, const std::string& target, IsoProgress* progress, std::uint64_t total);
  // Stops the writing thread; what was not yet written is dropped.
  ~BlockSink();
  BlockSink(const BlockSink&) = delete;
  BlockSink& operator=(const BlockSink&) = delete;

  // Each returns false once the write failed or was cancelled (see Error and Cancelled).
  bool Put(std::string_view bytes);
  bool Zeros(std::uint64_t count);
  bool PadToBlock();
  // Reads size bytes of a file straight into the buffers; a file whose length changed since it was
  // listed fails, since its directory record already holds the old length.
  bool CopyFrom(FileReader& in, std::uint64_t size, const std::string& path);
  // Writes what is left and waits until all is written.
  bool Finish();

  std::uint64_t Written() const { return handed_ + used_; }  // bytes given to the sink so far
  bool Cancelled() const { return cancelled_; }
  // After a failure or a cancel nothing more is taken (the buffer may be gone to the thread).
  bool Stopped() const { return cancelled_ || !error_.empty(); }
  const std::string& Error() const { return error_; }
  bool Fail(std::string text);

 private:
  struct Chunk {
    std::unique_ptr<char[]> data;
    std::size_t size = 0;
  };
  bool Hand();  // gives the full buffer to the thread and takes an empty one
  void WriteLoop();

  FileWriter& out_;
  std::string target_;
  IsoProgress* progress_;
  std::uint64_t total_;
  std::unique_ptr<char[]> buffer_;  // the one being filled
  std::size_t used_ = 0;
  std::uint64_t handed_ = 0;
  bool cancelled_ = false;
  std::string error_;

  // Shared with the writing thread, under mutex_.
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Chunk> full_;
  std::vector<std::unique_ptr<char[]>> empty_;
  bool busy_ = false;  // the thread holds a chunk
  bool stop_ = false;
  bool write_failed_ = false;
  std::string write_error_;
  std::thread thread_;
};

}  // namespace orb
