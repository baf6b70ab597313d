#include "ui/control_ui.h"

#include "ui/paint_manager_ui.h"
#include "ui/render_engine.h"

namespace DuiLib {
namespace {

constexpr Attribute<CControlUI> kControlAttributes[] = {
    TextAttribute<&CControlUI::SetName>(L"name"),
    RectAttribute<&CControlUI::SetFixedPos, kCoordinateRange>(L"pos"),
    IntAttribute<&CControlUI::SetFixedWidth, kExtentRange>(L"width"),
    IntAttribute<&CControlUI::SetFixedHeight, kExtentRange>(L"height"),
    FlagAttribute<&CControlUI::SetFloat>(L"float"),
    FlagAttribute<&CControlUI::SetVisible>(L"visible"),
    FlagAttribute<&CControlUI::SetEnabled>(L"enabled"),
    FlagAttribute<&CControlUI::SetMouseEnabled>(L"mouse"),
    TextAttribute<&CControlUI::SetText>(L"text"),
    TextAttribute<&CControlUI::SetToolTip>(L"tooltip"),
    ColorAttribute<&CControlUI::SetBkColor>(L"bkcolor"),
    TextAttribute<&CControlUI::SetBkImage>(L"bkimage"),
    ColorAttribute<&CControlUI::SetBorderColor>(L"bordercolor"),
    IntAttribute<&CControlUI::SetBorderSize, kExtentRange>(L"bordersize"),
};

}  // namespace

CControlUI::CControlUI() = default;

CControlUI::~CControlUI() {
  // Weak references held by the window (hot, pushed, focus, names, timers, groups) go with the control.
  if (m_pManager != nullptr) m_pManager->ReapObjects(this);
}

std::wstring_view CControlUI::GetClass() const { return L"ControlUI"; }

void CControlUI::SetName(std::wstring_view name) {
  if (m_sName == name) return;
  CDuiString old = std::move(m_sName);
  m_sName = CDuiString(name);
  if (m_pManager != nullptr) m_pManager->NameChanged(this, old);
}

void CControlUI::SetManager(CPaintManagerUI* manager, CControlUI* parent) {
  m_pParent = parent;
  if (m_pManager == manager) return;
  if (m_pManager != nullptr) m_pManager->ReapObjects(this);
  m_pManager = manager;
  if (m_pManager != nullptr) m_pManager->InitControl(this);
}

void CControlUI::SetPos(const RECT& rc) {
  RECT const kept{ClampCoordinate(rc.left), ClampCoordinate(rc.top), ClampCoordinate(rc.right),
                  ClampCoordinate(rc.bottom)};
  if (m_rcItem == kept) return;
  RECT const old = m_rcItem;
  m_rcItem = kept;
  if (m_pManager != nullptr) m_pManager->Invalidate(old);  // where it was shows what lies beneath now
  Invalidate();
}

void CControlUI::SetFixedPos(const RECT& rc) {
  if (m_rcFixed == rc) return;
  m_rcFixed = rc;
  NeedParentUpdate();
}

void CControlUI::SetFixedWidth(int cx) {
  if (cx < 0 || m_rcFixed.Width() == cx) return;
  m_rcFixed.right = m_rcFixed.left + cx;
  NeedParentUpdate();
}

void CControlUI::SetFixedHeight(int cy) {
  if (cy < 0 || m_rcFixed.Height() == cy) return;
  m_rcFixed.bottom = m_rcFixed.top + cy;
  NeedParentUpdate();
}

void CControlUI::SetFloat(bool isFloat) {
  if (m_bFloat == isFloat) return;
  m_bFloat = isFloat;
  NeedParentUpdate();
}

void CControlUI::SetText(std::wstring_view text) {
  if (m_sText == text) return;
  m_sText = CDuiString(text);
  Invalidate();
}

void CControlUI::SetToolTip(std::wstring_view text) { m_sToolTip = CDuiString(text); }

void CControlUI::SetVisible(bool visible) {
  if (m_bVisible == visible) return;
  m_bVisible = visible;
  if (!visible && m_pManager != nullptr && m_pManager->GetFocus() == this) m_pManager->SetFocus(nullptr);
  NeedParentUpdate();
}

void CControlUI::SetEnabled(bool enabled) {
  if (m_bEnabled == enabled) return;
  m_bEnabled = enabled;
  Invalidate();
}

bool CControlUI::IsFocused() const { return m_pManager != nullptr && m_pManager->GetFocus() == this; }

void CControlUI::SetFocus() {
  if (m_pManager != nullptr) m_pManager->SetFocus(this);
}

void CControlUI::SetBkColor(DWORD argb) {
  if (m_dwBkColor == argb) return;
  m_dwBkColor = argb;
  Invalidate();
}

void CControlUI::SetBkImage(std::wstring_view file) {
  if (m_sBkImage == file) return;
  m_sBkImage = CDuiString(file);
  Invalidate();
}

void CControlUI::SetBorderColor(DWORD argb) {
  if (m_dwBorderColor == argb) return;
  m_dwBorderColor = argb;
  Invalidate();
}

void CControlUI::SetBorderSize(int size) {
  if (m_nBorderSize == size || size < 0) return;
  m_nBorderSize = size;
  Invalidate();
}

void CControlUI::Invalidate() {
  if (m_pManager != nullptr) m_pManager->Invalidate(m_rcItem);
}

void CControlUI::NeedParentUpdate() {
  if (m_pManager == nullptr) return;
  m_pManager->NeedUpdate();
  m_pManager->Invalidate();
}

void CControlUI::NeedUpdate() { NeedParentUpdate(); }

bool CControlUI::SetAttribute(std::wstring_view name, std::wstring_view value) {
  return ApplyAttribute(name, value).status == AttributeStatus::Applied;
}

AttributeResult CControlUI::ApplyAttribute(std::wstring_view name, std::wstring_view value) {
  return ApplyFromTable<CControlUI>(kControlAttributes, *this, name, value);
}

void CControlUI::DoPaint(HDC hDC, const RECT& rcPaint) {
  if (IntersectRects(rcPaint, m_rcItem).IsEmpty()) return;
  PaintBkColor(hDC);
  PaintBkImage(hDC);
  PaintStatusImage(hDC);
  PaintText(hDC);
  PaintBorder(hDC);
}

void CControlUI::PaintBkColor(HDC hDC) { CRenderEngine::DrawColor(hDC, m_rcItem, m_dwBkColor); }

void CControlUI::PaintBkImage(HDC hDC) {
  if (!m_sBkImage.empty()) DrawImage(hDC, m_sBkImage, m_rcItem);
}

void CControlUI::PaintStatusImage(HDC) {}
void CControlUI::PaintText(HDC) {}

void CControlUI::PaintBorder(HDC hDC) {
  if (m_nBorderSize > 0) CRenderEngine::DrawRect(hDC, m_rcItem, m_nBorderSize, m_dwBorderColor);
}

void CControlUI::DoEvent(TEventUI& event) {
  if (event.Type == UIEVENT_TIMER && m_pManager != nullptr) m_pManager->SendNotify(this, L"timer", event.wParam);
}

bool CControlUI::Activate() { return IsVisible() && IsEnabled(); }

CControlUI* CControlUI::FindControlAt(POINT pt) {
  if (!m_bVisible || !m_bMouseEnabled || !m_rcItem.Contains(pt)) return nullptr;
  return this;
}

bool CControlUI::DrawImage(HDC hDC, const CDuiString& file, const RECT& dest) {
  if (hDC == nullptr || file.empty() || m_pManager == nullptr) return false;
  std::string const path = m_pManager->ResolveFile(file);
  return !path.empty() && hDC->DrawImage(dest, path);
}

}  // namespace DuiLib
