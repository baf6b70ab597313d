#include "platform/command_runner.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Restores the real runner when a test ends, however it ends.
struct RunnerGuard {
  ~RunnerGuard() { platform::SetCommandRunner({}); }
};

TEST(CommandRunner, AnInstalledRunnerGetsTheCommandInsteadOfTheSystem) {
  RunnerGuard guard;
  std::vector<std::string> seen;
  platform::SetCommandRunner([&seen](const std::string& command) {
    seen.push_back(command);
    return 7;
  });
  // Only ever spelled out to a recording runner.
  EXPECT_EQ(platform::RunCommand("shutdown -s -f -t 0"), 7);
  EXPECT_EQ(seen, std::vector<std::string>{"shutdown -s -f -t 0"});
}

TEST(CommandRunner, TheRealRunnerReportsTheExitStatus) {
  RunnerGuard guard;
  platform::SetCommandRunner([](const std::string&) { return 99; });
  platform::SetCommandRunner({});
  EXPECT_EQ(platform::RunCommand("exit 3"), 3);
  EXPECT_EQ(platform::RunCommand("exit 0"), 0);
}

}  // namespace
