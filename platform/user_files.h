#pragma once
// The file operations the user's store needs beside SQLite: its folder made, a damaged file moved aside.
// Paths are narrow paths of the file system (UTF-8 on Linux, and on Windows too under the manifest).
#include <string>

namespace platform {

// Creates `folder` and every missing folder above it (private to the user where the system has modes).
// Returns an empty string, or what failed.
std::string MakeFolders(const std::string& folder);

// Renames `from` to `to` (which must not exist). Returns an empty string, or what failed.
std::string RenameFile(const std::string& from, const std::string& to);

// The folder part of `path` ("" when it has none).
std::string FolderOf(const std::string& path);

}  // namespace platform
