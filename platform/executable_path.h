#pragma once
// Where the running program lives: the database and the skin folder are found beside it.
#include <optional>
#include <string>

namespace platform {

// Full file name of the running executable in the file system's narrow encoding (on Linux the target of
// /proc/self/exe), or the override when one is installed; empty when it cannot be found out.
std::string ExecutablePath();

// The path separator of the file system ('/' on Linux, '\\' on Windows).
char PathSeparator();

// Installs a path that ExecutablePath() returns instead of the real one (tests point the program's
// neighbours elsewhere with it); std::nullopt restores the real path.
void SetExecutablePathOverride(std::optional<std::string> path);

}  // namespace platform
