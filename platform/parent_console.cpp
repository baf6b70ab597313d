#include "platform/parent_console.h"

#include <cstdio>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace platform {

#if defined(_WIN32)
namespace {

// A handle the program can write to: a file, a pipe, a character device (NUL, a console). A GUI program
// started without redirection has none (null or INVALID_HANDLE_VALUE), and the C library left the stream
// closed.
bool HasUsableHandle(DWORD which) {
  HANDLE const handle = GetStdHandle(which);
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// Points the stream at the console's output and tells the process (GetStdHandle) so too.
void ReopenOnConsole(std::FILE* stream, DWORD which) {
  if (std::freopen("CONOUT$", "w", stream) == nullptr) return;
  SetStdHandle(which, reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream))));
}

}  // namespace
#endif

ParentConsoleStreams::ParentConsoleStreams() {
#if defined(_WIN32)
  bool const outUsable = HasUsableHandle(STD_OUTPUT_HANDLE);
  bool const errorUsable = HasUsableHandle(STD_ERROR_HANDLE);
  // A console program already has its console; a GUI program started by Explorer has no parent console.
  if (outUsable && errorUsable) return;
  if (GetConsoleWindow() != nullptr || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
  attached = true;
  if (!outUsable) ReopenOnConsole(stdout, STD_OUTPUT_HANDLE);
  if (!errorUsable) ReopenOnConsole(stderr, STD_ERROR_HANDLE);
#endif
}

ParentConsoleStreams::~ParentConsoleStreams() {
#if defined(_WIN32)
  if (!attached) return;
  std::fflush(stdout);
  std::fflush(stderr);
  FreeConsole();
#endif
}

}  // namespace platform
