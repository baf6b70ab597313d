#pragma once
// A program built for the Windows GUI subsystem gets no console window, so a user who double-clicks it sees
// only the widget. Started from a console (cmd.exe, PowerShell), it must still print `--info` lines and error
// messages there: each standard stream that has no handle of its own is connected to the parent's console,
// while streams the caller redirected (files, pipes, NUL) keep their handles. Nothing to do on Linux.
namespace platform {

// Create it first thing in main(), before anything is written; the console is let go when it ends.
class ParentConsoleStreams {
 public:
  ParentConsoleStreams();
  ~ParentConsoleStreams();
  ParentConsoleStreams(const ParentConsoleStreams&) = delete;
  ParentConsoleStreams& operator=(const ParentConsoleStreams&) = delete;

  // Whether the parent's console was attached: only when a stream had no handle and there is a parent
  // console (not after a double-click, not when both streams were redirected).
  bool Attached() const { return attached; }

 private:
  bool attached = false;
};

}  // namespace platform
