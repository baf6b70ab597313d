#pragma once
// A shared library opened at run time (dlopen), for code that only some commands need: the program does not
// map it, nor the libraries it links, until it is asked for. Linux only; the Windows build links such code in.
#include <optional>
#include <string>

namespace platform {

class SharedModule {
 public:
  // The library at `path` (a path with a '/', never searched for), every symbol bound now; std::nullopt
  // with `error` set to the loader's own words (dlerror) when it cannot be loaded. The library stays mapped
  // until the process ends, also after the last SharedModule closes it: pointers it handed out (function
  // tables, the buffers of the libraries it links) stay valid, and the leak checker still sees them.
  static std::optional<SharedModule> Open(const std::string& path, std::string& error);

  SharedModule(SharedModule&& other) noexcept;
  SharedModule& operator=(SharedModule&& other) noexcept;
  SharedModule(const SharedModule&) = delete;
  SharedModule& operator=(const SharedModule&) = delete;
  ~SharedModule();

  // The address of the exported symbol `name`, or nullptr with `error` set.
  void* Symbol(const char* name, std::string& error) const;

 private:
  explicit SharedModule(void* handle) : handle(handle) {}
  void* handle = nullptr;
};

}  // namespace platform
