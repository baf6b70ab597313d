#pragma once
// Whole-file reads and atomic replacement of files the program writes (settings, snapshots). Paths are
// narrow paths.
#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// Whether missing parent folders of the file are made (a settings folder), or the write fails (a path the
// user typed, where a new folder would only hide a typo).
enum class MissingFolders { create, fail };
// Who may read a file that did not exist before: its owner alone (settings), or whoever the umask lets
// (a picture the user asked for). A file that existed keeps its permissions.
enum class NewFileAccess { owner, everyone };

// Replaces the file at `path` with `bytes` in one step: the bytes go to a temporary file beside it (made
// anew, never one that is there already), are flushed to the disk, and the temporary file is then renamed
// over `path` (on Windows MoveFileEx with MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH). A crash, a
// full disk or a file-size limit leaves either the old file or the new one, never a mix, and no temporary
// file after a failure. A symbolic link is kept: the file it points to is replaced. A `path` that is not a
// regular file (a device such as /dev/stdout or NUL, a FIFO) is written directly, as it cannot be replaced.
// Returns an empty string on success, else one line naming the file and the cause ("cannot write
// out.png: No space left on device"); the old file is then untouched.
std::string WriteFileAtomically(const std::string& path, std::string_view bytes,
                                MissingFolders folders = MissingFolders::create,
                                NewFileAccess access = NewFileAccess::owner);

struct FileRead {
  enum class Status { read, missing, failed };
  Status status = Status::missing;
  std::string bytes;    // the content when read
  std::string problem;  // what failed, naming the file, when failed
};

// The whole file at `path`; `failed` for a file that cannot be read or is larger than `maxBytes`.
FileRead ReadWholeFile(const std::string& path, std::size_t maxBytes);

}  // namespace platform
