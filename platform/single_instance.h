#pragma once
// One widget per user session. The first start holds a per-user claim for as long as it runs; a later
// start finds the claim taken, asks the first to come to the front and ends.
//   Linux: a lock file (flock) and a Unix socket in $XDG_RUNTIME_DIR; the first start accepts connections
//          without blocking (TakeRaiseRequest) and each one is a request to come to the front.
//   Windows: a session-local named mutex; a later start finds the first one's window by its class and
//          title and brings it to the front itself (the starting program may set the foreground window).
#include <string>

namespace platform {

struct InstanceIdentity {
  std::string name;          // lock, socket and mutex names are made from it
  std::wstring windowClass;  // Windows: the first start's main window, found by class and title
  std::wstring windowTitle;
};

class SingleInstance {
 public:
  enum class Role {
    first,      // this start holds the claim
    later,      // another start holds it
    unguarded,  // no claim could be made (no runtime folder, say): the start goes on alone
  };

  // Claims the slot at once; never waits.
  explicit SingleInstance(InstanceIdentity identity);
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  Role GetRole() const { return role; }
  // Why the start is unguarded, for one message.
  const std::string& Problem() const { return problem; }

  // First start that receives requests (on Linux): poll TakeRaiseRequest.
  bool ListensForRequests() const;
  // First start: true when one or more later starts asked it to come to the front since the last call.
  // Never blocks. Always false on Windows, where the later start raises the window itself.
  bool TakeRaiseRequest();
  // Later start: asks the first to come to the front, trying for about two seconds while the first one is
  // still starting up. False when it could not be reached.
  bool AskFirstToRaise();

 private:
  InstanceIdentity identity;
  Role role = Role::unguarded;
  std::string problem;
#if defined(_WIN32)
  void* mutex = nullptr;
#else
  int lockFd = -1;
  int listenFd = -1;
  std::string socketPath;
#endif
};

}  // namespace platform
