#pragma once
// Standard output that carries the program's bytes unchanged, so that `--info` writes the same UTF-8 lines
// with '\n' line ends on every platform.
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

}  // namespace platform
