#pragma once
// Another program with the database open: the sqlite3 command-line shell in a child process runs the given
// statements (say "begin exclusive;") and keeps what they took until Release (or the destructor) closes its
// input, or Kill ends it as a crash would. POSIX only.
#if !defined(_WIN32)
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

class LockHolder {
 public:
  // True once the shell has run every statement (it stops at the first failure: .bail on).
  LockHolder(const std::string& path, const std::string& statements) {
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0) return;
    pid = fork();
    if (pid == 0) {
      dup2(in[0], 0);
      dup2(out[1], 1);
      close(in[1]);
      close(out[0]);
      execlp("sqlite3", "sqlite3", "-batch", path.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    close(in[0]);
    close(out[1]);
    input = in[1];
    const std::string script = ".bail on\n" + statements + "\nselect 'held';\n";
    held = write(input, script.data(), script.size()) == static_cast<ssize_t>(script.size()) && ReadsHeld(out[0]);
    close(out[0]);
  }
  ~LockHolder() { Release(); }
  LockHolder(const LockHolder&) = delete;
  LockHolder& operator=(const LockHolder&) = delete;

  bool held = false;

  void Release() {
    if (input >= 0) close(input);
    input = -1;
    if (pid > 0) waitpid(pid, nullptr, 0);
    pid = -1;
  }
  void Kill() {
    if (pid > 0) kill(pid, SIGKILL);
    Release();
  }

 private:
  pid_t pid = -1;
  int input = -1;

  static bool ReadsHeld(int fd) {
    std::string seen;
    char c;
    while (seen.find("held") == std::string::npos && read(fd, &c, 1) == 1) seen += c;
    return seen.find("held") != std::string::npos;
  }
};
#endif
