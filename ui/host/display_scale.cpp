#include "ui/host/display_scale.h"

#include <charconv>
#include <cstdlib>
#include <ostream>

#include "ui/device_scale.h"

namespace DuiLib {
namespace {

std::string_view Trim(std::string_view text) {
  auto const first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  auto const last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// A positive finite number, the whole text.
std::optional<double> ParseNumber(std::string_view text) {
  text = Trim(text);
  double value = 0;
  auto const [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (!std::isfinite(value) || value <= 0) return std::nullopt;
  return value;
}

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

std::optional<double> ParseScale(std::string_view text) {
  auto const value = ParseNumber(text);
  if (!value || *value < kMinScale || *value > kMaxScale) return std::nullopt;
  return value;
}

double ChooseDisplayScale(const ScaleSources& sources, std::ostream& warnings) {
  if (sources.option) return ClampScale(*sources.option);
  if (!sources.wannianliScale.empty()) {
    if (auto const scale = ParseScale(sources.wannianliScale)) return *scale;
    warnings << "wannianli: WANNIANLI_SCALE=" << sources.wannianliScale
             << " is not a scale from 1 to 3; it is not used\n";
  }
  for (std::string_view desktop : {sources.gdkScale, sources.qtScaleFactor}) {
    if (auto const scale = ParseNumber(desktop)) return ClampScale(*scale);
  }
  if (auto const dpi = ParseNumber(sources.xftDpi)) return ClampScale(*dpi / 96.0);
  return 1.0;
}

ScaleSources ScaleSourcesFromEnvironment() {
  ScaleSources sources;
  sources.wannianliScale = Environment("WANNIANLI_SCALE");
  sources.gdkScale = Environment("GDK_SCALE");
  sources.qtScaleFactor = Environment("QT_SCALE_FACTOR");
  return sources;
}

std::string XftDpiFromResources(std::string_view resources) {
  constexpr std::string_view kName = "Xft.dpi";
  while (!resources.empty()) {
    auto const end = resources.find('\n');
    std::string_view line = resources.substr(0, end);
    resources = end == std::string_view::npos ? std::string_view() : resources.substr(end + 1);
    line = Trim(line);
    if (!line.starts_with(kName)) continue;
    line = Trim(line.substr(kName.size()));
    if (line.starts_with(':')) return std::string(Trim(line.substr(1)));
  }
  return {};
}

}  // namespace DuiLib
