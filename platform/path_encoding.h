#pragma once
// File names as the C and OS file functions take them ("narrow" paths) versus UTF-8, which SQLite takes.
#include <string>
#include <string_view>

namespace platform {

// The UTF-8 form of a narrow path: unchanged on Linux, where paths are UTF-8 already; on Windows decoded
// from the code page the file functions use (the ANSI code page, 936 on Chinese Windows).
std::string NarrowPathToUtf8(std::string_view path);

}  // namespace platform
