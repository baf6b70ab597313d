#include "ui/rich_edit_ui.h"

namespace DuiLib {

CRichEditUI::CRichEditUI() : CEditUI(LineMode::Multi) {
  m_uTextStyle = DT_TOP | DT_LEFT | DT_WORDBREAK;
  m_rcTextPadding = RECT{4, 4, 4, 4};
  SetMaxChar(kDefaultMaxChar);
}

std::wstring_view CRichEditUI::GetClass() const { return L"RichEditUI"; }

}  // namespace DuiLib
