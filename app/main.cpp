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
#include "platform/file_identity.h"
#include "platform/parent_console.h"
#include "platform/standard_output.h"

int main(int argc, char** argv) {
  std::vector<std::string_view> const arguments(argv + 1, argv + argc);
  // First: on Windows the program has no console of its own (GUI subsystem) until it takes its parent's.
  platform::ParentConsoleStreams const console;
  platform::Utf8StandardOutput const utf8Output;
  ConnectFestivalLookups();
  if (!arguments.empty() && app::IsUserDataCommand(arguments[0])) {
    return app::RunUserDataCommand(arguments, std::cout, std::cerr);
  }
  // Asked through platform/: std::filesystem would read a Windows narrow path in another code page.
  if (!arguments.empty() && arguments[0] == "--info" && !platform::GetFileIdentity(GetAlmanacDbPath())) {
    std::cerr << "wannianli: no almanac database at " << GetAlmanacDbPath()
              << "; festival, yi/ji and holiday columns stay empty\n";
  }
  std::optional<app::InfoAlmanac> info;  // only --info reads the almanac as one long batch
  if (!arguments.empty() && arguments[0] == "--info") info.emplace(std::cerr);
  app::AlmanacProvider const provider = [&info](const app::InfoDate& date) { return info->Columns(date); };
  try {
    return app::RunCommandLine(arguments, std::cout, std::cerr, provider, app::RunWidget);
  } catch (const CppSQLite3Exception& error) {
    // Only --info gets here: the widget's own errors stop at the framework's dispatch.
    return app::ReportInfoAlmanacError(error, std::cerr);
  }
}
