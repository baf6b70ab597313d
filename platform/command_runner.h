#pragma once
// Running a host command line (the power-off after the user confirmed it). The runner is a seam: tests
// install a recording runner before any window exists, so no test can reach the real command.
//
// The real runner refuses to run anything while the environment variable WANNIANLI_NO_POWEROFF is set
// (the test suite, benchmarks and CI scripts set it): a second guard behind the seam.
#include <functional>
#include <string>

namespace platform {

// Runs `commandLine` to completion through the installed runner, or the system's command interpreter when
// none is installed. Returns the command's exit status, or -1 when it could not be run (or was refused).
int RunCommandLine(const std::string& commandLine);

// Installs a runner; an empty function restores the real one.
using CommandRunner = std::function<int(const std::string& commandLine)>;
void SetCommandRunner(CommandRunner runner);

// The name of the guard variable.
inline constexpr const char* kNoPowerOffVariable = "WANNIANLI_NO_POWEROFF";

// The command line that powers this machine off at once.
std::string PowerOffCommandLine();

}  // namespace platform
