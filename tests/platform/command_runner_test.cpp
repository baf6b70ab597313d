// The command runner seam. Only harmless command lines are ever run here; the power-off command line is
// only looked at, never run.
#include "platform/command_runner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

#if defined(_WIN32)
// The C library of Windows has no setenv: an empty value removes the variable there.
void SetVariable(const char* name, const char* value) { _putenv_s(name, value); }
void ClearVariable(const char* name) { _putenv_s(name, ""); }
#else
void SetVariable(const char* name, const char* value) { ::setenv(name, value, 1); }
void ClearVariable(const char* name) { ::unsetenv(name); }
#endif

// Sets or clears the guard variable for one test and puts back what was there.
class GuardVariable {
 public:
  explicit GuardVariable(bool set) {
    if (const char* old = std::getenv(platform::kNoPowerOffVariable)) saved_ = old;
    if (set) SetVariable(platform::kNoPowerOffVariable, "1");
    else ClearVariable(platform::kNoPowerOffVariable);
  }
  ~GuardVariable() {
    if (saved_) SetVariable(platform::kNoPowerOffVariable, saved_->c_str());
    else ClearVariable(platform::kNoPowerOffVariable);
  }

 private:
  std::optional<std::string> saved_;
};

TEST(CommandRunner, AnInstalledRunnerGetsTheCommandLineInsteadOfTheSystem) {
  std::vector<std::string> ran;
  platform::SetCommandRunner([&ran](const std::string& line) {
    ran.push_back(line);
    return 0;
  });
  EXPECT_EQ(platform::RunCommandLine("exit 7"), 0);
  platform::SetCommandRunner({});
  EXPECT_EQ(ran, std::vector<std::string>{"exit 7"});
}

TEST(CommandRunner, TheRealRunnerRunsToCompletionAndGivesTheExitStatus) {
  GuardVariable guard(false);
  platform::SetCommandRunner({});
  EXPECT_EQ(platform::RunCommandLine("exit 3"), 3);
}

TEST(CommandRunner, TheRealRunnerRefusesWhileTheGuardVariableIsSet) {
  GuardVariable guard(true);
  platform::SetCommandRunner({});
  testing::internal::CaptureStderr();
  EXPECT_EQ(platform::RunCommandLine("exit 3"), -1);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("WANNIANLI_NO_POWEROFF"), std::string::npos);
}

TEST(CommandRunner, PowerOffIsSystemctlOnLinux) {
#if !defined(_WIN32)
  EXPECT_EQ(platform::PowerOffCommandLine(), "systemctl poweroff");
#endif
}

}  // namespace
