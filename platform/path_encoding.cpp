#include "platform/path_encoding.h"

#if defined(_WIN32)
#include <windows.h>

#include <climits>

#include "platform/code_page.h"
#endif

namespace platform {

std::string NarrowPathToUtf8(std::string_view path) {
#if defined(_WIN32)
  if (path.empty() || path.size() > INT_MAX) return std::string(path);
  UINT const codePage = AreFileApisANSI() ? CP_ACP : CP_OEMCP;
  int const size = static_cast<int>(path.size());
  int const n = MultiByteToWideChar(codePage, 0, path.data(), size, nullptr, 0);
  if (n <= 0) return std::string(path);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, path.data(), size, wide.data(), n);
  return WideToUtf8(wide);
#else
  return std::string(path);
#endif
}

}  // namespace platform
