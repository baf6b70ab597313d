#include "platform/command_runner.h"

#include <cstdlib>
#include <iostream>
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

int RunWithSystemInterpreter(const std::string& commandLine) {
  if (std::getenv(kNoPowerOffVariable) != nullptr) {
    std::cerr << "wannianli: " << kNoPowerOffVariable << " is set; not running '" << commandLine << "'\n";
    return -1;
  }
  int const status = std::system(commandLine.c_str());
#if defined(_WIN32)
  return status;
#else
  if (status == -1 || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
#endif
}

}  // namespace

int RunCommandLine(const std::string& commandLine) {
  const CommandRunner& runner = InstalledRunner();
  return runner ? runner(commandLine) : RunWithSystemInterpreter(commandLine);
}

void SetCommandRunner(CommandRunner runner) { InstalledRunner() = std::move(runner); }

std::string PowerOffCommandLine() {
#if defined(_WIN32)
  return "shutdown -s -f -t 0";
#else
  return "systemctl poweroff";
#endif
}

}  // namespace platform
