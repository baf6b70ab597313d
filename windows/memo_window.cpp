#include "windows/memo_window.h"

#include <algorithm>
#include <cwctype>

#include "almanac/cpp_sqlite3_exception.h"
#include "platform/code_page.h"

using namespace DuiLib;

namespace {

MemoWindow*& Current() {
  static MemoWindow* window = nullptr;
  return window;
}

std::wstring Folded(std::wstring text) {
  std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
  });
  return text;
}

std::wstring RowName(int i) { return L"memo_row_" + std::to_wstring(i); }

}  // namespace

std::vector<UserNote> MatchingNotes(const std::vector<UserNote>& notes, const std::wstring& query) {
  std::wstring const wanted = Folded(query);
  if (wanted.empty()) return notes;
  std::vector<UserNote> matching;
  for (const UserNote& note : notes) {
    if (Folded(platform::Utf8ToWide(note.date + " " + note.text)).find(wanted) != std::wstring::npos) {
      matching.push_back(note);
    }
  }
  return matching;
}

MemoWindow::MemoWindow(std::function<void(const DateTimeRecord&)> showDay) : showDay(std::move(showDay)) {
  Current() = this;
}

MemoWindow::~MemoWindow() {
  if (Current() == this) Current() = nullptr;
}

MemoWindow* MemoWindow::OpenWindow() { return Current(); }

MemoWindow* MemoWindow::Open(std::function<void(const DateTimeRecord&)> showDay) {
  if (MemoWindow* open = Current()) {
    open->showDay = std::move(showDay);
    open->Reload();
    open->ShowWindow(true, true);
    return open;
  }
  auto* window = new MemoWindow(std::move(showDay));
  if (window->Create(nullptr, L"备忘", UI_WNDSTYLE_FRAME, 0, 0, 0, 320, 400) == nullptr) {
    delete window;
    return nullptr;
  }
  window->CenterWindow();
  window->ShowWindow(true, true);
  return window;
}

void MemoWindow::DestroyOpenWindow() {
  if (MemoWindow* open = Current()) {
    if (open->GetHWND() != nullptr) open->DestroyWindow();
    else delete open;
  }
}

void MemoWindow::InitWindow() { Reload(); }

void MemoWindow::Reload() {
  std::wstring problem;
  try {
    notes = UserStore().AllNotes();
  } catch (const CppSQLite3Exception& error) {
    notes.clear();
    problem = L"读不出记事：" + platform::Utf8ToWide(error.ErrorMessage());
  }
  auto* search = m_PaintManager.FindControl(L"memo_search");
  shown = MatchingNotes(notes, search != nullptr ? std::wstring(search->GetText()) : L"");
  ShowPage(0);
  if (!problem.empty()) {
    if (auto* empty = m_PaintManager.FindControl(L"memo_empty")) empty->SetText(problem);
  }
}

void MemoWindow::ShowPage(int index) {
  int const pages = std::max(1, (static_cast<int>(shown.size()) + kRowsPerPage - 1) / kRowsPerPage);
  page = std::clamp(index, 0, pages - 1);
  for (int i = 1; i <= kRowsPerPage; ++i) {
    auto* row = m_PaintManager.FindControl(RowName(i));
    if (row == nullptr) continue;
    std::size_t const at = static_cast<std::size_t>(page * kRowsPerPage + i - 1);
    row->SetVisible(at < shown.size());
    if (at < shown.size()) {
      row->SetText(platform::Utf8ToWide(shown[at].date + "  " + FirstLine(shown[at].text)));
      row->SetToolTip(platform::Utf8ToWide(shown[at].text));
    }
  }
  if (auto* empty = m_PaintManager.FindControl(L"memo_empty")) {
    empty->SetVisible(shown.empty());
    empty->SetText(notes.empty() ? L"还没有记事。在日历上选一天，点 记事本 写下第一条。" : L"没有相符的记事");
  }
  if (auto* label = m_PaintManager.FindControl(L"memo_page")) {
    label->SetText(std::to_wstring(page + 1) + L" / " + std::to_wstring(pages) + L"  共 " + std::to_wstring(shown.size()) + L" 条");
  }
  if (auto* prev = m_PaintManager.FindControl(L"btn_memo_prev")) prev->SetEnabled(page > 0);
  if (auto* next = m_PaintManager.FindControl(L"btn_memo_next")) next->SetEnabled(page + 1 < pages);
}

void MemoWindow::Notify(TNotifyUI& msg) {
  if (msg.pSender == nullptr) return;
  const CDuiString& name = msg.pSender->GetName();
  if (msg.sType == L"textchanged" && name == L"memo_search") {
    shown = MatchingNotes(notes, std::wstring(msg.pSender->GetText()));
    ShowPage(0);
    return;
  }
  if (msg.sType != L"click") return;
  if (name == L"btn_memo_close") {
    Close(1);
  } else if (name == L"btn_memo_prev") {
    ShowPage(page - 1);
  } else if (name == L"btn_memo_next") {
    ShowPage(page + 1);
  } else if (name.rfind(L"memo_row_", 0) == 0) {
    std::size_t const at = static_cast<std::size_t>(page * kRowsPerPage + std::stoi(name.substr(9)) - 1);
    if (at >= shown.size() || !showDay) return;
    const std::string& d = shown[at].date;
    showDay({std::stoi(d.substr(0, 4)), std::stoi(d.substr(5, 2)), std::stoi(d.substr(8, 2)), 0, 0, 0});
  }
}

void MemoWindow::OnFinalMessage(HWND window) {
  WindowImplBase::OnFinalMessage(window);
  delete this;
}
