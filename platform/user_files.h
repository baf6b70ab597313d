#pragma once
// The user's own data folder and the few file operations its store and exports need. Paths are narrow
// paths of the file system (UTF-8 on Linux, and on Windows too under the program's manifest).
#include <string>
#include <string_view>

namespace platform {

// Where the user's notes and imported holiday schedules live: $WANNIANLI_DATA_DIR when set (tests, portable
// use), else $XDG_DATA_HOME/wannianli (ignored unless absolute), else ~/.local/share/wannianli;
// %APPDATA%\wannianli on Windows. Empty when no home can be named. Not created here.
std::string UserDataFolder();

// Creates `folder` and every missing folder above it (private to the user where the system has modes).
// Returns an empty string, or what failed.
std::string MakeFolders(const std::string& folder);

// Renames `from` to `to` (which must not exist). Returns an empty string, or what failed.
std::string RenameFile(const std::string& from, const std::string& to);

// Replaces the file at `path` with `bytes` in one step: a temporary file beside it is written, flushed to the
// disk and renamed over `path`, so a crash or a full disk leaves the old file or the new one, never a mix.
// Returns an empty string, or what failed (the old file is then untouched and no temporary file is left).
std::string WriteFileReplacing(const std::string& path, std::string_view bytes);

// The folder part of `path` ("" when it has none).
std::string FolderOf(const std::string& path);

}  // namespace platform
