// The widget reopens where the user left it: the saved form and position are applied before the window
// shows, a move is written to the settings file once the window rests, and a corrupt file costs one message
// and the default place, never the start.
#include "app/remembered_place.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "widget_fixture.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

class RememberedPlaceTest : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    folder = fs::temp_directory_path() /
             ("wannianli-place-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    path = (folder / "settings.ini").string();
  }
  void TearDown() override {
    WidgetTest::TearDown();
    fs::remove_all(folder);
  }
  // Opens the window and applies the place as the program does.
  void OpenWith(app::RememberedPlace& place) {
    window = new MainWindow;
    handle = window->Create(nullptr, L"万年历", UI_WNDSTYLE_FRAME, 0, 0, 0, 336, 494);
    ASSERT_NE(handle, nullptr);
    place.Apply(*window);
    window->ShowWindow(true, true);
    host.RunUntilIdle();
  }
  std::string FileText() {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  fs::path folder;
  std::string path;
  std::ostringstream err;
};

TEST_F(RememberedPlaceTest, ReopensShrunkWhereItWasLeftAndKeepsTheNextMove) {
  std::ofstream(path) << "[window]\nx=700\ny=30\nform=shrunk\n[other]\nkept=yes\n";
  app::RememberedPlace place(path, err);
  OpenWith(place);
  RECT rc = host.GetWindowRect(handle);
  EXPECT_EQ(rc.left, 700);
  EXPECT_EQ(rc.top, 30);
  EXPECT_EQ(rc.Height(), 494 - kShrinkHeight);
  EXPECT_TRUE(window->IsShrunk());
  EXPECT_TRUE(window->Find(L"btn_fangda")->IsVisible());

  // The user drags it and enlarges it: written once the window has rested for a second.
  host.SetWindowRect(handle, RECT{1200, 600, 1200 + rc.Width(), 600 + rc.Height()});
  ClickOn(L"btn_fangda");
  Tick(2);
  EXPECT_EQ(FileText(), "[other]\nkept=yes\n\n[window]\nform=enlarged\nx=1200\ny=600\n");
  EXPECT_EQ(err.str(), "");
}

TEST_F(RememberedPlaceTest, AnOffScreenPlaceIsPulledBackAndACorruptFileGivesOneMessage) {
  std::ofstream(path) << "[window]\nx=5000\ny=-3000\n";
  {
    app::RememberedPlace place(path, err);
    OpenWith(place);
    RECT const rc = host.GetWindowRect(handle);
    EXPECT_EQ(rc.left, 1920 - 336);
    EXPECT_EQ(rc.top, 0);
    window->DestroyWindow();
  }
  std::ofstream(path, std::ios::trunc) << "\x01garbage without an equals sign\n";
  app::RememberedPlace place(path, err);
  OpenWith(place);
  RECT const rc = host.GetWindowRect(handle);
  EXPECT_EQ(rc.left, (1920 - 336) / 2);  // centred, as on a first start
  EXPECT_FALSE(window->IsShrunk());
  std::string const message = err.str();
  EXPECT_EQ(message.find("wannianli: " + path + ": line 1"), 0u) << message;
  EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1);
  // The file is rewritten with a good place at the end.
  place.Save();
  EXPECT_EQ(FileText(), "[window]\nform=enlarged\nx=792\ny=293\n");
}

}  // namespace
}  // namespace e2e
