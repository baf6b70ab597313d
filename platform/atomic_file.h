#pragma once
// Whole-file reads and atomic replacement of small user files (settings). Paths are narrow paths.
#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// Replaces the file at `path` with `bytes` in one step: the bytes go to a temporary file beside it, are
// flushed to the disk, and the temporary file is then renamed over `path`. A crash or a full disk leaves
// either the old file or the new one, never a mix. Missing parent folders are created. Returns an empty
// string on success, else what failed (naming the file); the old file is then untouched.
std::string WriteFileAtomically(const std::string& path, std::string_view bytes);

struct FileRead {
  enum class Status { read, missing, failed };
  Status status = Status::missing;
  std::string bytes;    // the content when read
  std::string problem;  // what failed, naming the file, when failed
};

// The whole file at `path`; `failed` for a file that cannot be read or is larger than `maxBytes`.
FileRead ReadWholeFile(const std::string& path, std::size_t maxBytes);

}  // namespace platform
