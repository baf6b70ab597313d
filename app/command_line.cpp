#include "app/command_line.h"

#include <ostream>

#include "lunar/supported_years.h"

namespace app {
namespace {

constexpr std::string_view kUsage =
    "usage: wannianli [--today YYYY-MM-DD] [--snapshot FILE.png] | wannianli --info FROM [TO]";

bool Fail(std::ostream& err, std::string_view problem) {
  err << "wannianli: " << problem << " (" << kUsage << ")\n";
  return false;
}

bool ParseToday(std::string_view text, WidgetOptions& options, std::ostream& err) {
  auto const date = ParseInfoDate(text);
  if (!date) return Fail(err, "--today: '" + std::string(text) + "' is not a date YYYY-MM-DD");
  if (!lunar::IsSupportedYear(date->year))
    return Fail(err, "--today: " + std::string(text) + " lies outside " + SupportedYearsText());
  options.today = date;
  return true;
}

}  // namespace

std::optional<WidgetOptions> ParseWidgetOptions(std::span<const std::string_view> arguments, std::ostream& err) {
  WidgetOptions options;
  bool sawToday = false;
  bool sawSnapshot = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    auto const option = arguments[i];
    bool const known = option == "--today" || option == "--snapshot";
    if (!known) {
      Fail(err, "unknown argument '" + std::string(option) + "'");
      return std::nullopt;
    }
    bool& seen = option == "--today" ? sawToday : sawSnapshot;
    if (seen) {
      Fail(err, std::string(option) + " given twice");
      return std::nullopt;
    }
    seen = true;
    if (i + 1 >= arguments.size() || arguments[i + 1].empty()) {
      Fail(err, std::string(option) + " needs a value");
      return std::nullopt;
    }
    auto const value = arguments[++i];
    if (option == "--today") {
      if (!ParseToday(value, options, err)) return std::nullopt;
    } else {
      options.snapshotFile = std::string(value);
    }
  }
  return options;
}

int RunCommandLine(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err,
                   const AlmanacProvider& provider, const WidgetRunner& runWidget) {
  if (!arguments.empty() && arguments[0] == "--info") return RunInfoCommand(arguments.subspan(1), out, err, provider);
  auto const options = ParseWidgetOptions(arguments, err);
  if (!options) return 2;
  if (!runWidget) {
    err << "wannianli: this build has no widget\n";
    return 2;
  }
  return runWidget(*options);
}

}  // namespace app
