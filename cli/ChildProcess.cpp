// posix_spawn with the output on a pipe; see ChildProcess.h.
#include "cli/ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

extern char** environ;

namespace orb::cli {

ChildResult RunChild(const std::vector<std::string>& argv, int timeout_seconds, bool* timed_out) {
  ChildResult result;
  if (argv.empty()) {
    result.error = "no program named";
    return result;
  }
  int pipe_ends[2];
  if (pipe2(pipe_ends, O_CLOEXEC) != 0) {
    result.error = std::string("cannot make a pipe: ") + std::strerror(errno);
    return result;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], 1);
  posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], 2);

  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  if (timeout_seconds > 0) {
    // Its own group, so that the shell's children go with it when the time is up.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
  }
  pid_t pid = 0;
  int rc = posix_spawnp(&pid, args[0], &actions, &attributes, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  close(pipe_ends[1]);
  if (rc != 0) {
    close(pipe_ends[0]);
    result.error = "cannot run " + argv[0] + ": " + std::strerror(rc);
    return result;
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeout_seconds);
  char buffer[4096];
  for (;;) {
    if (timeout_seconds > 0) {
      auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
      pollfd ready = {pipe_ends[0], POLLIN, 0};
      int polled = left.count() > 0 ? poll(&ready, 1, static_cast<int>(left.count())) : 0;
      if (polled < 0 && errno == EINTR) continue;
      if (polled == 0) {
        kill(-pid, SIGKILL);
        if (timed_out) *timed_out = true;
        break;
      }
    }
    ssize_t n = read(pipe_ends[0], buffer, sizeof buffer);
    if (n > 0) {
      result.output.append(buffer, static_cast<size_t>(n));
    } else if (n == 0 || errno != EINTR) {
      break;
    }
  }
  close(pipe_ends[0]);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) {
      result.error = std::string("lost the child process: ") + std::strerror(errno);
      return result;
    }
  }
  result.started = true;
  if (WIFEXITED(status)) {
    result.exit_code = WEXITSTATUS(status);
  } else if (WIFSIGNALED(status)) {
    result.exit_code = 128 + WTERMSIG(status);
  }
  return result;
}

CommandResult ShellCommandRunner::Run(const std::string& command_line, int timeout_seconds) {
  bool timed_out = false;
  ChildResult child = RunChild({"/bin/sh", "-c", command_line}, timeout_seconds, &timed_out);
  CommandResult result;
  result.started = child.started;
  result.timed_out = timed_out;
  result.exit_code = child.exit_code;
  result.output = child.output;
  result.error = child.error;
  return result;
}

}  // namespace orb::cli
