#include "windows/note_window.h"

#include <cstdio>
#include <map>

#include "almanac/cpp_sqlite3_exception.h"
#include "almanac/note_index.h"
#include "almanac/user_store.h"
#include "lunar/calendar_day.h"
#include "platform/code_page.h"

using namespace DuiLib;

namespace {

constexpr DWORD kStatusColour = 0xFF5B6670;
constexpr DWORD kProblemColour = 0xFFD0312D;

std::map<std::string, NoteWindow*>& OpenWindows() {
  static std::map<std::string, NoteWindow*> windows;
  return windows;
}

std::string DateKey(const DateTimeRecord& d) {
  char key[16];
  std::snprintf(key, sizeof key, "%04d-%02d-%02d", d.year, d.month, d.day);
  return key;
}

// "2025年1月28日 星期二 十二月廿九".
std::wstring Heading(const DateTimeRecord& d) {
  std::wstring heading = std::to_wstring(d.year) + L"年" + std::to_wstring(d.month) + L"月" + std::to_wstring(d.day) + L"日";
  lunar::CalendarDay day;
  if (day.SetDate(d.year, d.month, d.day) == 1) {
    heading += L" " + platform::GbkToWide(day.weekdayText.view()) + L" " + platform::GbkToWide(day.lunarMonthText.view()) +
               platform::GbkToWide(day.lunarDayText.view());
  }
  return heading;
}

std::wstring ProblemText(const CppSQLite3Exception& error) { return platform::Utf8ToWide(error.ErrorMessage()); }

}  // namespace

NoteWindow::NoteWindow(const DateTimeRecord& day, std::function<void()> changed)
    : day(day), date(DateKey(day)), changed(std::move(changed)) {
  OpenWindows()[date] = this;
}

NoteWindow::~NoteWindow() {
  auto it = OpenWindows().find(date);
  if (it != OpenWindows().end() && it->second == this) OpenWindows().erase(it);
}

NoteWindow* NoteWindow::Open(const DateTimeRecord& date, std::function<void()> changed) {
  if (auto it = OpenWindows().find(DateKey(date)); it != OpenWindows().end()) {
    it->second->ShowWindow(true, true);
    return it->second;
  }
  auto* window = new NoteWindow(date, std::move(changed));
  if (window->Create(nullptr, L"记事本", UI_WNDSTYLE_FRAME, 0, 0, 0, 320, 340) == nullptr) {
    delete window;  // no native window: no final message will come
    return nullptr;
  }
  window->CenterWindow();
  window->ShowWindow(true, true);
  return window;
}

void NoteWindow::DestroyOpenWindows() {
  auto const windows = OpenWindows();  // a copy: each leaves the map as it goes
  for (auto& [key, window] : windows) {
    window->changed = nullptr;  // the opener is gone
    window->Save();
    if (window->GetHWND() != nullptr) window->DestroyWindow();
    else delete window;
  }
}

int NoteWindow::OpenWindowCount() { return static_cast<int>(OpenWindows().size()); }

void NoteWindow::InitWindow() {
  editor = dynamic_cast<CRichEditUI*>(m_PaintManager.FindControl(L"note_text"));
  status = dynamic_cast<CLabelUI*>(m_PaintManager.FindControl(L"note_status"));
  if (auto* heading = m_PaintManager.FindControl(L"note_date")) heading->SetText(Heading(day));
  try {
    auto const note = UserStore().NoteOn(date);
    saved = note ? note->text : "";
    if (editor != nullptr) editor->SetText(platform::Utf8ToWide(saved));
    SetStatus(note ? L"" : L"这一天还没有记事", false);
  } catch (const CppSQLite3Exception& error) {
    SetStatus(L"读不出记事：" + ProblemText(error), true);
  }
  if (editor != nullptr) editor->SetFocus();
}

void NoteWindow::SetStatus(const std::wstring& text, bool problem) {
  if (status == nullptr) return;
  status->SetTextColor(problem ? kProblemColour : kStatusColour);
  status->SetText(text);
}

bool NoteWindow::Save() {
  if (editor == nullptr) return true;
  std::string const text = platform::WideToUtf8(editor->GetText());
  if (text == saved) return true;
  try {
    UserStore().SaveNote(date, text);
  } catch (const CppSQLite3Exception& error) {
    SetStatus(L"无法保存：" + ProblemText(error) + L"。文字仍在这里，可复制到别处。", true);
    return false;
  }
  saved = text;
  closeAnyway = false;
  WidgetNotes().Forget();
  SetStatus(text.empty() ? L"已删除" : L"已保存", false);
  if (changed) changed();
  return true;
}

void NoteWindow::Delete() {
  if (MessageBox(GetHWND(), L"删除这一天的记事？", L"记事本", MB_OKCANCEL | MB_ICONINFORMATION) != IDOK) return;
  try {
    UserStore().DeleteNote(date);
  } catch (const CppSQLite3Exception& error) {
    SetStatus(L"无法删除：" + ProblemText(error), true);
    return;
  }
  saved.clear();
  if (editor != nullptr) editor->SetText(L"");
  WidgetNotes().Forget();
  SetStatus(L"已删除", false);
  if (changed) changed();
}

void NoteWindow::Notify(TNotifyUI& msg) {
  if (msg.sType != L"click" || msg.pSender == nullptr) return;
  const CDuiString& name = msg.pSender->GetName();
  if (name == L"btn_note_save") {
    Save();
  } else if (name == L"btn_note_delete") {
    Delete();
  } else if (name == L"btn_note_close") {
    Close(1);
  }
}

LRESULT NoteWindow::OnClose(UINT, WPARAM, LPARAM, bool& handled) {
  if (Save() || closeAnyway) {
    handled = false;  // the framework goes on and destroys the window
    return 0;
  }
  // Once: the text would be lost with the window.
  closeAnyway = true;
  SetStatus(status != nullptr ? status->GetText() + L" 再点 × 放弃这些文字并关闭。" : L"", true);
  handled = true;
  return 0;
}

void NoteWindow::OnFinalMessage(HWND window) {
  WindowImplBase::OnFinalMessage(window);
  delete this;
}
