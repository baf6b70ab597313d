#include <string>

#include "almanac/almanac_store.h"
#include "platform/executable_path.h"

std::string GetAlmanacDbPath() {
  std::string path = platform::ExecutablePath();
  std::size_t slash = path.rfind(platform::PathSeparator());
  path.erase(slash == std::string::npos ? 0 : slash + 1);
  return path + "yiji.db";
}
