#include "platform/fatal_error.h"

#if defined(_WIN32)
#include <windows.h>

#include <string>

#include "platform/code_page.h"
#endif

namespace platform {
namespace {

#if defined(_WIN32)
void ShowMessageBox(std::wstring_view caption, std::wstring_view text) {
  std::wstring const captionText(caption);
  std::wstring const messageText(text);
  MessageBoxW(nullptr, messageText.c_str(), captionText.c_str(), MB_OK | MB_ICONERROR);
}

// The same test ParentConsoleStreams makes: after it ran, a standard error without a usable handle means
// there was neither a redirection nor a parent console to take.
bool StandardErrorHasHandle() {
  HANDLE const handle = GetStdHandle(STD_ERROR_HANDLE);
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

FatalErrorBox currentBox = ShowMessageBox;
#else
FatalErrorBox currentBox = nullptr;
#endif

}  // namespace

void ReportFatalError([[maybe_unused]] std::string_view utf8Message) {
#if defined(_WIN32)
  if (StandardErrorHasHandle()) return;
  currentBox(L"万年历", Utf8ToWide(utf8Message));
#endif
}

FatalErrorBox SetFatalErrorBox(FatalErrorBox box) {
  FatalErrorBox const previous = currentBox;
#if defined(_WIN32)
  currentBox = box != nullptr ? box : ShowMessageBox;
#else
  currentBox = box;
#endif
  return previous;
}

}  // namespace platform
