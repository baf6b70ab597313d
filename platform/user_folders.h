#pragma once
// The user's own folders, apart from the read-only files beside the program. Paths are narrow paths of
// the file system (UTF-8 on Linux, and on Windows too under the program's manifest).
#include <string>

namespace platform {

// Where the user's settings live: $XDG_CONFIG_HOME/wannianli, or ~/.config/wannianli when that is unset or
// not absolute; %APPDATA%\wannianli on Windows. Empty when no home can be named. Not created here.
std::string ConfigFolder();

// Where the user's notes and imported holiday schedules live: $WANNIANLI_DATA_DIR when set (tests, portable
// use), else $XDG_DATA_HOME/wannianli (ignored unless absolute), else ~/.local/share/wannianli;
// %APPDATA%\wannianli on Windows. Empty when no home can be named. Not created here.
std::string DataFolder();

// The per-user folder for sockets and locks of the running session: $XDG_RUNTIME_DIR when it is set and
// absolute, else empty. Linux only (empty on Windows, which has session-local names instead).
std::string RuntimeFolder();

}  // namespace platform
