#include "platform/file_identity.h"

#if defined(_WIN32)
#include <chrono>
#include <filesystem>
#else
#include <sys/stat.h>
#endif

namespace platform {

std::optional<FileIdentity> GetFileIdentity(const std::string& path) {
#if defined(_WIN32)
  std::error_code error;
  auto status = std::filesystem::status(path, error);
  if (error || !std::filesystem::is_regular_file(status)) return std::nullopt;
  FileIdentity identity;
  identity.size = std::filesystem::file_size(path, error);
  auto modified = std::filesystem::last_write_time(path, error);
  if (error) return std::nullopt;
  identity.modifiedNs =
      std::chrono::duration_cast<std::chrono::nanoseconds>(modified.time_since_epoch()).count();
  return identity;
#else
  struct stat info {};
  if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  FileIdentity identity;
  identity.device = static_cast<std::uint64_t>(info.st_dev);
  identity.inode = static_cast<std::uint64_t>(info.st_ino);
  identity.size = static_cast<std::uint64_t>(info.st_size);
  identity.modifiedNs = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
  return identity;
#endif
}

}  // namespace platform
