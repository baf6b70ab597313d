// The fatal-error box. A real box would wait for a click, so every test puts a recorder in its place. The
// test programs run with standard error redirected (ctest's pipes, under wine too), as the smoke test runs
// wannianli.exe: no box may be shown then.
#include "platform/fatal_error.h"

#include <gtest/gtest.h>

#include <string>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

int boxes = 0;
std::wstring lastCaption;
std::wstring lastText;

void RecordBox(std::wstring_view caption, std::wstring_view text) {
  ++boxes;
  lastCaption = caption;
  lastText = text;
}

class FatalErrorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    boxes = 0;
    previous = platform::SetFatalErrorBox(RecordBox);
  }
  void TearDown() override { platform::SetFatalErrorBox(previous); }

 private:
  platform::FatalErrorBox previous = nullptr;
};

TEST_F(FatalErrorTest, NoBoxWhileStandardErrorIsRedirected) {
  platform::ReportFatalError("wannianli: skin error: main.xml: no such file");
  EXPECT_EQ(boxes, 0);
}

#if defined(_WIN32)
// A double-click: standard error has no handle at all (ParentConsoleStreams found no console to take).
TEST_F(FatalErrorTest, BoxShowsTheMessageWhenStandardErrorHasNoHandle) {
  HANDLE const error = GetStdHandle(STD_ERROR_HANDLE);
  ASSERT_TRUE(SetStdHandle(STD_ERROR_HANDLE, nullptr));
  platform::ReportFatalError("wannianli: skin error: 万年历/main.xml:3: bad");
  SetStdHandle(STD_ERROR_HANDLE, error);
  EXPECT_EQ(boxes, 1);
  EXPECT_EQ(lastCaption, L"万年历");
  EXPECT_EQ(lastText, L"wannianli: skin error: 万年历/main.xml:3: bad");
}
#endif

}  // namespace
