#include "platform/shared_module.h"

#include <dlfcn.h>

#include <utility>

namespace platform {
namespace {

std::string LastLoaderError() {
  char const* text = dlerror();
  return text != nullptr ? text : "unknown error";
}

}  // namespace

std::optional<SharedModule> SharedModule::Open(const std::string& path, std::string& error) {
  if (path.find('/') == std::string::npos) {
    // dlopen would search the library path for a bare name: never load a module from elsewhere.
    error = path + ": not a path";
    return std::nullopt;
  }
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  if (handle == nullptr) {
    error = LastLoaderError();
    return std::nullopt;
  }
  return SharedModule(handle);
}

SharedModule::SharedModule(SharedModule&& other) noexcept : handle(std::exchange(other.handle, nullptr)) {}

SharedModule& SharedModule::operator=(SharedModule&& other) noexcept {
  std::swap(handle, other.handle);
  return *this;
}

SharedModule::~SharedModule() {
  if (handle != nullptr) dlclose(handle);
}

void* SharedModule::Symbol(const char* name, std::string& error) const {
  dlerror();  // a symbol may be null: only dlerror() tells a failure
  void* address = dlsym(handle, name);
  if (address == nullptr) error = LastLoaderError();
  return address;
}

}  // namespace platform
