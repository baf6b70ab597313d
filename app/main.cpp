#include <iostream>
#include <optional>
#include <string_view>
#include <vector>

#include "almanac/almanac_store.h"
#include "almanac/cpp_sqlite3.h"
#include "app/command_line.h"
#include "app/info_almanac.h"
#include "app/user_data_commands.h"
#include "app/widget.h"
#include "platform/fatal_error.h"
#include "platform/file_identity.h"
#include "platform/parent_console.h"
#include "platform/standard_output.h"

namespace {

// The status once the output is out. A reader that stopped early (`| head`) took what it wanted: that is
// normal use and ends quietly with status 0, as a pipeline under `set -o pipefail` expects (and as on
// Windows, which has no SIGPIPE). Any other failed write fails the run, with one line saying why.
int FinishOutput(platform::StandardOutputStream& output, int status) {
  switch (output.Finish()) {
    case platform::StandardOutputStream::State::good: return status;
    case platform::StandardOutputStream::State::readerGone: return 0;
    case platform::StandardOutputStream::State::failed: break;
  }
  std::string const message = "wannianli: cannot write to standard output: " + output.Problem();
  std::cerr << message << "\n";
  platform::ReportFatalError(message);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  platform::GuardStandardStreams();  // before any file is opened
  std::vector<std::string_view> const arguments(argv + 1, argv + argc);
  // First: on Windows the program has no console of its own (GUI subsystem) until it takes its parent's.
  platform::ParentConsoleStreams const console;
  platform::Utf8StandardOutput const utf8Output;
  platform::StandardOutputStream output;
  ConnectFestivalLookups();
  if (!arguments.empty() && app::IsUserDataCommand(arguments[0])) {
    return FinishOutput(output, app::RunUserDataCommand(arguments, output.Stream(), std::cerr));
  }
  // Asked through platform/: std::filesystem would read a Windows narrow path in another code page.
  if (!arguments.empty() && arguments[0] == "--info" && !platform::GetFileIdentity(GetAlmanacDbPath())) {
    std::cerr << "wannianli: no almanac database at " << GetAlmanacDbPath()
              << "; festival, yi/ji and holiday columns stay empty\n";
  }
  std::optional<app::InfoAlmanac> info;  // only --info reads the almanac as one long batch
  if (!arguments.empty() && arguments[0] == "--info") info.emplace(std::cerr);
  app::AlmanacProvider const provider = [&info](const app::InfoDate& date) { return info->Columns(date); };
  int status = 0;
  try {
    status = app::RunCommandLine(arguments, output.Stream(), std::cerr, provider, app::RunWidget);
  } catch (const CppSQLite3Exception& error) {
    // Only --info gets here: the widget's own errors stop at the framework's dispatch.
    return app::ReportInfoAlmanacError(error, std::cerr);
  }
  return FinishOutput(output, status);
}
