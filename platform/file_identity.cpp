#include "platform/file_identity.h"

#if defined(_WIN32)
#include <windows.h>

#include <memory>
#else
#include <sys/stat.h>
#endif

namespace platform {
#if defined(_WIN32)
namespace {

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

}  // namespace
#endif

std::optional<FileIdentity> GetFileIdentity(const std::string& path) {
#if defined(_WIN32)
  // The volume and the file index play the part of device and inode, so that a replacement of the same size
  // and time is noticed here too.
  DWORD const share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  HANDLE const raw =
      CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (raw == INVALID_HANDLE_VALUE) return std::nullopt;  // a folder opens only when asked for specially
  UniqueHandle const file(raw);
  BY_HANDLE_FILE_INFORMATION info{};
  bool const ok = GetFileInformationByHandle(file.get(), &info) != 0;
  if (!ok || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return std::nullopt;
  auto const join = [](DWORD high, DWORD low) { return (static_cast<std::uint64_t>(high) << 32) | low; };
  FileIdentity identity;
  identity.device = info.dwVolumeSerialNumber;
  identity.inode = join(info.nFileIndexHigh, info.nFileIndexLow);
  identity.size = join(info.nFileSizeHigh, info.nFileSizeLow);
  // 100 ns steps since 1601; only equality matters.
  auto const written = join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime);
  identity.modifiedNs = static_cast<std::int64_t>(written) * 100;
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
