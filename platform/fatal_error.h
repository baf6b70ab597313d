#pragma once
// A start-up failure ends the program with a message on standard error. A GUI-subsystem program that was
// double-clicked has no console and no redirection, so there that message reaches nobody and the widget
// just never appears: then it is shown in a message box as well. Nothing to do on Linux.
#include <string_view>

namespace platform {

// Call once the message is on standard error (the framework writes skin errors there itself). Shows it in
// a message box ("万年历", OK, error icon) only when standard error has no handle to write to: not when
// it is redirected or ParentConsoleStreams took the parent's console for it.
void ReportFatalError(std::string_view utf8Message);

// What ReportFatalError calls to show the box. Tests put a recorder here: a real box would wait for a click.
using FatalErrorBox = void (*)(std::wstring_view caption, std::wstring_view text);
// Returns the box it replaces; null restores the message box.
FatalErrorBox SetFatalErrorBox(FatalErrorBox box);

}  // namespace platform
