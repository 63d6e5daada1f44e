// The media transport over the Windows media control interface: command strings, paths and replies in
// UTF-8, spoken to Windows in UTF-16.
//
// Opening a file can take the interface seconds, or forever on a broken one, so every alias gets a worker
// thread of its own that sends its commands in order (and pumps the messages of the windows its device
// makes). The caller waits at most kMciBoundMs for an open's answer, and not at all for the commands that
// only act (play, put, stop, close): a late open counts as success and the commands after it follow in
// order; an open that then fails hides its video window and its file is not opened again.
// A command that asks for a reply (a length) waits up to kMciReplyMs (the start sound's length sets how
// long it plays), or kMciBoundMs once BoundReplies was called (the menu, where a click must not wait); a
// play to a length that came too late plays to the end. Without workers (the
// editor's use) every command is sent and waited for on the caller's thread.
#pragma once

#include <utility>
#include <vector>
#include <string>

#include "common/MediaCommands.h"

namespace orb {

// Less than Media Foundation's 100 ms: an MP4 it refuses comes here next within the same click.
inline constexpr unsigned long kMciBoundMs = 60;
inline constexpr unsigned long kMciReplyMs = 3000;

class MciTransport : public MediaTransport {
 public:
  explicit MciTransport(bool workers = false);
  ~MciTransport() override;
  long Send(const std::string& command, std::string* returned) override;
  std::string ErrorText(long code) override;
  std::string ShortPath(const std::string& path) override;
  bool WindowSize(MediaWindow window, int& width, int& height) override;
  void BoundReplies();

  struct Channel;
  struct Failures;

 private:
  std::vector<std::pair<std::string, Channel*>> channels_;  // by alias in lower case
  Failures* failures_;                        // shared with the workers, which may outlive this
  bool workers_;
  unsigned long reply_ms_ = kMciReplyMs;
};

// Whether an alias's worker has not ended yet; one stuck in an open must not hold up the exit.
bool MciWorkersRunning();
// Waits up to ms while busy() says so, answering the messages the workers' windows send meanwhile.
void AnswerWhile(unsigned long ms, bool (*busy)());

}  // namespace orb
