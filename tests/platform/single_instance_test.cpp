// One widget per session: the first claim holds, a later one is told so and reaches the first, and a claim
// made after the first has ended (even with its socket left behind) is first again.
#include "platform/single_instance.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

namespace fs = std::filesystem;
using Role = platform::SingleInstance::Role;

platform::InstanceIdentity TestIdentity() { return {"wannianli-test", L"NoSuchClass", L"no such window"}; }

#if defined(_WIN32)

TEST(SingleInstance, ASecondClaimInTheSessionIsALaterOne) {
  auto const first = std::make_unique<platform::SingleInstance>(TestIdentity());
  EXPECT_EQ(first->GetRole(), Role::first);
  EXPECT_EQ(platform::SingleInstance(TestIdentity()).GetRole(), Role::later);
}

#else

class RuntimeFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    // One folder per test: ctest runs the tests of this program side by side.
    folder = fs::temp_directory_path() /
             ("wannianli-runtime-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const char* old = std::getenv("XDG_RUNTIME_DIR");
    if (old != nullptr) previous = old;
    setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
  }
  void TearDown() override {
    if (previous.empty()) unsetenv("XDG_RUNTIME_DIR");
    else setenv("XDG_RUNTIME_DIR", previous.c_str(), 1);
    fs::remove_all(folder);
  }
  fs::path folder;
  std::string previous;
};

TEST_F(RuntimeFolder, ALaterStartReachesTheFirstWhichSeesOneRequest) {
  platform::SingleInstance first(TestIdentity());
  ASSERT_EQ(first.GetRole(), Role::first) << first.Problem();
  EXPECT_TRUE(first.ListensForRequests());
  EXPECT_FALSE(first.TakeRaiseRequest());
  {
    platform::SingleInstance later(TestIdentity());
    EXPECT_EQ(later.GetRole(), Role::later);
    EXPECT_TRUE(later.AskFirstToRaise());
  }
  EXPECT_TRUE(first.TakeRaiseRequest());
  EXPECT_FALSE(first.TakeRaiseRequest());
}

TEST_F(RuntimeFolder, AfterTheFirstEndsTheNextClaimIsFirstEvenOverAStaleSocket) {
  { platform::SingleInstance ended(TestIdentity()); }
  std::ofstream(folder / "wannianli-test.sock") << "left by a crash";
  platform::SingleInstance next(TestIdentity());
  EXPECT_EQ(next.GetRole(), Role::first) << next.Problem();
  EXPECT_TRUE(next.ListensForRequests());
}

TEST_F(RuntimeFolder, WithoutARuntimeFolderTheStartGoesOnUnguarded) {
  unsetenv("XDG_RUNTIME_DIR");
  platform::SingleInstance alone(TestIdentity());
  EXPECT_EQ(alone.GetRole(), Role::unguarded);
  EXPECT_NE(alone.Problem().find("XDG_RUNTIME_DIR"), std::string::npos);
}

#endif

}  // namespace
