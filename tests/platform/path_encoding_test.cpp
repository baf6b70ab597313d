#include "platform/path_encoding.h"

#include <gtest/gtest.h>

namespace {

TEST(PathEncoding, AsciiPathsAreTheSameInUtf8) {
  EXPECT_EQ(platform::NarrowPathToUtf8("dir/sub\\yiji.db"), "dir/sub\\yiji.db");
  EXPECT_EQ(platform::NarrowPathToUtf8(""), "");
}

#if !defined(_WIN32)
TEST(PathEncoding, LinuxPathsAreUtf8Already) {
  EXPECT_EQ(platform::NarrowPathToUtf8("/home/用户/万年历/yiji.db"), "/home/用户/万年历/yiji.db");
}
#endif

}  // namespace
