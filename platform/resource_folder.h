#pragma once
// Where the program's read-only files (yiji.db, skin/) are: beside the executable — a build tree, a
// portable copy, the Windows install folder — or, for a program installed under a prefix, in
// ../share/wannianli relative to the executable's folder. Nothing is ever written there.
#include <string>

namespace platform {

// The folder, with a trailing separator: beside the executable when yiji.db or skin/main.xml is there,
// else ../share/wannianli when either is there, else beside the executable (so that messages about a
// missing file name the first place looked at). Follows SetExecutablePathOverride.
std::string ResourceFolder();

}  // namespace platform
