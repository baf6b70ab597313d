#pragma once
// Standard output that carries the program's bytes unchanged, so that `--info` writes the same UTF-8 lines
// with '\n' line ends on every platform, and that says when they did not arrive.
#include <memory>
#include <ostream>
#include <string>

namespace platform {

// While it lives, standard output is in binary mode (no '\n' → "\r\n" on Windows) and a Windows console
// shows UTF-8; the console's previous code page comes back when it ends. Nothing to do on Linux.
class Utf8StandardOutput {
 public:
  Utf8StandardOutput();
  ~Utf8StandardOutput();
  Utf8StandardOutput(const Utf8StandardOutput&) = delete;
  Utf8StandardOutput& operator=(const Utf8StandardOutput&) = delete;

 private:
  unsigned previousConsoleCodePage = 0;  // 0: not changed
};

// Call first thing in main(). On Linux: a standard stream the program was started without (`>&-`) gets
// /dev/null, opened read-only, in its place, so that no file opened later takes its number (messages would
// land in it) while writes to it still fail; and a write into a pipe whose reader has gone, or beyond the
// file-size limit, fails with EPIPE or EFBIG instead of ending the process by a signal, so that the program
// can clean up and say what happened. Nothing to do on Windows.
void GuardStandardStreams();

// The program's own lines on standard output (`--info`, `--help`), through a buffer of its own straight to
// the file descriptor (the handle on Windows). The first failed write ends the output: the stream goes bad,
// so a writer can stop, and the failure is kept for Finish.
class StandardOutputStream {
 public:
  enum class State {
    good,
    readerGone,  // a pipe whose reader stopped early (`| head`): normal use, nothing to report
    failed,      // a full disk, a file-size limit, a closed standard output: Problem() names it
  };

  StandardOutputStream();
  ~StandardOutputStream();  // writes what is still buffered
  StandardOutputStream(const StandardOutputStream&) = delete;
  StandardOutputStream& operator=(const StandardOutputStream&) = delete;

  std::ostream& Stream() { return stream; }
  // Writes what is buffered, then tells how the output went.
  State Finish();
  // The cause of a failure ("No space left on device", "standard output is closed"); empty otherwise.
  const std::string& Problem() const;

 private:
  class Buffer;
  std::unique_ptr<Buffer> buffer;
  std::ostream stream;
};

}  // namespace platform
