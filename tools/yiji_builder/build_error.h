#pragma once
// A fault in the almanac sources: the build stops with this message.
#include <stdexcept>
#include <string>

struct BuildError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// "file:line: message"
inline BuildError SourceError(const std::string& file, int line, const std::string& message) {
  return BuildError(file + ":" + std::to_string(line) + ": " + message);
}
