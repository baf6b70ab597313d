#pragma once
// The text of the system's last error, for messages that name a failure's cause ("No space left on
// device"; on Windows the system's own text of GetLastError()).
#include <string>

namespace platform {

// errno on Linux, GetLastError() on Windows.
int LastSystemErrorCode();
std::string SystemErrorText(int code);
inline std::string LastSystemError() { return SystemErrorText(LastSystemErrorCode()); }

}  // namespace platform
