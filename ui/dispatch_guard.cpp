#include "ui/dispatch_guard.h"

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <typeinfo>

namespace DuiLib {
namespace {

std::set<std::string>& ReportedKinds() {
  static std::set<std::string> kinds;
  return kinds;
}

std::string Demangle(const char* name) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> text(abi::__cxa_demangle(name, nullptr, nullptr, &status), std::free);
  return status == 0 && text ? std::string(text.get()) : std::string(name);
}

}  // namespace

void ReportEscapedException(std::exception_ptr error, std::string_view where) {
  std::string type = "unknown exception";
  std::string message;
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    type = Demangle(typeid(e).name());
    message = e.what();
  } catch (...) {
    if (const std::type_info* t = abi::__cxa_current_exception_type()) type = Demangle(t->name());
  }
  // One line per kind: a timer that fails every second must not flood the terminal.
  if (!ReportedKinds().insert(type + '\n' + message).second) return;
  std::fprintf(stderr, "wannianli: %s escaped %.*s: %s (further identical errors are not reported)\n",
               type.c_str(), static_cast<int>(where.size()), where.data(), message.c_str());
}

int ReportedExceptionKinds() { return static_cast<int>(ReportedKinds().size()); }

}  // namespace DuiLib
