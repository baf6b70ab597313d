#include "platform/atomic_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "platform/message_text.h"
#include "platform/system_error.h"
#include "platform/user_files.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {
namespace {

// A temporary file that another program (or an earlier run) left under our first choice of name is never
// opened: the next name is tried.
constexpr int kTemporaryNameTries = 100;

std::string TemporaryName(const std::string& path, const std::string& processTag, int attempt) {
  return path + ".tmp-" + processTag + (attempt == 0 ? "" : "-" + std::to_string(attempt));
}

// "cannot write PATH: CAUSE", the path as a message may show it.
std::string CannotWrite(const std::string& path, const std::string& cause) {
  return "cannot write " + QuoteForMessage(path, kQuotedArgumentBytes) + ": " + cause;
}

#if defined(_WIN32)

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD const chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// A device (NUL, CON) or a pipe cannot be replaced: it is written as it is. Null for anything else.
UniqueHandle OpenIfNotAFile(const std::string& path) {
  HANDLE const raw = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (raw == INVALID_HANDLE_VALUE) return nullptr;
  UniqueHandle file(raw);
  return GetFileType(raw) == FILE_TYPE_DISK ? nullptr : std::move(file);
}

std::string Replace(const std::string& path, std::string_view bytes, NewFileAccess) {
  if (auto const device = OpenIfNotAFile(path))
    return WriteAll(device.get(), bytes) ? "" : CannotWrite(path, LastSystemError());
  std::string const tag = std::to_string(GetCurrentProcessId());
  std::string temporary;
  UniqueHandle file;
  for (int attempt = 0; attempt < kTemporaryNameTries && !file; ++attempt) {
    temporary = TemporaryName(path, tag, attempt);
    HANDLE const raw = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    if (raw != INVALID_HANDLE_VALUE) file.reset(raw);
    else if (GetLastError() != ERROR_FILE_EXISTS) return CannotWrite(path, LastSystemError());
  }
  if (!file) return CannotWrite(path, "no free name for a temporary file beside it");
  if (!WriteAll(file.get(), bytes) || !FlushFileBuffers(file.get())) {
    std::string const cause = LastSystemError();
    file.reset();
    DeleteFileA(temporary.c_str());
    return CannotWrite(path, cause);
  }
  file.reset();
  if (!MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    std::string const cause = LastSystemError();
    DeleteFileA(temporary.c_str());
    return CannotWrite(path, cause);
  }
  return {};
}

#else

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t const n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Writes into what is at `path` as it stands: a device or a FIFO, which a rename would replace by a file.
std::string WriteInPlace(const std::string& path, std::string_view bytes) {
  int const fd = open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return CannotWrite(path, LastSystemError());
  bool const written = WriteAll(fd, bytes);
  std::string const cause = written ? "" : LastSystemError();
  if (close(fd) != 0 && written) return CannotWrite(path, LastSystemError());
  return written ? "" : CannotWrite(path, cause);
}

// Writes the temporary file, closes it and renames it over `path`: empty, or the cause of the failure (the
// caller then removes the temporary file).
std::string WriteAndRename(const std::string& path, int fd, const std::string& temporary, std::string_view bytes) {
  bool ok = WriteAll(fd, bytes) && fsync(fd) == 0;
  std::string cause = ok ? "" : LastSystemError();
  // Some file systems report a full disk only when the file is closed.
  if (close(fd) != 0 && ok) {
    ok = false;
    cause = LastSystemError();
  }
  if (!ok) return cause;
  if (rename(temporary.c_str(), path.c_str()) != 0) return LastSystemError();
  // The rename itself reaches the disk with the folder's entry.
  std::string const folder = FolderOf(path);
  int const dir = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    fsync(dir);
    close(dir);
  }
  return {};
}

std::string Replace(const std::string& given, std::string_view bytes, NewFileAccess access) {
  std::string path = given;
  mode_t mode = access == NewFileAccess::owner ? 0600 : 0666;  // less the umask
  bool keepMode = false;
  struct stat info {};
  if (stat(given.c_str(), &info) == 0) {
    if (S_ISDIR(info.st_mode)) return CannotWrite(given, SystemErrorText(EISDIR));
    if (!S_ISREG(info.st_mode)) return WriteInPlace(given, bytes);
    mode = info.st_mode & 07777;
    keepMode = true;
    // A link stays a link: the file it points to is the one replaced.
    struct stat link {};
    char resolved[PATH_MAX];
    if (lstat(given.c_str(), &link) == 0 && S_ISLNK(link.st_mode) && realpath(given.c_str(), resolved) != nullptr)
      path = resolved;
  }
  std::string const tag = std::to_string(getpid());
  for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
    std::string const temporary = TemporaryName(path, tag, attempt);
    // O_EXCL: never a file, or a link, that someone else put under that name.
    int const fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) return CannotWrite(given, LastSystemError());
    if (keepMode) fchmod(fd, mode);  // open() took the umask off the old file's mode
    std::string const cause = WriteAndRename(path, fd, temporary, bytes);
    if (cause.empty()) return {};
    unlink(temporary.c_str());
    return CannotWrite(given, cause);
  }
  return CannotWrite(given, "no free name for a temporary file beside it");
}

#endif

}  // namespace

std::string WriteFileAtomically(const std::string& path, std::string_view bytes, MissingFolders folders,
                                NewFileAccess access) {
  std::string const folder = FolderOf(path);
  if (folders == MissingFolders::create) {
    if (std::string problem = MakeFolders(folder); !problem.empty()) return problem;
  }
  return Replace(path, bytes, access);
}

FileRead ReadWholeFile(const std::string& path, std::size_t maxBytes) {
  FileRead result;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) {
    if (errno == ENOENT) return result;
    result.status = FileRead::Status::failed;
    result.problem = "cannot open " + path + ": " + std::strerror(errno);
    return result;
  }
  char buffer[4096];
  for (;;) {
    std::size_t const n = std::fread(buffer, 1, sizeof buffer, file.get());
    result.bytes.append(buffer, n);
    if (result.bytes.size() > maxBytes) {
      result.status = FileRead::Status::failed;
      result.problem = path + " is larger than " + std::to_string(maxBytes) + " bytes";
      result.bytes.clear();
      return result;
    }
    if (n < sizeof buffer) break;
  }
  if (std::ferror(file.get())) {
    result.status = FileRead::Status::failed;
    result.problem = "cannot read " + path;
    result.bytes.clear();
    return result;
  }
  result.status = FileRead::Status::read;
  return result;
}

}  // namespace platform
