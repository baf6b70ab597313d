#pragma once
// CContainerUI: a control that owns children. Floating children are placed by their fixed position
// relative to the container's top left; the others fill the container minus its inset (the layouts stack
// them instead). Children are painted in order, so later ones lie on top.
#include <memory>
#include <vector>

#include "ui/control_ui.h"

namespace DuiLib {

class CContainerUI : public CControlUI {
 public:
  CContainerUI();
  ~CContainerUI() override;
  std::wstring_view GetClass() const override;

  // The container takes ownership of the child; false (and the child is not taken) for null or a child
  // that already has a parent.
  bool Add(CControlUI* control);
  bool AddAt(CControlUI* control, int index);
  // Removes and deletes the child; false when it is not a child of this container.
  bool Remove(CControlUI* control);
  void RemoveAll();
  int GetCount() const { return static_cast<int>(m_items.size()); }
  CControlUI* GetItemAt(int index) const;
  int GetItemIndex(CControlUI* control) const;

  const RECT& GetInset() const { return m_rcInset; }
  void SetInset(const RECT& rc);

  void SetManager(CPaintManagerUI* manager, CControlUI* parent) override;
  void SetPos(const RECT& rc) override;
  AttributeResult ApplyAttribute(std::wstring_view name, std::wstring_view value) override;
  void DoPaint(HDC hDC, const RECT& rcPaint) override;
  CControlUI* FindControlAt(POINT pt) override;

 protected:
  // Places one floating child; shared by the layouts.
  void SetFloatPos(CControlUI* child);
  RECT InnerRect() const;
  void Release(std::unique_ptr<CControlUI> child);

  std::vector<std::unique_ptr<CControlUI>> m_items;
  RECT m_rcInset;
};

}  // namespace DuiLib
