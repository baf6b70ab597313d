#include "ui/container_ui.h"

#include <algorithm>

#include "ui/dispatch_guard.h"
#include "ui/paint_manager_ui.h"

namespace DuiLib {
namespace {

constexpr Attribute<CContainerUI> kContainerAttributes[] = {
    RectAttribute<&CContainerUI::SetInset, kCoordinateRange>(L"inset"),
};

}  // namespace

CContainerUI::CContainerUI() = default;

CContainerUI::~CContainerUI() {
  // Children leave the window before they are deleted, while this container is still whole.
  m_items.clear();
}

std::wstring_view CContainerUI::GetClass() const { return L"ContainerUI"; }

bool CContainerUI::Add(CControlUI* control) { return AddAt(control, GetCount()); }

bool CContainerUI::AddAt(CControlUI* control, int index) {
  if (control == nullptr || control->GetParent() != nullptr || index < 0 || index > GetCount()) return false;
  m_items.emplace(m_items.begin() + index, control);
  control->SetManager(m_pManager, this);
  NeedUpdate();
  return true;
}

bool CContainerUI::Remove(CControlUI* control) {
  auto it = std::find_if(m_items.begin(), m_items.end(), [&](const auto& p) { return p.get() == control; });
  if (it == m_items.end()) return false;
  std::unique_ptr<CControlUI> child = std::move(*it);
  m_items.erase(it);
  Release(std::move(child));
  NeedUpdate();
  return true;
}

void CContainerUI::RemoveAll() {
  std::vector<std::unique_ptr<CControlUI>> children = std::move(m_items);
  m_items.clear();
  for (auto& child : children) Release(std::move(child));
  NeedUpdate();
}

void CContainerUI::Release(std::unique_ptr<CControlUI> child) {
  // While the window is handling a message the child may be the sender of the notification being
  // handled: it leaves the window now and is deleted once the message is done.
  if (m_pManager != nullptr && m_pManager->IsDispatching()) {
    CPaintManagerUI* manager = m_pManager;
    child->SetManager(nullptr, nullptr);
    manager->DeferDelete(std::move(child));
  }
}

CControlUI* CContainerUI::GetItemAt(int index) const {
  if (index < 0 || index >= GetCount()) return nullptr;
  return m_items[static_cast<std::size_t>(index)].get();
}

int CContainerUI::GetItemIndex(CControlUI* control) const {
  for (int i = 0; i < GetCount(); ++i) {
    if (m_items[static_cast<std::size_t>(i)].get() == control) return i;
  }
  return -1;
}

void CContainerUI::SetInset(const RECT& rc) {
  if (m_rcInset == rc) return;
  m_rcInset = rc;
  NeedUpdate();
}

void CContainerUI::SetManager(CPaintManagerUI* manager, CControlUI* parent) {
  CControlUI::SetManager(manager, parent);
  for (auto& item : m_items) item->SetManager(manager, this);
}

// Sums in 64 bits: a position or inset set in code may be any int.
RECT CContainerUI::InnerRect() const {
  return RECT{ClampCoordinate(0LL + m_rcItem.left + m_rcInset.left), ClampCoordinate(0LL + m_rcItem.top + m_rcInset.top),
              ClampCoordinate(0LL + m_rcItem.right - m_rcInset.right),
              ClampCoordinate(0LL + m_rcItem.bottom - m_rcInset.bottom)};
}

void CContainerUI::SetFloatPos(CControlUI* child) {
  const RECT& f = child->GetFixedPos();
  child->SetPos(RECT{ClampCoordinate(0LL + m_rcItem.left + f.left), ClampCoordinate(0LL + m_rcItem.top + f.top),
                     ClampCoordinate(0LL + m_rcItem.left + f.right), ClampCoordinate(0LL + m_rcItem.top + f.bottom)});
}

void CContainerUI::SetPos(const RECT& rc) {
  CControlUI::SetPos(rc);
  RECT inner = InnerRect();
  for (auto& item : m_items) {
    if (!item->IsVisible()) continue;
    if (item->IsFloat()) SetFloatPos(item.get());
    else item->SetPos(inner);
  }
}

AttributeResult CContainerUI::ApplyAttribute(std::wstring_view name, std::wstring_view value) {
  AttributeResult result = ApplyFromTable<CContainerUI>(kContainerAttributes, *this, name, value);
  return result.status == AttributeStatus::UnknownName ? CControlUI::ApplyAttribute(name, value) : result;
}

void CContainerUI::DoPaint(HDC hDC, const RECT& rcPaint) {
  RECT area = IntersectRects(rcPaint, m_rcItem);
  if (area.IsEmpty()) return;
  CControlUI::DoPaint(hDC, area);
  ClipScope clip(*hDC, area);
  for (auto& item : m_items) {
    if (!item->IsVisible()) continue;
    // A control whose painting fails (say, a look-up that throws) leaves a gap, not a broken frame.
    GuardedCall("painting", [&] { item->DoPaint(hDC, area); });
  }
}

CControlUI* CContainerUI::FindControlAt(POINT pt) {
  if (!m_bVisible || !m_rcItem.Contains(pt)) return nullptr;
  for (auto it = m_items.rbegin(); it != m_items.rend(); ++it) {
    if (CControlUI* found = (*it)->FindControlAt(pt)) return found;
  }
  return m_bMouseEnabled ? this : nullptr;
}

}  // namespace DuiLib
