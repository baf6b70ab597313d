#include "platform/executable_path.h"

#include <gtest/gtest.h>

namespace {

TEST(ExecutablePath, NamesThisTestProgram) {
  std::string path = platform::ExecutablePath();
  ASSERT_FALSE(path.empty());
#if defined(_WIN32)
  EXPECT_EQ(path.substr(1, 2), ":\\");  // a drive letter
#else
  EXPECT_EQ(path.front(), '/');
#endif
  EXPECT_NE(path.find("test_platform"), std::string::npos);
}

TEST(ExecutablePath, OverrideIsReturnedUntilCleared) {
  platform::SetExecutablePathOverride("/tmp/elsewhere/wannianli");
  EXPECT_EQ(platform::ExecutablePath(), "/tmp/elsewhere/wannianli");
  platform::SetExecutablePathOverride(std::nullopt);
  EXPECT_NE(platform::ExecutablePath(), "/tmp/elsewhere/wannianli");
}

}  // namespace
