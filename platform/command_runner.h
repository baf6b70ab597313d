#pragma once
// Runs a command line through the system's command interpreter: the shutdown button's power-off command.
// Tests and demos install a runner of their own, so that nothing they do can reach a real command.
#include <functional>
#include <string>

namespace platform {

// Returns the command's exit status, or -1 when the interpreter could not run it.
using CommandRunner = std::function<int(const std::string& command)>;

// Runs `command` with the installed runner, or else with the C library's `system` (cmd.exe on Windows,
// /bin/sh elsewhere).
int RunCommand(const std::string& command);

// Installs a runner; an empty function restores the real one.
void SetCommandRunner(CommandRunner runner);

}  // namespace platform
