#include "platform/command_runner.h"

#include <cstdlib>
#include <utility>

#if !defined(_WIN32)
#include <sys/wait.h>
#endif

namespace platform {
namespace {

CommandRunner& InstalledRunner() {
  static CommandRunner runner;
  return runner;
}

int SystemRun(const std::string& command) {
  int const status = std::system(command.c_str());
#if defined(_WIN32)
  return status;  // cmd.exe's exit code, or -1
#else
  if (status == -1 || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
#endif
}

}  // namespace

int RunCommand(const std::string& command) {
  const CommandRunner& runner = InstalledRunner();
  return runner ? runner(command) : SystemRun(command);
}

void SetCommandRunner(CommandRunner runner) { InstalledRunner() = std::move(runner); }

}  // namespace platform
