#include "app/command_line.h"

#include <ostream>

namespace app {
namespace {

void PrintUsage(std::ostream& err) {
  err << "usage: wannianli --info FROM [TO]   (dates YYYY-MM-DD, 1901-01-01..2050-12-31)\n";
}

}  // namespace

int RunCommandLine(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err,
                   const AlmanacProvider& provider) {
  if (arguments.empty()) {
    PrintUsage(err);
    return 2;
  }
  if (arguments[0] == "--info") return RunInfoCommand(arguments.subspan(1), out, err, provider);
  err << "wannianli: unknown option '" << arguments[0] << "' (usage: wannianli --info FROM [TO])\n";
  return 2;
}

}  // namespace app
