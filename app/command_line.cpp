#include "app/command_line.h"

#include <ostream>

#include "lunar/supported_years.h"
#include "platform/message_text.h"
#include "ui/host/display_scale.h"

namespace app {
namespace {

constexpr std::string_view kUsage =
    "usage: wannianli [--today YYYY-MM-DD] [--snapshot FILE.png] [--scale F] | wannianli --info FROM [TO] | "
    "wannianli --export-notes|--import-notes|--import-holidays FILE.ics | wannianli --forget-holidays YEAR";

// The project's version, given by the build (app/CMakeLists.txt).
#ifndef WANNIANLI_VERSION
#error "WANNIANLI_VERSION is not defined"
#endif

constexpr std::string_view kHelp =
    "usage: wannianli [--today YYYY-MM-DD] [--snapshot FILE.png] [--scale F]\n"
    "       wannianli --info FROM [TO]\n"
    "       wannianli --export-notes FILE.ics | --import-notes FILE.ics\n"
    "       wannianli --import-holidays FILE.ics | --forget-holidays YEAR\n"
    "       wannianli --help | --version\n"
    "\n"
    "A perpetual calendar widget for the Chinese calendar (万年历): the month grid with lunar days,\n"
    "festivals, solar terms and holidays, the selected day's almanac, and a clock.\n"
    "\n"
    "  (no option)          open the widget; a second start brings the running widget to the front\n"
    "  --today YYYY-MM-DD   open it as if today were that date (1901-2050; the time still runs)\n"
    "  --snapshot FILE.png  render the window as it opens into FILE.png and exit, without a display\n"
    "  --scale F            draw at F times the size, 1 to 3 (1.5 for 150 %); else WANNIANLI_SCALE, else\n"
    "                       the desktop's scale (GDK_SCALE, QT_SCALE_FACTOR, Xft.dpi; DPI on Windows)\n"
    "  --info FROM [TO]     one tab-separated line per date FROM..TO (YYYY-MM-DD), header line first\n"
    "  --export-notes FILE.ics     write every note into FILE.ics (iCalendar, all-day events)\n"
    "  --import-notes FILE.ics     add the all-day events of FILE.ics as notes (merged by UID)\n"
    "  --import-holidays FILE.ics  take the rest (休) and worked (班) days of each year in FILE.ics in place of\n"
    "                              the built-in holiday schedule of that year\n"
    "  --forget-holidays YEAR      go back to the built-in holiday schedule of YEAR\n"
    "  --help               show this text\n"
    "  --version            show the version\n"
    "\n"
    "The widget's place is kept in $XDG_CONFIG_HOME/wannianli/settings.ini, notes and imported holiday\n"
    "schedules in $XDG_DATA_HOME/wannianli/user.db ($WANNIANLI_DATA_DIR/user.db when set; %APPDATA%\\wannianli\n"
    "on Windows). Exit status: 0 done, 1 the skin, the display or a file failed, 2 a bad argument or file.\n";

// An argument as an error line may show it: control characters escaped, a long one cut.
std::string Quoted(std::string_view argument) {
  return platform::QuoteForMessage(argument, platform::kQuotedArgumentBytes);
}

bool Fail(std::ostream& err, std::string_view problem) {
  err << "wannianli: " << problem << " (" << kUsage << ")\n";
  return false;
}

bool ParseScaleOption(std::string_view text, WidgetOptions& options, std::ostream& err) {
  auto const scale = DuiLib::ParseScale(text);
  if (!scale) return Fail(err, "--scale: '" + Quoted(text) + "' is not a scale from 1 to 3");
  options.scale = scale;
  return true;
}

bool ParseToday(std::string_view text, WidgetOptions& options, std::ostream& err) {
  auto const date = ParseInfoDate(text);
  if (!date) return Fail(err, "--today: '" + Quoted(text) + "' is not a date YYYY-MM-DD");
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
  bool sawScale = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    auto const option = arguments[i];
    bool const known = option == "--today" || option == "--snapshot" || option == "--scale";
    if (!known) {
      Fail(err, "unknown argument '" + Quoted(option) + "'");
      return std::nullopt;
    }
    bool& seen = option == "--today" ? sawToday : option == "--scale" ? sawScale : sawSnapshot;
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
    } else if (option == "--scale") {
      if (!ParseScaleOption(value, options, err)) return std::nullopt;
    } else {
      options.snapshotFile = std::string(value);
    }
  }
  return options;
}

int RunCommandLine(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err,
                   const AlmanacProvider& provider, const WidgetRunner& runWidget) {
  if (!arguments.empty() && arguments[0] == "--info") return RunInfoCommand(arguments.subspan(1), out, err, provider);
  // First on the line, like --info; whatever follows is not looked at.
  if (!arguments.empty() && arguments[0] == "--help") {
    out << kHelp;
    return 0;
  }
  if (!arguments.empty() && arguments[0] == "--version") {
    out << "wannianli " << WANNIANLI_VERSION << "\n";
    return 0;
  }
  auto const options = ParseWidgetOptions(arguments, err);
  if (!options) return 2;
  if (!runWidget) {
    err << "wannianli: this build has no widget\n";
    return 2;
  }
  return runWidget(*options);
}

}  // namespace app
