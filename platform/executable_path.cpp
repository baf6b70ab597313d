#include "platform/executable_path.h"

#include <utility>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace platform {
namespace {

std::optional<std::string>& Override() {
  static std::optional<std::string> path;
  return path;
}

std::string RealExecutablePath() {
#if defined(_WIN32)
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) return std::string(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
#else
  std::vector<char> buffer(256);
  for (;;) {
    ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n < 0) return {};
    if (static_cast<size_t>(n) < buffer.size()) return std::string(buffer.data(), static_cast<size_t>(n));
    buffer.resize(buffer.size() * 2);
  }
#endif
}

}  // namespace

std::string ExecutablePath() {
  if (Override()) return *Override();
  // Asked by every almanac look-up; the answer is the folder the program started from, read once.
  static const std::string real = RealExecutablePath();
  return real;
}

char PathSeparator() {
#if defined(_WIN32)
  return '\\';
#else
  return '/';
#endif
}

void SetExecutablePathOverride(std::optional<std::string> path) { Override() = std::move(path); }

}  // namespace platform
