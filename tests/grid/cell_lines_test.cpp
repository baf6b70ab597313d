// Rectangles and colours of a cell's two lines; the lines themselves are tested through the painting.
#include "grid/cell_lines.h"

#include <gtest/gtest.h>

namespace {

using namespace grid;

TEST(CellTextRects, InsetsThenTwentyPixelsOffEachLine) {
  auto const inset = CellTextRectsFor({0, 0, 49, 50}, {1, 2, 3, 4});
  EXPECT_EQ(inset.first, (Rect{1, 2, 46, 26}));
  EXPECT_EQ(inset.second, (Rect{1, 22, 46, 46}));
}

TEST(CellColours, SelectedTextColourHighlightAndDisabled) {
  CellColourInput in{.textColour = 0xFF000000, .selectedTextColour = 0xFFFFFFFF, .defaultFontColour = 0xFF0000FF};
  EXPECT_EQ(ChooseCellColours(in, false).first, 0xFFFFFFFFu);
  EXPECT_EQ(ChooseCellColours(in, true).second, 0xFFFF5757u);  // opaque FF5757
  in.enabled = false;
  in.defaultDisabledColour = 0xFFA7A6AA;
  auto const disabled = ChooseCellColours(in, true);
  EXPECT_EQ(disabled.first, 0xFFA7A6AAu);
  EXPECT_EQ(disabled.second, 0xFFA7A6AAu);
  EXPECT_EQ(disabled.disabledTextColour, 0xFFA7A6AAu);
}

}  // namespace
