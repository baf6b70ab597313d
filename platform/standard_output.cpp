#include "platform/standard_output.h"

#include <cstdio>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace platform {

Utf8StandardOutput::Utf8StandardOutput() {
#if defined(_WIN32)
  std::fflush(stdout);
  _setmode(_fileno(stdout), _O_BINARY);
  DWORD mode = 0;
  if (GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode)) {
    UINT const previous = GetConsoleOutputCP();
    if (previous != CP_UTF8 && SetConsoleOutputCP(CP_UTF8)) previousConsoleCodePage = previous;
  }
#endif
}

Utf8StandardOutput::~Utf8StandardOutput() {
#if defined(_WIN32)
  std::fflush(stdout);
  if (previousConsoleCodePage != 0) SetConsoleOutputCP(previousConsoleCodePage);
#endif
}

}  // namespace platform
