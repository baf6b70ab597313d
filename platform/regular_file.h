#pragma once
// Reading a whole file named by data (a skin, an image) without trusting what the name points at: only a
// regular file (or a link to one) of bounded size is read. A FIFO, a device such as /dev/zero or a folder is
// refused at once, never waited on or read without end.
#include <cstdint>
#include <string>

namespace platform {

enum class FileReadError { None, CannotOpen, NotRegular, TooLarge, ReadFailed };

struct FileContents {
  std::string bytes;
  FileReadError error = FileReadError::None;
};

// The bytes of the regular file at `path` (a narrow path), or the reason it was refused. A file that grows
// past `maxBytes` while it is read is refused too.
FileContents ReadRegularFile(const std::string& path, std::uint64_t maxBytes);

// A short English phrase for a message ("not a regular file", ...); empty for None.
const char* DescribeFileReadError(FileReadError error);

}  // namespace platform
