#include "platform/user_files.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "platform/executable_path.h"

#if defined(_WIN32)
#include <windows.h>

#include "platform/code_page.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {
namespace {

#if defined(_WIN32)
std::string LastError() { return "Windows error " + std::to_string(GetLastError()); }

std::string Variable(const wchar_t* name) {
  wchar_t buffer[MAX_PATH * 2];
  DWORD const n = GetEnvironmentVariableW(name, buffer, static_cast<DWORD>(std::size(buffer)));
  if (n == 0 || n >= std::size(buffer)) return {};
  return WideToUtf8(std::wstring_view(buffer, n));
}
#else
std::string LastError() { return std::strerror(errno); }

// The XDG base-directory rules ignore a relative value: it would depend on the current folder.
std::string AbsoluteVariable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || value[0] != '/') return {};
  std::string folder(value);
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}
#endif

}  // namespace

std::string FolderOf(const std::string& path) {
  std::size_t const slash = path.find_last_of(PathSeparator() == '/' ? "/" : "/\\");
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string UserDataFolder() {
  char const s = PathSeparator();
#if defined(_WIN32)
  if (std::string own = Variable(L"WANNIANLI_DATA_DIR"); !own.empty()) return own;
  std::string const appData = Variable(L"APPDATA");
  return appData.empty() ? std::string() : appData + s + "wannianli";
#else
  if (const char* own = std::getenv("WANNIANLI_DATA_DIR"); own != nullptr && own[0] != '\0') return own;
  if (std::string base = AbsoluteVariable("XDG_DATA_HOME"); !base.empty()) return base + s + "wannianli";
  std::string const home = AbsoluteVariable("HOME");
  if (home.empty()) return {};
  return home + s + ".local" + s + "share" + s + "wannianli";
#endif
}

std::string MakeFolders(const std::string& folder) {
  if (folder.empty()) return {};
#if defined(_WIN32)
  DWORD const attributes = GetFileAttributesA(folder.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? "" : folder + " is not a folder";
  }
  std::string const parent = FolderOf(folder);
  if (!parent.empty() && parent != folder && parent.back() != ':') {
    if (std::string problem = MakeFolders(parent); !problem.empty()) return problem;
  }
  if (CreateDirectoryA(folder.c_str(), nullptr) == 0 && GetLastError() != ERROR_ALREADY_EXISTS) {
    return "cannot create the folder " + folder + ": " + LastError();
  }
#else
  struct stat info {};
  if (stat(folder.c_str(), &info) == 0) return S_ISDIR(info.st_mode) ? "" : folder + " is not a folder";
  std::string const parent = FolderOf(folder);
  if (!parent.empty() && parent != folder) {
    if (std::string problem = MakeFolders(parent); !problem.empty()) return problem;
  }
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
    return "cannot create the folder " + folder + ": " + LastError();
  }
#endif
  return {};
}

std::string RenameFile(const std::string& from, const std::string& to) {
#if defined(_WIN32)
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) == 0) {
    return "cannot rename " + from + " to " + to + ": " + LastError();
  }
#else
  if (rename(from.c_str(), to.c_str()) != 0) return "cannot rename " + from + " to " + to + ": " + LastError();
#endif
  return {};
}

std::string WriteFileReplacing(const std::string& path, std::string_view bytes) {
#if defined(_WIN32)
  std::string const temporary = path + ".tmp-" + std::to_string(GetCurrentProcessId());
  HANDLE const file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                  nullptr);
  if (file == INVALID_HANDLE_VALUE) return "cannot create " + temporary + ": " + LastError();
  DWORD written = 0;
  bool const ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != 0 &&
                  written == bytes.size() && FlushFileBuffers(file) != 0;
  std::string problem = ok ? "" : "cannot write " + temporary + ": " + LastError();
  CloseHandle(file);
  if (problem.empty() &&
      MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
    problem = "cannot replace " + path + ": " + LastError();
  }
  if (!problem.empty()) DeleteFileA(temporary.c_str());
  return problem;
#else
  std::string const temporary = path + ".tmp-" + std::to_string(getpid());
  int const fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return "cannot create " + temporary + ": " + LastError();
  std::string problem;
  for (std::size_t done = 0; problem.empty() && done < bytes.size();) {
    ssize_t const n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) problem = "cannot write " + temporary + ": " + LastError();
    else done += static_cast<std::size_t>(n);
  }
  if (problem.empty() && fsync(fd) != 0) problem = "cannot write " + temporary + ": " + LastError();
  if (close(fd) != 0 && problem.empty()) problem = "cannot write " + temporary + ": " + LastError();
  if (problem.empty() && rename(temporary.c_str(), path.c_str()) != 0) {
    problem = "cannot replace " + path + ": " + LastError();
  }
  if (!problem.empty()) {
    unlink(temporary.c_str());
    return problem;
  }
  // The new name reaches the disk with the folder's entry.
  std::string const folder = FolderOf(path);
  int const dir = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    fsync(dir);
    close(dir);
  }
  return {};
#endif
}

}  // namespace platform
