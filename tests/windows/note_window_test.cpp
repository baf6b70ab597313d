// The note and memo windows on the headless host, with the real skins and a store of their own: a note
// typed, saved, reopened and deleted; × saves; a store that cannot be written keeps the text; the memo's
// list, search and choice.
#include "windows/memo_window.h"
#include "windows/note_window.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "almanac/user_store.h"
#include "windows_test_support.h"

namespace {

using namespace windowstest;

class NoteWindowTest : public WindowsTest {
 protected:
  void SetUp() override {
    WindowsTest::SetUp();
    folder = std::filesystem::temp_directory_path() / ("wannianli-notes-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    setenv("WANNIANLI_DATA_DIR", folder.string().c_str(), 1);
  }
  void TearDown() override {
    NoteWindow::DestroyOpenWindows();
    MemoWindow::DestroyOpenWindow();
    host.RunUntilIdle();
    std::filesystem::remove_all(folder);
    setenv("WANNIANLI_DATA_DIR", "/nonexistent/wannianli-test", 1);
    WindowsTest::TearDown();
  }
  static CControlUI* Find(WindowImplBase* window, std::wstring_view name) {
    return window->GetPaintManager().FindControl(name);
  }
  void Click(WindowImplBase* window, std::wstring_view name) { ClickOn(window->GetHWND(), Find(window, name)); }
  void Type(WindowImplBase* window, std::u32string_view text) {
    for (char32_t c : text) host.TypeChar(window->GetHWND(), c);
    host.RunUntilIdle();
  }
  std::wstring Status(NoteWindow* window) { return Find(window, L"note_status")->GetText(); }

  std::filesystem::path folder;
  int changes = 0;
  std::function<void()> counted = [this] { ++changes; };
};

TEST_F(NoteWindowTest, ANoteIsTypedSavedReopenedAndDeleted) {
  auto* window = NoteWindow::Open({2025, 1, 28, 0, 0, 0}, counted);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(Find(window, L"note_date")->GetText(), L"2025年1月28日 星期二 十二月廿九");
  Type(window, U"回家");
  host.Key(window->GetHWND(), VK_RETURN);
  Type(window, U"买票");
  Click(window, L"btn_note_save");
  EXPECT_EQ(UserStore().NoteOn("2025-01-28")->text, "回家\n买票");
  EXPECT_EQ(Status(window), L"已保存");
  EXPECT_EQ(changes, 1);

  Click(window, L"btn_note_close");
  host.RunUntilIdle();
  EXPECT_EQ(NoteWindow::OpenWindowCount(), 0);
  window = NoteWindow::Open({2025, 1, 28, 0, 0, 0}, counted);
  EXPECT_EQ(Find(window, L"note_text")->GetText(), L"回家\n买票");

  host.SetModalAnswer(IDOK);
  Click(window, L"btn_note_delete");
  EXPECT_FALSE(UserStore().NoteOn("2025-01-28"));
  EXPECT_EQ(Find(window, L"note_text")->GetText(), L"");
  EXPECT_EQ(changes, 2);
}

TEST_F(NoteWindowTest, CloseSavesAndADayHasOneWindow) {
  auto* window = NoteWindow::Open({2026, 2, 1, 0, 0, 0}, counted);
  EXPECT_EQ(NoteWindow::Open({2026, 2, 1, 0, 0, 0}, counted), window);
  Type(window, U"x");
  Click(window, L"btn_note_close");
  host.RunUntilIdle();
  EXPECT_EQ(UserStore().NoteOn("2026-02-01")->text, "x");
}

TEST_F(NoteWindowTest, AStoreThatCannotBeWrittenSaysSoAndKeepsTheText) {
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "blocker") << "a file where the data folder would be";
  setenv("WANNIANLI_DATA_DIR", (folder / "blocker" / "data").string().c_str(), 1);
  auto* window = NoteWindow::Open({2025, 5, 1, 0, 0, 0}, counted);
  Type(window, U"keep me");
  Click(window, L"btn_note_save");
  EXPECT_NE(Status(window).find(L"无法保存"), std::wstring::npos);
  EXPECT_EQ(Find(window, L"note_text")->GetText(), L"keep me");
  EXPECT_EQ(changes, 0);
  // The first × keeps the window and warns; the second closes it.
  Click(window, L"btn_note_close");
  host.RunUntilIdle();
  EXPECT_EQ(NoteWindow::OpenWindowCount(), 1);
  EXPECT_NE(Status(window).find(L"再点 ×"), std::wstring::npos);
  Click(window, L"btn_note_close");
  host.RunUntilIdle();
  EXPECT_EQ(NoteWindow::OpenWindowCount(), 0);
}

TEST_F(NoteWindowTest, TheMemoListsLatestFirstSearchesAndShowsTheChosenDay) {
  UserStore store;
  store.SaveNote("2024-12-31", "跨年 party");
  store.SaveNote("2025-03-08", "买花");
  store.SaveNote("2025-01-28", "除夕\n回家");
  std::optional<DateTimeRecord> chosen;
  auto* memo = MemoWindow::Open([&](const DateTimeRecord& d) { chosen = d; });
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(Find(memo, L"memo_row_1")->GetText(), L"2025-03-08  买花");
  EXPECT_EQ(Find(memo, L"memo_row_2")->GetText(), L"2025-01-28  除夕");
  EXPECT_TRUE(Find(memo, L"memo_row_3")->IsVisible());
  EXPECT_FALSE(Find(memo, L"memo_row_4")->IsVisible());

  Find(memo, L"memo_search")->SetFocus();
  Type(memo, U"PARTY");
  EXPECT_EQ(Find(memo, L"memo_row_1")->GetText(), L"2024-12-31  跨年 party");
  EXPECT_FALSE(Find(memo, L"memo_row_2")->IsVisible());
  Click(memo, L"memo_row_1");
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->year * 10000 + chosen->month * 100 + chosen->day, 20241231);
}

}  // namespace
