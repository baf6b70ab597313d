#pragma once
// The program's command line: which mode the arguments ask for.
#include <iosfwd>
#include <span>
#include <string_view>

#include "app/info_command.h"

namespace app {

// Runs the mode the arguments (without the program name) ask for and returns the exit status. Until the
// widget exists, no arguments print the usage and return 2, as does an unknown option.
int RunCommandLine(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err,
                   const AlmanacProvider& provider = {});

}  // namespace app
