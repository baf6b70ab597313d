#include "platform/regular_file.h"

#include <algorithm>

#if defined(_WIN32)
#include <windows.h>

#include <memory>

#include "platform/code_page.h"
#include "platform/path_encoding.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace platform {
namespace {

#if defined(_WIN32)
struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

FileContents Read(const std::string& path, std::uint64_t maxBytes) {
  std::wstring const wide = Utf8ToWide(NarrowPathToUtf8(path));
  HANDLE const raw = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (raw == INVALID_HANDLE_VALUE) return {{}, FileReadError::CannotOpen};  // folders fail here too
  UniqueHandle const file(raw);
  // Pipes and character devices (CON, NUL, COM1) are not disk files.
  if (GetFileType(file.get()) != FILE_TYPE_DISK) return {{}, FileReadError::NotRegular};
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) return {{}, FileReadError::ReadFailed};
  if (static_cast<std::uint64_t>(size.QuadPart) > maxBytes) return {{}, FileReadError::TooLarge};
  FileContents contents;
  contents.bytes.resize(static_cast<std::size_t>(size.QuadPart) + 1);  // one more: a file that grew
  DWORD got = 0;
  std::size_t total = 0;
  while (total < contents.bytes.size()) {
    auto const want = static_cast<DWORD>(std::min<std::size_t>(contents.bytes.size() - total, 1u << 20));
    if (!ReadFile(file.get(), contents.bytes.data() + total, want, &got, nullptr)) return {{}, FileReadError::ReadFailed};
    if (got == 0) break;
    total += got;
    if (total > maxBytes) return {{}, FileReadError::TooLarge};
  }
  contents.bytes.resize(total);
  return contents;
}
#else
class Descriptor {
 public:
  explicit Descriptor(int fd) : m_fd(fd) {}
  ~Descriptor() {
    if (m_fd >= 0) close(m_fd);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return m_fd; }

 private:
  int m_fd;
};

FileContents Read(const std::string& path, std::uint64_t maxBytes) {
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
  Descriptor const fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (fd.Get() < 0) return {{}, FileReadError::CannotOpen};
  struct stat info {};
  if (fstat(fd.Get(), &info) != 0) return {{}, FileReadError::ReadFailed};
  if (!S_ISREG(info.st_mode)) return {{}, FileReadError::NotRegular};
  if (static_cast<std::uint64_t>(info.st_size) > maxBytes) return {{}, FileReadError::TooLarge};
  FileContents contents;
  contents.bytes.resize(static_cast<std::size_t>(info.st_size) + 1);  // one more: a file that grew
  std::size_t total = 0;
  while (total < contents.bytes.size()) {
    ssize_t const got = read(fd.Get(), contents.bytes.data() + total, contents.bytes.size() - total);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return {{}, FileReadError::ReadFailed};
    if (got == 0) break;
    total += static_cast<std::size_t>(got);
    if (total > maxBytes) return {{}, FileReadError::TooLarge};
    if (total == contents.bytes.size()) contents.bytes.resize(std::min<std::uint64_t>(total * 2, maxBytes + 1));
  }
  contents.bytes.resize(total);
  return contents;
}
#endif

}  // namespace

FileContents ReadRegularFile(const std::string& path, std::uint64_t maxBytes) { return Read(path, maxBytes); }

const char* DescribeFileReadError(FileReadError error) {
  switch (error) {
    case FileReadError::None: return "";
    case FileReadError::CannotOpen: return "cannot open the file";
    case FileReadError::NotRegular: return "not a regular file";
    case FileReadError::TooLarge: return "the file is too large";
    case FileReadError::ReadFailed: return "cannot read the file";
  }
  return "";
}

}  // namespace platform
