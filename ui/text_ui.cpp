#include "ui/text_ui.h"

namespace DuiLib {

CTextUI::CTextUI() { m_uTextStyle = DT_WORDBREAK; }

std::wstring_view CTextUI::GetClass() const { return L"TextUI"; }

}  // namespace DuiLib
