#pragma once
// CRichEditUI (skin element "RichEdit"): a multi-line text field. Everything CEditUI does (ui/edit_ui.h),
// and: lines wrap at the field's width (Chinese text between any two characters, not before a closing
// mark; Latin text between words); Enter starts a new line and Tab inserts a tab (the framework moves no
// focus with Tab); Up, Down, PageUp and PageDown move by lines, Home and End to the ends of the line on
// screen; the wheel scrolls, and the view follows the caret. A thin bar at the right edge shows which part
// of a longer text is in view. GetText() separates lines with L'\n'.
#include "ui/edit_ui.h"

namespace DuiLib {

class CRichEditUI : public CEditUI {
 public:
  CRichEditUI();
  std::wstring_view GetClass() const override;

  static constexpr int kDefaultMaxChar = 100000;
};

}  // namespace DuiLib
