// Taking the parent's console. The test programs run with both streams redirected (ctest's pipes, under
// wine too), which is the case the smoke test's byte-for-byte --info comparison depends on: those handles
// must stay exactly as they were and no console may be attached.
#include "platform/parent_console.h"

#include <gtest/gtest.h>

#include <cstdio>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

TEST(ParentConsoleStreams, RedirectedStreamsKeepTheirHandlesAndNoConsoleIsAttached) {
#if defined(_WIN32)
  HANDLE const out = GetStdHandle(STD_OUTPUT_HANDLE);
  HANDLE const error = GetStdHandle(STD_ERROR_HANDLE);
  if (GetFileType(out) != FILE_TYPE_PIPE && GetFileType(out) != FILE_TYPE_DISK)
    GTEST_SKIP() << "needs standard output redirected to a pipe or a file, as under ctest";
#endif
  {
    platform::ParentConsoleStreams const console;
    EXPECT_FALSE(console.Attached());
#if defined(_WIN32)
    EXPECT_EQ(GetStdHandle(STD_OUTPUT_HANDLE), out);
    EXPECT_EQ(GetStdHandle(STD_ERROR_HANDLE), error);
#endif
    EXPECT_GE(std::fputs("", stdout), 0);
  }
#if defined(_WIN32)
  // Ending it lets go of nothing it did not take.
  EXPECT_EQ(GetStdHandle(STD_OUTPUT_HANDLE), out);
  EXPECT_EQ(GetStdHandle(STD_ERROR_HANDLE), error);
#endif
}

}  // namespace
