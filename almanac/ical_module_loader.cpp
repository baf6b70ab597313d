#include "almanac/ical_module.h"

#include <cstring>
#include <optional>

#include "platform/executable_path.h"
#include "platform/shared_module.h"

namespace {

struct LoadedModule {
  std::optional<platform::SharedModule> module;
  const IcalOperations* operations = nullptr;
  std::string error;
};

// The loader's own words usually begin with the path it was given; the message names the path once.
std::string Without(const std::string& path, std::string problem) {
  if (problem.rfind(path + ": ", 0) == 0) problem.erase(0, path.size() + 2);
  return path + " (" + problem + ")";
}

LoadedModule Load() {
  std::string const executable = platform::ExecutablePath();
  std::size_t const slash = executable.rfind('/');
  if (slash == std::string::npos) return {std::nullopt, nullptr, "cannot find the program's own folder"};
  std::string const folder = executable.substr(0, slash + 1);
  LoadedModule loaded;
  std::string tried;
  for (std::string const& path : {folder + WANNIANLI_ICAL_MODULE_FILE,
                                  folder + WANNIANLI_ICAL_MODULE_DIR "/" WANNIANLI_ICAL_MODULE_FILE}) {
    std::string problem;
    loaded.module = platform::SharedModule::Open(path, problem);
    if (loaded.module) {
      void* const symbol = loaded.module->Symbol(kIcalModuleEntry, problem);
      auto* const entry = reinterpret_cast<decltype(&wannianli_ical_operations)>(symbol);
      const IcalOperations* operations = entry != nullptr ? entry() : nullptr;
      if (operations != nullptr && std::strcmp(operations->version, WANNIANLI_VERSION) == 0) {
        loaded.operations = operations;
        return loaded;
      }
      if (operations != nullptr) {
        problem = std::string("built for wannianli ") + operations->version + ", not " + WANNIANLI_VERSION;
      }
      loaded.module.reset();
    }
    tried += (tried.empty() ? "" : "; ") + Without(path, problem);
  }
  loaded.error = "cannot load the iCalendar module: tried " + tried;
  return loaded;
}

}  // namespace

const IcalOperations* IcalCalendar(std::string& error) {
  static const LoadedModule loaded = Load();
  if (loaded.operations == nullptr) error = loaded.error;
  return loaded.operations;
}
