#include "platform/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "platform/executable_path.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {
namespace {

std::string FolderOf(const std::string& file) {
  std::size_t const slash = file.find_last_of(PathSeparator() == '/' ? "/" : "/\\");
  return slash == std::string::npos ? std::string() : file.substr(0, slash);
}

#if defined(_WIN32)

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

std::string LastError() {
  DWORD const code = GetLastError();
  return "Windows error " + std::to_string(code);
}

// Every missing folder on the way, from the outermost one in.
bool MakeFolders(const std::string& folder) {
  if (folder.empty()) return true;
  DWORD const attributes = GetFileAttributesA(folder.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  std::string const parent = FolderOf(folder);
  if (parent != folder && !parent.empty() && parent.back() != ':' && !MakeFolders(parent)) return false;
  return CreateDirectoryA(folder.c_str(), nullptr) != 0 || GetLastError() == ERROR_ALREADY_EXISTS;
}

std::string WriteAndReplace(const std::string& path, const std::string& temporary, std::string_view bytes) {
  {
    HANDLE const raw = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    if (raw == INVALID_HANDLE_VALUE) return "cannot create " + temporary + ": " + LastError();
    UniqueHandle const file(raw);
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size() || !FlushFileBuffers(file.get())) {
      return "cannot write " + temporary + ": " + LastError();
    }
  }
  if (!MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return "cannot replace " + path + ": " + LastError();
  }
  return {};
}

void RemoveFile(const std::string& path) { DeleteFileA(path.c_str()); }
std::string ProcessTag() { return std::to_string(GetCurrentProcessId()); }

#else

std::string LastError() { return std::strerror(errno); }

bool MakeFolders(const std::string& folder) {
  if (folder.empty()) return true;
  struct stat info {};
  if (stat(folder.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
  std::string const parent = FolderOf(folder);
  if (parent != folder && !parent.empty() && !MakeFolders(parent)) return false;
  return mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

std::string WriteAndReplace(const std::string& path, const std::string& temporary, std::string_view bytes) {
  int const fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return "cannot create " + temporary + ": " + LastError();
  bool ok = true;
  for (std::size_t done = 0; ok && done < bytes.size();) {
    ssize_t const n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += static_cast<std::size_t>(n);
  }
  std::string problem = ok && fsync(fd) == 0 ? "" : "cannot write " + temporary + ": " + LastError();
  if (close(fd) != 0 && problem.empty()) problem = "cannot write " + temporary + ": " + LastError();
  if (!problem.empty()) return problem;
  if (rename(temporary.c_str(), path.c_str()) != 0) return "cannot replace " + path + ": " + LastError();
  // The rename itself reaches the disk with the folder's entry.
  std::string const folder = FolderOf(path);
  int const dir = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    fsync(dir);
    close(dir);
  }
  return {};
}

void RemoveFile(const std::string& path) { unlink(path.c_str()); }
std::string ProcessTag() { return std::to_string(getpid()); }

#endif

}  // namespace

std::string WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::string const folder = FolderOf(path);
  if (!MakeFolders(folder)) return "cannot create the folder " + folder + ": " + LastError();
  // One temporary name per process, so that two programs saving at once never write into one file.
  std::string const temporary = path + ".tmp-" + ProcessTag();
  std::string problem = WriteAndReplace(path, temporary, bytes);
  if (!problem.empty()) RemoveFile(temporary);
  return problem;
}

FileRead ReadWholeFile(const std::string& path, std::size_t maxBytes) {
  FileRead result;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) {
    if (errno == ENOENT) return result;
    result.status = FileRead::Status::failed;
    result.problem = "cannot open " + path + ": " + LastError();
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
