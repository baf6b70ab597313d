#pragma once
// The dispatch boundary: an exception escaping a notification or message handler stops here. Each kind
// (exception type and message) is written once to standard error; the loop goes on.
#include <exception>
#include <string_view>

namespace DuiLib {

void ReportEscapedException(std::exception_ptr error, std::string_view where);
// How many distinct kinds were reported (for tests).
int ReportedExceptionKinds();

template <typename F>
bool GuardedCall(std::string_view where, F&& f) {
  try {
    f();
    return true;
  } catch (...) {
    ReportEscapedException(std::current_exception(), where);
    return false;
  }
}

}  // namespace DuiLib
