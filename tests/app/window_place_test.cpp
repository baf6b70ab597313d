// Where the widget reopens: the saved place read from the settings, and pulled back onto a screen when the
// screens have changed since.
#include "app/window_place.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using DuiLib::POINT;
using DuiLib::RECT;

RECT At(int x, int y) { return RECT{x, y, x + 336, y + 494}; }

TEST(WindowPlace, StaysWhereTheUserCanStillGrabItElsePulledOntoTheNearestScreen) {
  // Two screens side by side; the right one lower and with a panel on top.
  std::vector<RECT> const screens = {{0, 0, 1920, 1040}, {1920, 200, 3200, 1024}};
  EXPECT_EQ(app::PlaceOnScreens(At(100, 50), screens), (POINT{100, 50}));
  EXPECT_EQ(app::PlaceOnScreens(At(2500, 300), screens), (POINT{2500, 300}));
  // Mostly off the left edge, but 64 px of its header still show: the user can drag it back.
  EXPECT_EQ(app::PlaceOnScreens(At(-272, 10), screens), (POINT{-272, 10}));
  // Its header above the right screen's work area (under the panel): moved down onto it.
  EXPECT_EQ(app::PlaceOnScreens(At(2500, 150), screens), (POINT{2500, 200}));
  // A screen that is gone: onto the nearest, whole.
  EXPECT_EQ(app::PlaceOnScreens(At(3500, 400), screens), (POINT{3200 - 336, 400}));
  EXPECT_EQ(app::PlaceOnScreens(At(-2000, -900), screens), (POINT{0, 0}));
  // A screen smaller than the widget: its top-left corner on the screen.
  EXPECT_EQ(app::PlaceOnScreens(At(900, 900), std::vector<RECT>{{0, 0, 300, 400}}), (POINT{0, 0}));
  EXPECT_EQ(app::PlaceOnScreens(At(900, 900), {}), (POINT{900, 900}));
}

TEST(WindowPlace, ReadBackAsWrittenAndABadSectionIsAProblem) {
  platform::Settings settings;
  std::string problem;
  EXPECT_FALSE(app::ReadWindowPlace(settings, problem).has_value());
  EXPECT_EQ(problem, "");
  app::WriteWindowPlace(settings, {-40, 1200, true});
  EXPECT_EQ(app::ReadWindowPlace(settings, problem), (app::WindowPlace{-40, 1200, true}));
  for (auto [key, value] : {std::pair{"x", "12px"}, {"y", ""}, {"x", "99999999999"}, {"form", "tiny"}}) {
    platform::Settings bad = settings;
    bad.Set("window", key, value);
    problem.clear();
    EXPECT_FALSE(app::ReadWindowPlace(bad, problem).has_value()) << key << "=" << value;
    EXPECT_NE(problem, "");
  }
}

}  // namespace
