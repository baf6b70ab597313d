#include "platform/resource_folder.h"

#include <mutex>

#include "platform/executable_path.h"
#include "platform/file_identity.h"

namespace platform {
namespace {

std::string FolderOf(const std::string& file) {
  // Windows takes '/' as a separator too (a path set by a test, say), beside its own '\\'.
  std::size_t const slash = file.find_last_of(PathSeparator() == '/' ? "/" : "/\\");
  return slash == std::string::npos ? std::string() : file.substr(0, slash + 1);
}

bool HoldsResources(const std::string& folder) {
  std::string const skin = std::string("skin") + PathSeparator() + "main.xml";
  return GetFileIdentity(folder + "yiji.db").has_value() || GetFileIdentity(folder + skin).has_value();
}

std::string FindResourceFolder(const std::string& executable) {
  std::string const beside = FolderOf(executable);
  if (HoldsResources(beside)) return beside;
  char const s = PathSeparator();
  std::string const installed = beside + ".." + s + "share" + s + "wannianli" + s;
  return HoldsResources(installed) ? installed : beside;
}

}  // namespace

std::string ResourceFolder() {
  // Every almanac look-up asks: the answer is kept for as long as the executable path stays the same.
  static std::mutex mutex;
  static std::string executable;
  static std::string folder;
  static bool known = false;
  std::string const current = ExecutablePath();
  std::lock_guard const lock(mutex);
  if (!known || current != executable) {
    executable = current;
    folder = FindResourceFolder(current);
    known = true;
  }
  return folder;
}

}  // namespace platform
