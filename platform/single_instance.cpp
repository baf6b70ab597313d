#include "platform/single_instance.h"

#include <chrono>
#include <thread>
#include <utility>

#if defined(_WIN32)
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "platform/user_folders.h"
#endif

namespace platform {
namespace {

// A later start that finds the claim taken may arrive while the first one is still starting.
constexpr int kAskTries = 20;
constexpr auto kAskPause = std::chrono::milliseconds(100);

#if !defined(_WIN32)
bool FillAddress(const std::string& path, sockaddr_un& address) {
  address = {};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof(address.sun_path)) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return true;
}
#endif

}  // namespace

#if defined(_WIN32)

SingleInstance::SingleInstance(InstanceIdentity id) : identity(std::move(id)) {
  // "Local\": one widget per logon session; another user's session has its own.
  std::wstring const name = L"Local\\" + std::wstring(identity.name.begin(), identity.name.end()) + L"-instance";
  mutex = CreateMutexW(nullptr, FALSE, name.c_str());
  if (mutex == nullptr) {
    problem = "cannot create the mutex (Windows error " + std::to_string(GetLastError()) + ")";
    return;
  }
  role = GetLastError() == ERROR_ALREADY_EXISTS ? Role::later : Role::first;
}

SingleInstance::~SingleInstance() {
  if (mutex != nullptr) CloseHandle(mutex);
}

bool SingleInstance::ListensForRequests() const { return false; }
bool SingleInstance::TakeRaiseRequest() { return false; }

bool SingleInstance::AskFirstToRaise() {
  for (int i = 0; i < kAskTries; ++i) {
    if (::HWND window = FindWindowW(identity.windowClass.c_str(), identity.windowTitle.c_str())) {
      if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
      else ShowWindow(window, SW_SHOW);
      SetForegroundWindow(window);
      return true;
    }
    std::this_thread::sleep_for(kAskPause);
  }
  return false;
}

#else

SingleInstance::SingleInstance(InstanceIdentity id) : identity(std::move(id)) {
  std::string const folder = RuntimeFolder();
  if (folder.empty()) {
    problem = "XDG_RUNTIME_DIR is not set";
    return;
  }
  std::string const lockPath = folder + "/" + identity.name + ".lock";
  socketPath = folder + "/" + identity.name + ".sock";
  lockFd = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (lockFd < 0) {
    problem = "cannot open " + lockPath + ": " + std::strerror(errno);
    return;
  }
  if (flock(lockFd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EWOULDBLOCK) role = Role::later;
    else problem = "cannot lock " + lockPath + ": " + std::strerror(errno);
    close(lockFd);
    lockFd = -1;
    return;
  }
  role = Role::first;
  // The lock says no other start is running: a socket file left there belongs to one that crashed.
  sockaddr_un address;
  if (!FillAddress(socketPath, address)) {
    problem = "the socket path " + socketPath + " is too long";
    return;
  }
  unlink(socketPath.c_str());
  listenFd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (listenFd < 0 || bind(listenFd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(listenFd, 8) != 0) {
    problem = "cannot listen on " + socketPath + ": " + std::strerror(errno);
    if (listenFd >= 0) close(listenFd);
    listenFd = -1;
  }
}

SingleInstance::~SingleInstance() {
  if (listenFd >= 0) {
    close(listenFd);
    unlink(socketPath.c_str());
  }
  if (lockFd >= 0) close(lockFd);  // releases the lock; the file stays for the next start
}

bool SingleInstance::ListensForRequests() const { return listenFd >= 0; }

bool SingleInstance::TakeRaiseRequest() {
  if (listenFd < 0) return false;
  bool asked = false;
  for (;;) {
    int const connection = accept4(listenFd, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection < 0) {
      if (errno == EINTR) continue;
      return asked;  // EAGAIN: nobody else is waiting
    }
    asked = true;  // the connection itself is the request
    close(connection);
  }
}

bool SingleInstance::AskFirstToRaise() {
  sockaddr_un address;
  if (!FillAddress(socketPath, address)) return false;
  for (int i = 0; i < kAskTries; ++i) {
    int const fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    bool const reached = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    if (reached) {
      static constexpr char kRequest[] = "raise\n";
      [[maybe_unused]] auto const sent = send(fd, kRequest, sizeof kRequest - 1, MSG_NOSIGNAL);
    }
    close(fd);
    if (reached) return true;
    std::this_thread::sleep_for(kAskPause);
  }
  return false;
}

#endif

}  // namespace platform
