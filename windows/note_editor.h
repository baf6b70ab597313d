#pragma once
// The note window's text field: the framework's multi-line edit control (DuiLib::CRichEditUI, skin class
// "RichEdit"). Until a framework without it is gone, the single-line edit stands in for it, so that the
// window and its store work everywhere; the note window reads and writes the text only through here.
#include <string>

#include "ui/ui_framework.h"

#if __has_include("ui/rich_edit_ui.h")
#include "ui/rich_edit_ui.h"
#define WANNIANLI_HAS_RICH_EDIT 1
#endif

namespace notes {

// The text of the editor `control` (lines separated by L'\n').
inline std::wstring EditorText(DuiLib::CControlUI* control) {
#if defined(WANNIANLI_HAS_RICH_EDIT)
  if (auto* rich = dynamic_cast<DuiLib::CRichEditUI*>(control)) return rich->GetText();
#endif
  return control != nullptr ? std::wstring(control->GetText()) : std::wstring();
}

inline void SetEditorText(DuiLib::CControlUI* control, const std::wstring& text) {
#if defined(WANNIANLI_HAS_RICH_EDIT)
  if (auto* rich = dynamic_cast<DuiLib::CRichEditUI*>(control)) {
    rich->SetText(text);
    return;
  }
#endif
  if (control != nullptr) control->SetText(text);
}

// The control the skin's "RichEdit" element makes when the framework has no class of that name.
inline DuiLib::CControlUI* MakeStandInEditor(std::wstring_view className) {
#if defined(WANNIANLI_HAS_RICH_EDIT)
  (void)className;
  return nullptr;
#else
  if (className != L"RichEdit") return nullptr;
  auto* edit = new DuiLib::CEditUI;
  edit->SetMaxChar(100000);
  return edit;
#endif
}

}  // namespace notes
