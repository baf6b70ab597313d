#include "platform/standard_output.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <streambuf>
#include <string_view>

#include "platform/system_error.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
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

void GuardStandardStreams() {
#if !defined(_WIN32)
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    int const null = open("/dev/null", O_RDONLY);
    if (null >= 0 && null != fd) {
      dup2(null, fd);
      close(null);
    }
  }
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
#endif
}

class StandardOutputStream::Buffer : public std::streambuf {
 public:
  Buffer() { setp(bytes.data(), bytes.data() + bytes.size()); }

  // Writes what is buffered; false once any write has failed.
  bool Drain() {
    if (state == State::good) Write(std::string_view(pbase(), static_cast<std::size_t>(pptr() - pbase())));
    setp(bytes.data(), bytes.data() + bytes.size());
    return state == State::good;
  }

  State state = State::good;
  std::string problem;

 protected:
  int_type overflow(int_type c) override {
    if (!Drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
  }
  int sync() override { return Drain() ? 0 : -1; }

 private:
  void Write(std::string_view out) {
#if defined(_WIN32)
    HANDLE const handle = GetStdHandle(STD_OUTPUT_HANDLE);
    while (!out.empty()) {
      // In pieces: old consoles refuse a single write much over 64 KiB.
      DWORD const piece = static_cast<DWORD>(std::min<std::size_t>(out.size(), 16 * 1024));
      DWORD written = 0;
      if (handle == nullptr || handle == INVALID_HANDLE_VALUE || !WriteFile(handle, out.data(), piece, &written, nullptr)) {
        DWORD const code = handle == nullptr || handle == INVALID_HANDLE_VALUE ? ERROR_INVALID_HANDLE : GetLastError();
        if (code == ERROR_BROKEN_PIPE || code == ERROR_NO_DATA) return Fail(State::readerGone, "");
        if (code == ERROR_INVALID_HANDLE) return Fail(State::failed, "standard output is closed");
        return Fail(State::failed, SystemErrorText(static_cast<int>(code)));
      }
      out.remove_prefix(written);
    }
#else
    while (!out.empty()) {
      ssize_t const n = write(STDOUT_FILENO, out.data(), out.size());
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 && errno == EPIPE) return Fail(State::readerGone, "");
      // A descriptor that was closed (or that GuardStandardStreams filled read-only) cannot be written.
      if (n < 0 && errno == EBADF) return Fail(State::failed, "standard output is closed");
      if (n <= 0) return Fail(State::failed, n < 0 ? LastSystemError() : "nothing was written");
      out.remove_prefix(static_cast<std::size_t>(n));
    }
#endif
  }

  void Fail(State why, std::string cause) {
    state = why;
    problem = std::move(cause);
  }

  std::array<char, 64 * 1024> bytes{};
};

StandardOutputStream::StandardOutputStream() : buffer(std::make_unique<Buffer>()), stream(buffer.get()) {}

StandardOutputStream::~StandardOutputStream() { buffer->Drain(); }

StandardOutputStream::State StandardOutputStream::Finish() {
  stream.flush();
  buffer->Drain();
  return buffer->state;
}

const std::string& StandardOutputStream::Problem() const { return buffer->problem; }

}  // namespace platform
