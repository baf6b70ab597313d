#include "app/window_place.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace app {
namespace {

constexpr std::string_view kSection = "window";
// Screen coordinates beyond this are no screen's.
constexpr int kFarthest = 1 << 20;
// How much of the window's top band must show on one work area for the user to reach it and drag it.
constexpr int kGrabWidth = 64;
constexpr int kGrabHeight = 24;

std::optional<int> Coordinate(const std::optional<std::string>& text) {
  if (!text) return std::nullopt;
  int value = 0;
  auto const [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
  if (error != std::errc() || end != text->data() + text->size() || value < -kFarthest || value > kFarthest) {
    return std::nullopt;
  }
  return value;
}

int Overlap(int a0, int a1, int b0, int b1) { return std::max(0, std::min(a1, b1) - std::max(a0, b0)); }

// Squared distance between the centres (doubled coordinates stay in integers).
std::int64_t CentreDistance(const DuiLib::RECT& a, const DuiLib::RECT& b) {
  std::int64_t const dx = (std::int64_t{a.left} + a.right) - (std::int64_t{b.left} + b.right);
  std::int64_t const dy = (std::int64_t{a.top} + a.bottom) - (std::int64_t{b.top} + b.bottom);
  return dx * dx + dy * dy;
}

int Clamp(int value, int low, int high) { return high < low ? low : std::clamp(value, low, high); }

}  // namespace

std::optional<WindowPlace> ReadWindowPlace(const platform::Settings& settings, std::string& problem) {
  auto const x = settings.Get(kSection, "x");
  auto const y = settings.Get(kSection, "y");
  auto const form = settings.Get(kSection, "form");
  if (!x && !y && !form) return std::nullopt;
  WindowPlace place;
  auto const left = Coordinate(x);
  auto const top = Coordinate(y);
  if (!left || !top) {
    problem = "[window] x and y must be whole numbers";
    return std::nullopt;
  }
  place.x = *left;
  place.y = *top;
  if (form && *form != "shrunk" && *form != "enlarged") {
    problem = "[window] form must be shrunk or enlarged";
    return std::nullopt;
  }
  place.shrunk = form && *form == "shrunk";
  return place;
}

void WriteWindowPlace(platform::Settings& settings, const WindowPlace& place) {
  settings.Set(kSection, "x", std::to_string(place.x));
  settings.Set(kSection, "y", std::to_string(place.y));
  settings.Set(kSection, "form", place.shrunk ? "shrunk" : "enlarged");
}

DuiLib::POINT PlaceOnScreens(const DuiLib::RECT& window, std::span<const DuiLib::RECT> workAreas) {
  int const width = window.Width();
  int const height = window.Height();
  int const band = std::min(kGrabHeight, height);
  for (const DuiLib::RECT& area : workAreas) {
    if (Overlap(window.left, window.right, area.left, area.right) >= std::min(kGrabWidth, width) &&
        Overlap(window.top, window.top + band, area.top, area.bottom) >= band) {
      return {window.left, window.top};
    }
  }
  if (workAreas.empty()) return {window.left, window.top};
  auto const nearest = std::min_element(workAreas.begin(), workAreas.end(), [&](const auto& a, const auto& b) {
    return CentreDistance(window, a) < CentreDistance(window, b);
  });
  // A window larger than the area keeps its top-left corner on it.
  return {Clamp(window.left, nearest->left, nearest->right - width),
          Clamp(window.top, nearest->top, nearest->bottom - height)};
}

}  // namespace app
