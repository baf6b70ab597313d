#include <string>

#include "almanac/almanac_store.h"
#include "platform/executable_path.h"

std::string GetAlmanacDbPath() {
  std::string path = platform::ExecutablePath();
  // Windows takes '/' as a separator too (a path set by a test, say), beside its own '\\'.
  std::size_t slash = path.find_last_of(platform::PathSeparator() == '/' ? "/" : "/\\");
  path.erase(slash == std::string::npos ? 0 : slash + 1);
  return path + "yiji.db";
}
