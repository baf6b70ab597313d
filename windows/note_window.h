#pragma once
// NoteWindow: the note of one day ("记事本"), from "note.xml": the day's date, a multi-line text field
// ("note_text"), 保存 ("btn_note_save"), 删除 ("btn_note_delete", after a confirmation) and × ("btn_note_close",
// which saves first), with a status line ("note_status") that says what happened. The note lives in the
// user's store (almanac/user_store.h); an emptied note is deleted.
//
// A store that cannot be written (a read-only folder, a full disk) is said in the status line and the text
// stays in the field: closing then keeps the window open once, with the warning, and a second × closes it.
//
// Lifetime: a heap object; one window per day (opening a day's note again brings its window forward). It
// deletes itself on its final message; what is still open when the program ends goes through
// DestroyOpenWindows, which saves what it can.
#include <functional>
#include <string>

#include "almanac/date_time_record.h"
#include "ui/ui_framework.h"

class NoteWindow : public DuiLib::WindowImplBase {
 public:
  // Opens the note of `date` (or brings its open window forward). `changed` runs after the window saved or
  // deleted the note, for the opener to mark the day again. Null when the skin cannot be loaded.
  static NoteWindow* Open(const DateTimeRecord& date, std::function<void()> changed);
  static void DestroyOpenWindows();
  static int OpenWindowCount();

  DuiLib::LPCTSTR GetWindowClassName() const override { return L"NoteWindow"; }
  void InitWindow() override;
  void Notify(DuiLib::TNotifyUI& msg) override;
  DuiLib::LRESULT OnClose(DuiLib::UINT uMsg, DuiLib::WPARAM wParam, DuiLib::LPARAM lParam, bool& handled) override;
  void OnFinalMessage(DuiLib::HWND window) override;

  DuiLib::CDuiString GetSkinFolder() override { return L"skin\\"; }
  DuiLib::CDuiString GetSkinFile() override { return L"note.xml"; }

  const std::string& Date() const { return date; }

 private:
  NoteWindow(const DateTimeRecord& day, std::function<void()> changed);
  ~NoteWindow() override;

  // Saves the field's text when it differs from what the store holds. False (with the reason in the status
  // line) when the store could not take it.
  bool Save();
  void Delete();
  void SetStatus(const std::wstring& text, bool problem);

  DateTimeRecord day;
  std::string date;            // "YYYY-MM-DD"
  std::string saved;           // the text the store holds (UTF-8)
  std::function<void()> changed;
  bool closeAnyway = false;    // the user was told that the text could not be saved
  DuiLib::CRichEditUI* editor = nullptr;
  DuiLib::CLabelUI* status = nullptr;
};
