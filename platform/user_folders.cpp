#include "platform/user_folders.h"

#include <cstdlib>
#include <iterator>
#include <string_view>

#include "platform/executable_path.h"

#if defined(_WIN32)
#include <windows.h>

#include "platform/code_page.h"
#endif

namespace platform {
#if !defined(_WIN32)
namespace {

// The XDG base-directory rules ignore a relative value: it would depend on the current folder.
std::string AbsoluteVariable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || value[0] != '/') return {};
  std::string folder(value);
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

}  // namespace
#endif

std::string ConfigFolder() {
  char const s = PathSeparator();
#if defined(_WIN32)
  wchar_t buffer[MAX_PATH * 2];
  DWORD const n = GetEnvironmentVariableW(L"APPDATA", buffer, static_cast<DWORD>(std::size(buffer)));
  if (n == 0 || n >= std::size(buffer)) return {};
  return WideToUtf8(std::wstring_view(buffer, n)) + s + "wannianli";
#else
  if (std::string base = AbsoluteVariable("XDG_CONFIG_HOME"); !base.empty()) return base + s + "wannianli";
  std::string const home = AbsoluteVariable("HOME");
  if (home.empty()) return {};
  return home + s + ".config" + s + "wannianli";
#endif
}

std::string DataFolder() {
  char const s = PathSeparator();
#if defined(_WIN32)
  wchar_t buffer[MAX_PATH * 2];
  DWORD n = GetEnvironmentVariableW(L"WANNIANLI_DATA_DIR", buffer, static_cast<DWORD>(std::size(buffer)));
  if (n != 0 && n < std::size(buffer)) return WideToUtf8(std::wstring_view(buffer, n));
  n = GetEnvironmentVariableW(L"APPDATA", buffer, static_cast<DWORD>(std::size(buffer)));
  if (n == 0 || n >= std::size(buffer)) return {};
  return WideToUtf8(std::wstring_view(buffer, n)) + s + "wannianli";
#else
  if (const char* own = std::getenv("WANNIANLI_DATA_DIR"); own != nullptr && own[0] != '\0') return own;
  if (std::string base = AbsoluteVariable("XDG_DATA_HOME"); !base.empty()) return base + s + "wannianli";
  std::string const home = AbsoluteVariable("HOME");
  if (home.empty()) return {};
  return home + s + ".local" + s + "share" + s + "wannianli";
#endif
}

std::string RuntimeFolder() {
#if defined(_WIN32)
  return {};
#else
  return AbsoluteVariable("XDG_RUNTIME_DIR");
#endif
}

}  // namespace platform
