#pragma once
// The program's command line: which mode the arguments ask for.
//   wannianli                                        the widget
//   wannianli [--today YYYY-MM-DD] [--snapshot FILE.png] [--scale F]
//   wannianli --info FROM [TO]
//   wannianli --help | --version                     usage or version on standard output, status 0
#include <functional>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/info_command.h"

namespace app {

struct WidgetOptions {
  std::optional<InfoDate> today;  // fixes today's date (the time still runs)
  std::string snapshotFile;       // non-empty: render the window as it opens into this PNG and exit
  std::optional<double> scale;    // the display scale, 1 to 3; else the environment's or the desktop's
  friend bool operator==(const WidgetOptions&, const WidgetOptions&) = default;
};
// Opens the widget and returns the exit status.
using WidgetRunner = std::function<int(const WidgetOptions&)>;

// The widget's options, or nullopt after a one-line error on `err` (unknown option, missing or repeated
// value, impossible date, a year outside 1901-2050, a scale outside 1 to 3).
std::optional<WidgetOptions> ParseWidgetOptions(std::span<const std::string_view> arguments, std::ostream& err);

// Runs the mode the arguments (without the program name) ask for and returns the exit status: 2 after a
// bad argument.
int RunCommandLine(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err,
                   const AlmanacProvider& provider = {}, const WidgetRunner& runWidget = {});

}  // namespace app
