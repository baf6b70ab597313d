// 记事本 and 备忘 from the main window: the selected day's note, its marks in the grid and the header, and
// a day chosen in the memo shown in the grid. The store is a folder of the test's own.
#include <cstdlib>
#include <filesystem>

#include "almanac/user_store.h"
#include "widget_fixture.h"
#include "windows/memo_window.h"
#include "windows/note_window.h"

namespace e2e {
namespace {

class NotesTest : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    folder = std::filesystem::temp_directory_path() / ("wannianli-e2e-notes-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    setenv("WANNIANLI_DATA_DIR", folder.string().c_str(), 1);
  }
  void TearDown() override {
    WidgetTest::TearDown();
    std::filesystem::remove_all(folder);
    setenv("WANNIANLI_DATA_DIR", "/nonexistent/wannianli-test", 1);
  }
  std::filesystem::path folder;
};

TEST_F(NotesTest, ThePadOpensTheSelectedDaysNoteAndTheGridAndHeaderMarkIt) {
  auto& w = Open();  // today: 2015-02-19, selected
  EXPECT_FALSE(w.Find(L"lbl_note_mark")->IsVisible());
  ClickOn(L"btn_notePad");
  ASSERT_EQ(NoteWindow::OpenWindowCount(), 1);
  NoteWindow* note = NoteWindow::Open(Date(2015, 2, 19), {});  // the open one, brought forward
  EXPECT_EQ(note->Date(), "2015-02-19");
  for (char32_t c : std::u32string_view(U"拜年")) host.TypeChar(note->GetHWND(), c);
  host.RunUntilIdle();
  auto* save = note->GetPaintManager().FindControl(L"btn_note_save");
  RECT const rc = save->GetPos();
  host.Click(note->GetHWND(), (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
  host.RunUntilIdle();

  auto const cells = w.ShownCellsOf(2015, 2, 19);
  ASSERT_EQ(cells.size(), 1u);
  DayOptionUI* cell = w.DayCell(cells[0]);
  EXPECT_TRUE(cell->hasNote);
  EXPECT_EQ(cell->GetToolTip(), L"春节\n记事：拜年");  // the holiday's name, then the note
  EXPECT_EQ(w.Find(L"btn_notePad")->GetToolTip(), L"记事本：拜年");
  EXPECT_TRUE(w.Find(L"lbl_note_mark")->IsVisible());

  ClickOn(L"btn_next_month");  // a month without notes: no marks, and the tooltips lose the note line
  EXPECT_FALSE(w.Find(L"lbl_note_mark")->IsVisible());
  for (int i = 1; i <= 42; ++i) EXPECT_FALSE(w.DayCell(i)->IsVisible() && w.DayCell(i)->hasNote) << i;
}

TEST_F(NotesTest, ADayChosenInTheMemoIsShownSelected) {
  UserStore().SaveNote("2015-05-04", "青年节");
  auto& w = Open();
  w.OpenMemo();
  MemoWindow* memo = MemoWindow::OpenWindow();
  ASSERT_NE(memo, nullptr);
  auto* row = memo->GetPaintManager().FindControl(L"memo_row_1");
  host.RunUntilIdle();
  RECT const rc = row->GetPos();
  host.Click(memo->GetHWND(), (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
  host.RunUntilIdle();
  auto const selected = w.SelectedDates();
  ASSERT_EQ(selected.size(), 1u);
  EXPECT_EQ(selected[0].year * 10000 + selected[0].month * 100 + selected[0].day, 20150504);
  EXPECT_EQ(w.Find(L"btn_notePad")->GetToolTip(), L"记事本：青年节");
}

}  // namespace
}  // namespace e2e
