#pragma once
// MemoWindow: every note at a glance ("备忘"), from "memo.xml": one row per note ("memo_row_1" …), the date
// and the note's first line, the latest date first, a page at a time ("btn_memo_prev", "btn_memo_next",
// "memo_page"), and a search field ("memo_search") that keeps the notes whose date or text holds what is
// typed. Choosing a row shows that day in the main window.
//
// Lifetime: a heap object, at most one at a time (opening it again brings it forward and reads the notes
// again); it deletes itself on its final message.
#include <functional>
#include <string>
#include <vector>

#include "almanac/date_time_record.h"
#include "almanac/user_store.h"
#include "ui/ui_framework.h"

// The notes whose date or text contains `query` (ASCII letters in either case), in the order given.
std::vector<UserNote> MatchingNotes(const std::vector<UserNote>& notes, const std::wstring& query);

class MemoWindow : public DuiLib::WindowImplBase {
 public:
  static constexpr int kRowsPerPage = 8;

  // `showDay` shows a chosen note's day in the main window.
  static MemoWindow* Open(std::function<void(const DateTimeRecord&)> showDay);
  static void DestroyOpenWindow();
  static MemoWindow* OpenWindow();

  DuiLib::LPCTSTR GetWindowClassName() const override { return L"MemoWindow"; }
  void InitWindow() override;
  void Notify(DuiLib::TNotifyUI& msg) override;
  void OnFinalMessage(DuiLib::HWND window) override;

  DuiLib::CDuiString GetSkinFolder() override { return L"skin\\"; }
  DuiLib::CDuiString GetSkinFile() override { return L"memo.xml"; }

  // Reads the notes again and shows the first page of those matching the search field.
  void Reload();

 private:
  explicit MemoWindow(std::function<void(const DateTimeRecord&)> showDay);
  ~MemoWindow() override;

  void ShowPage(int index);

  std::function<void(const DateTimeRecord&)> showDay;
  std::vector<UserNote> notes;    // every note, latest first
  std::vector<UserNote> shown;    // those matching the search
  int page = 0;
};
