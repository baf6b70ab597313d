// The widget's start-up failure path: a missing skin ends RunWidget with status 1, and the report reaches a
// message box exactly when standard error has no handle (a double-clicked wannianli.exe). The box is a
// recorder here: a real one would wait for a click.
#include "app/widget.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/fatal_error.h"
#include "ui/paint_manager_ui.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

int boxes = 0;
std::wstring lastText;

void RecordBox(std::wstring_view, std::wstring_view text) {
  ++boxes;
  lastText = text;
}

// The program's folder as a place without skin/: the instance path points at an empty folder.
class WidgetWithoutSkin : public ::testing::Test {
 protected:
  void SetUp() override {
    boxes = 0;
    lastText.clear();
    previous = platform::SetFatalErrorBox(RecordBox);
    folder = std::filesystem::temp_directory_path() / "wannianli-widget-without-skin";
    std::filesystem::create_directories(folder);
    DuiLib::CPaintManagerUI::SetInstancePath(folder.string());
    options.snapshotFile = (folder / "never.png").string();
  }
  void TearDown() override {
    DuiLib::CPaintManagerUI::SetInstancePath("");
    platform::SetFatalErrorBox(previous);
    std::filesystem::remove_all(folder);
  }

  app::WidgetOptions options;

 private:
  platform::FatalErrorBox previous = nullptr;
  std::filesystem::path folder;
};

TEST_F(WidgetWithoutSkin, RedirectedStandardErrorGetsTheReportAndNoBox) {
  EXPECT_EQ(app::RunWidget(options), 1);
  EXPECT_EQ(boxes, 0);
}

#if defined(_WIN32)
TEST_F(WidgetWithoutSkin, WithoutStandardErrorTheSkinErrorIsShownInABox) {
  HANDLE const error = GetStdHandle(STD_ERROR_HANDLE);
  ASSERT_TRUE(SetStdHandle(STD_ERROR_HANDLE, nullptr));
  int const status = app::RunWidget(options);
  SetStdHandle(STD_ERROR_HANDLE, error);
  EXPECT_EQ(status, 1);
  ASSERT_EQ(boxes, 1);
  EXPECT_EQ(lastText.rfind(L"wannianli: skin error: ", 0), 0u);
  EXPECT_NE(lastText.find(L"main.xml"), std::wstring::npos);
}
#endif

}  // namespace
