#include <string>

#include "almanac/almanac_store.h"
#include "platform/resource_folder.h"

std::string GetAlmanacDbPath() { return platform::ResourceFolder() + "yiji.db"; }
