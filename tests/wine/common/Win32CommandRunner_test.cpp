// The command runner on Windows: cmd.exe's own quoting, both outputs in order, the exit code, and the
// time bound that ends a command that never finishes.
#include "common/win/Win32CommandRunner.h"

#include <gtest/gtest.h>

namespace orb {
namespace {

TEST(Win32CommandRunner, RunsTheLineAsAPromptWouldAndEndsOneThatTakesTooLong) {
  Win32CommandRunner runner;
  CommandResult run = runner.Run("echo \"quoted arg\" & echo to stderr 1>&2 & exit /b 7", 30);
  ASSERT_TRUE(run.started) << run.error;
  EXPECT_FALSE(run.timed_out);
  EXPECT_EQ(run.exit_code, 7);
  EXPECT_NE(run.output.find("\"quoted arg\""), std::string::npos) << run.output;
  EXPECT_LT(run.output.find("quoted arg"), run.output.find("to stderr")) << run.output;

  CommandResult slow = runner.Run("ping -n 60 127.0.0.1 >nul", 1);
  EXPECT_TRUE(slow.started);
  EXPECT_TRUE(slow.timed_out);
  EXPECT_NE(slow.exit_code, 0);
}

}  // namespace
}  // namespace orb
