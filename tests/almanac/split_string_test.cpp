#include "almanac/split_string.h"

#include <gtest/gtest.h>

namespace {

using Pieces = std::vector<std::string>;

TEST(SplitString, SkipsEveryEmptyPiece) {
  EXPECT_EQ(SplitString("1,2,3", ","), (Pieces{"1", "2", "3"}));
  EXPECT_EQ(SplitString(",1,,2,", ","), (Pieces{"1", "2"}));
  EXPECT_EQ(SplitString(",,,", ","), Pieces{});
  EXPECT_EQ(SplitString("", ","), Pieces{});
  EXPECT_EQ(SplitString("18", ","), Pieces{"18"});
}

TEST(SplitString, AnyDelimiterCharacterSplits) {
  EXPECT_EQ(SplitString("a;b,c", ",;"), (Pieces{"a", "b", "c"}));
}

}  // namespace
