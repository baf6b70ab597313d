// Where the user's notes live: the override first, then the XDG rule, then the home folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/user_folders.h"

namespace {

#if !defined(_WIN32)
TEST(DataFolder, TheOverrideThenAnAbsoluteXdgDataHomeThenHome) {
  const char* home = std::getenv("HOME");
  std::string const kept = home != nullptr ? home : "";
  setenv("WANNIANLI_DATA_DIR", "/tmp/own", 1);
  setenv("XDG_DATA_HOME", "/tmp/xdg/", 1);
  setenv("HOME", "/tmp/home", 1);
  EXPECT_EQ(platform::DataFolder(), "/tmp/own");
  unsetenv("WANNIANLI_DATA_DIR");
  EXPECT_EQ(platform::DataFolder(), "/tmp/xdg/wannianli");
  setenv("XDG_DATA_HOME", "relative", 1);  // ignored, as the XDG rules ask
  EXPECT_EQ(platform::DataFolder(), "/tmp/home/.local/share/wannianli");
  unsetenv("HOME");
  EXPECT_EQ(platform::DataFolder(), "");
  setenv("HOME", kept.c_str(), 1);
  setenv("WANNIANLI_DATA_DIR", "/nonexistent/wannianli-test", 1);
}
#endif

}  // namespace
