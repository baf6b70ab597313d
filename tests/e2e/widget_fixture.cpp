#include "widget_fixture.h"

#include "grid/almanac_errors.h"
#include "grid/grid_constants.h"
#include "platform/command_runner.h"
#include "ui/device_scale.h"
#include "ui/render/render_frame.h"
#include "windows/memo_window.h"
#include "windows/note_window.h"
#include "windows/soft_box_window.h"

namespace e2e {
namespace {

// Before any test and any window: no command line from this program ever reaches the system.
class NoRealCommands : public ::testing::Environment {
 public:
  void SetUp() override {
    platform::SetCommandRunner([](const std::string& line) {
      ADD_FAILURE() << "a command ran outside a test's recorder: " << line;
      return -1;
    });
  }
};
[[maybe_unused]] auto* const kNoRealCommands = ::testing::AddGlobalTestEnvironment(new NoRealCommands);

int DaysIn(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool const leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

void TestClock::AddSeconds(int seconds) {
  for (int i = 0; i < seconds; ++i) {
    if (++now.second < 60) continue;
    now.second = 0;
    if (++now.minute < 60) continue;
    now.minute = 0;
    if (++now.hour < 24) continue;
    now.hour = 0;
    if (++now.day <= DaysIn(now.year, now.month)) continue;
    now.day = 1;
    if (++now.month <= 12) continue;
    now.month = 1;
    ++now.year;
  }
}

MainWindow::MainWindow() : CalendarWindow(grid::WidgetAlmanacLookups()) {}

std::vector<int> MainWindow::ShownCellsOf(int year, int month, int day) const {
  std::vector<int> cells;
  for (int i = 1; i <= grid::kCellCount; ++i)
    if (DayCell(i)->IsVisible() && DayCell(i)->date == DateTimeRecord{year, month, day, 0, 0, 0}) cells.push_back(i);
  return cells;
}

std::vector<DateTimeRecord> MainWindow::SelectedDates() const {
  std::vector<DateTimeRecord> dates;
  for (int i = 1; i <= grid::kCellCount; ++i)
    if (DayCell(i)->IsVisible() && DayCell(i)->IsSelected()) dates.push_back(DayCell(i)->date);
  return dates;
}

std::vector<DateTimeRecord> MainWindow::DatesWithImage(std::wstring_view image) const {
  std::vector<DateTimeRecord> dates;
  for (int i = 1; i <= grid::kCellCount; ++i)
    if (DayCell(i)->IsVisible() && DayCell(i)->GetBkImage() == image) dates.push_back(DayCell(i)->date);
  return dates;
}

void WidgetTest::SetUp() {
  InstallHost(&host);
  CPaintManagerUI::SetInstancePath(WANNIANLI_OUTPUT_DIR);
  grid::ConnectWidgetFestivalLookups();
  platform::SetClockSource([this] { return clock.now; });
  platform::SetCommandRunner([this](const std::string& line) {
    commandsRun.push_back(line);
    return 0;
  });
}

void WidgetTest::TearDown() {
  if (WindowAlive()) window->DestroyWindow();  // its final message deletes it
  SoftBoxWindow::DestroyOpenBoxes();
  NoteWindow::DestroyOpenWindows();
  MemoWindow::DestroyOpenWindow();
  platform::SetCommandRunner([](const std::string& line) {
    ADD_FAILURE() << "a command ran after the test: " << line;
    return -1;
  });
  platform::SetClockSource({});
  CPaintManagerUI::SetInstancePath("");
  InstallHost(nullptr);
}

MainWindow& WidgetTest::Open() { return Open(new MainWindow); }

MainWindow& WidgetTest::Open(MainWindow* fresh) {
  window = fresh;
  handle = window->Create(nullptr, L"CalendarWindow", UI_WNDSTYLE_FRAME, 0, 0, 0, 336, 494);
  EXPECT_NE(handle, nullptr) << window->GetSkinError();
  window->CenterWindow();
  window->ShowWindow(true, true);
  host.RunUntilIdle();
  return *window;
}

bool WidgetTest::WindowAlive() const { return handle != nullptr && CWindowWnd::FromHandle(handle) == window; }

POINT WidgetTest::Centre(CControlUI* control) {
  host.RunUntilIdle();
  const RECT& rc = control->GetPos();
  return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

void WidgetTest::ClickControl(CControlUI* control) {
  ASSERT_NE(control, nullptr);
  POINT const pt = Centre(control);
  double const scale = host.GetWindowScale(handle);  // the host takes device pixels
  host.Click(handle, ToDevice(pt.x, scale), ToDevice(pt.y, scale));
}

void WidgetTest::ClickOn(std::wstring_view name) { ClickControl(window->Find(name)); }

void WidgetTest::ClickCell(int year, int month, int day) {
  auto const cells = window->ShownCellsOf(year, month, day);
  ASSERT_EQ(cells.size(), 1u) << year << "-" << month << "-" << day;
  ClickControl(window->DayCell(cells[0]));
}

void WidgetTest::Tick(int seconds) {
  for (int i = 0; i < seconds; ++i) {
    clock.AddSeconds(1);
    host.AdvanceTime(1000);
  }
}

std::vector<POINT> WidgetTest::StalePixels() {
  RenderFrame* shown = host.Frame(handle);
  if (shown == nullptr || window == nullptr) return {POINT{-1, -1}};
  RenderFrame fresh(shown->Width(), shown->Height(), shown->Scale());
  window->GetPaintManager().Paint(fresh.Canvas());
  fresh.Flush();
  std::vector<POINT> stale;
  for (int y = 0; y < shown->Height(); ++y)
    for (int x = 0; x < shown->Width(); ++x)
      if (shown->Pixel(x, y) != fresh.Pixel(x, y)) stale.push_back(POINT{x, y});
  return stale;
}

}  // namespace e2e
