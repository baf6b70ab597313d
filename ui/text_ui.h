#pragma once
// CTextUI: a label whose text wraps over several lines by default.
#include "ui/label_ui.h"

namespace DuiLib {

class CTextUI : public CLabelUI {
 public:
  CTextUI();
  std::wstring_view GetClass() const override;
};

}  // namespace DuiLib
