#include "platform/user_files.h"

#include <cerrno>

#include "platform/executable_path.h"
#include "platform/system_error.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace platform {

std::string FolderOf(const std::string& path) {
  std::size_t const slash = path.find_last_of(PathSeparator() == '/' ? "/" : "/\\");
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
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
    return "cannot create the folder " + folder + ": " + LastSystemError();
  }
#else
  struct stat info {};
  if (stat(folder.c_str(), &info) == 0) return S_ISDIR(info.st_mode) ? "" : folder + " is not a folder";
  std::string const parent = FolderOf(folder);
  if (!parent.empty() && parent != folder) {
    if (std::string problem = MakeFolders(parent); !problem.empty()) return problem;
  }
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
    return "cannot create the folder " + folder + ": " + LastSystemError();
  }
#endif
  return {};
}

std::string RenameFile(const std::string& from, const std::string& to) {
#if defined(_WIN32)
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) == 0) {
    return "cannot rename " + from + " to " + to + ": " + LastSystemError();
  }
#else
  if (rename(from.c_str(), to.c_str()) != 0) return "cannot rename " + from + " to " + to + ": " + LastSystemError();
#endif
  return {};
}

}  // namespace platform
