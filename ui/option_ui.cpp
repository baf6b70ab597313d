#include "ui/option_ui.h"

#include "ui/paint_manager_ui.h"
#include "ui/render_engine.h"

namespace DuiLib {
namespace {

// A skin's "selected" raises no "selectchanged": the window is not listening yet.
bool ApplySelected(COptionUI& option, std::wstring_view value) {
  auto selected = ParseBool(value);
  if (selected) option.Selected(*selected, false);
  return selected.has_value();
}

constexpr Attribute<COptionUI> kOptionAttributes[] = {
    TextAttribute<&COptionUI::SetGroup>(L"group"),
    {L"selected", &ApplySelected, {ValueKind::Flag}},
    TextAttribute<&COptionUI::SetSelectedImage>(L"selectedimage"),
    ColorAttribute<&COptionUI::SetSelectedTextColor>(L"selectedtextcolor"),
    ColorAttribute<&COptionUI::SetSelectedBkColor>(L"selectedbkcolor"),
};

}  // namespace

COptionUI::COptionUI() = default;

COptionUI::~COptionUI() {
  if (m_pManager != nullptr && !m_sGroupName.empty()) m_pManager->RemoveOptionGroup(m_sGroupName, this);
}

std::wstring_view COptionUI::GetClass() const { return L"OptionUI"; }

void COptionUI::SetManager(CPaintManagerUI* manager, CControlUI* parent) {
  if (m_pManager != manager && m_pManager != nullptr && !m_sGroupName.empty()) {
    m_pManager->RemoveOptionGroup(m_sGroupName, this);
  }
  bool joins = m_pManager != manager && manager != nullptr;
  CButtonUI::SetManager(manager, parent);
  if (joins && !m_sGroupName.empty()) {
    m_pManager->AddOptionGroup(m_sGroupName, this);
    // An option that arrives selected keeps the group exclusive.
    if (m_bSelected) {
      m_bSelected = false;
      Selected(true, false);
    }
  }
}

void COptionUI::SetGroup(std::wstring_view group) {
  if (m_sGroupName == group) return;
  if (m_pManager != nullptr && !m_sGroupName.empty()) m_pManager->RemoveOptionGroup(m_sGroupName, this);
  m_sGroupName = CDuiString(group);
  if (m_pManager != nullptr && !m_sGroupName.empty()) {
    m_pManager->AddOptionGroup(m_sGroupName, this);
    if (m_bSelected) {
      m_bSelected = false;
      Selected(true, false);
    }
  }
}

void COptionUI::Selected(bool selected, bool triggerEvent) {
  if (m_bSelected == selected) return;
  m_bSelected = selected;
  if (m_pManager != nullptr) {
    if (m_bSelected && !m_sGroupName.empty()) {
      // The one place group exclusivity is enforced. A copy: a handler of "selectchanged" may regroup.
      if (const auto* group = m_pManager->GetOptionGroup(m_sGroupName)) {
        std::vector<CControlUI*> members = *group;
        for (CControlUI* member : members) {
          auto* option = dynamic_cast<COptionUI*>(member);
          if (option != nullptr && option != this) option->Selected(false, triggerEvent);
        }
      }
    }
    if (triggerEvent) m_pManager->SendNotify(this, L"selectchanged");
  }
  Invalidate();
}

void COptionUI::SetSelectedImage(std::wstring_view file) {
  if (m_sSelectedImage == file) return;
  m_sSelectedImage = CDuiString(file);
  Invalidate();
}

void COptionUI::SetSelectedTextColor(DWORD argb) {
  if (m_dwSelectedTextColor == argb) return;
  m_dwSelectedTextColor = argb;
  Invalidate();
}

void COptionUI::SetSelectedBkColor(DWORD argb) {
  if (m_dwSelectedBkColor == argb) return;
  m_dwSelectedBkColor = argb;
  Invalidate();
}

AttributeResult COptionUI::ApplyAttribute(std::wstring_view name, std::wstring_view value) {
  AttributeResult result = ApplyFromTable<COptionUI>(kOptionAttributes, *this, name, value);
  return result.status == AttributeStatus::UnknownName ? CButtonUI::ApplyAttribute(name, value) : result;
}

bool COptionUI::Activate() {
  if (!CButtonUI::Activate()) return false;  // raises "click" first
  if (!m_sGroupName.empty()) Selected(true);
  else Selected(!m_bSelected);
  return true;
}

void COptionUI::PaintBkColor(HDC hDC) {
  if (m_bSelected && m_dwSelectedBkColor != 0) {
    CRenderEngine::DrawColor(hDC, m_rcItem, m_dwSelectedBkColor);
    return;
  }
  CButtonUI::PaintBkColor(hDC);
}

void COptionUI::PaintStatusImage(HDC hDC) {
  CButtonUI::PaintStatusImage(hDC);
  if (m_bSelected && !m_sSelectedImage.empty()) DrawImage(hDC, m_sSelectedImage, m_rcItem);
}

void COptionUI::PaintText(HDC hDC) {
  if (m_bSelected && m_dwSelectedTextColor != 0) {
    DWORD saved = m_dwTextColor;
    m_dwTextColor = m_dwSelectedTextColor;
    CLabelUI::PaintText(hDC);
    m_dwTextColor = saved;
    return;
  }
  CButtonUI::PaintText(hDC);
}

}  // namespace DuiLib
