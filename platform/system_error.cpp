#include "platform/system_error.h"

#include <cerrno>
#include <cstring>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace platform {

#if defined(_WIN32)

int LastSystemErrorCode() { return static_cast<int>(GetLastError()); }

std::string SystemErrorText(int code) {
  char* text = nullptr;
  DWORD const length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      static_cast<DWORD>(code), 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = length > 0 && text != nullptr ? std::string(text, length) : std::string();
  if (text != nullptr) LocalFree(text);
  // The system's texts end with a full stop and a line break; a message goes on after them.
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' ' ||
                              message.back() == '.'))
    message.pop_back();
  return message.empty() ? "Windows error " + std::to_string(code)
                         : message + " (Windows error " + std::to_string(code) + ")";
}

#else

int LastSystemErrorCode() { return errno; }

std::string SystemErrorText(int code) { return std::strerror(code); }

#endif

}  // namespace platform
