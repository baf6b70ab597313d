#pragma once
// Enough of a file's identity to notice that it was replaced or rewritten since it was last looked at.
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;  // 0 where the platform has none to offer cheaply
  std::uint64_t size = 0;
  std::int64_t modifiedNs = 0;

  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The identity of the regular file (or link to one) at `path`, or std::nullopt when there is none.
std::optional<FileIdentity> GetFileIdentity(const std::string& path);

}  // namespace platform
