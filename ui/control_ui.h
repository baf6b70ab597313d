#pragma once
// CControlUI: the base of every control. A control is a rectangle of the window that paints itself in five
// steps (background colour, background image, state images, text, border) and reacts to input events.
// Setters return early when nothing changes and invalidate otherwise; skin attributes go through the same
// setters (SetAttribute).
#include <string>
#include <string_view>

#include "ui/attribute_table.h"
#include "ui/notify.h"
#include "ui/ui_defs.h"

namespace DuiLib {

class CPaintManagerUI;
class CContainerUI;

class CControlUI {
 public:
  CControlUI();
  virtual ~CControlUI();
  CControlUI(const CControlUI&) = delete;
  CControlUI& operator=(const CControlUI&) = delete;

  // Identity.
  const CDuiString& GetName() const { return m_sName; }
  void SetName(std::wstring_view name);
  virtual std::wstring_view GetClass() const;  // "ControlUI", "ButtonUI", ...
  CPaintManagerUI* GetManager() const { return m_pManager; }
  CControlUI* GetParent() const { return m_pParent; }
  // Attaches the control (and its children) to a window's manager; called by containers and the builder.
  virtual void SetManager(CPaintManagerUI* manager, CControlUI* parent);

  // Position. GetPos is the rectangle in window client coordinates after layout. The fixed position is what
  // "pos" sets: for a floating control, offsets from its parent's top left; otherwise only its size counts.
  const RECT& GetPos() const { return m_rcItem; }
  virtual void SetPos(const RECT& rc);  // layout result; containers place their children here
  const RECT& GetFixedPos() const { return m_rcFixed; }
  void SetFixedPos(const RECT& rc);
  int GetFixedWidth() const { return m_rcFixed.Width(); }
  int GetFixedHeight() const { return m_rcFixed.Height(); }
  void SetFixedWidth(int cx);
  void SetFixedHeight(int cy);
  bool IsFloat() const { return m_bFloat; }
  void SetFloat(bool isFloat);

  // Text and tooltip.
  virtual CDuiString GetText() const { return m_sText; }
  virtual void SetText(std::wstring_view text);
  const CDuiString& GetToolTip() const { return m_sToolTip; }
  void SetToolTip(std::wstring_view text);

  // State.
  bool IsVisible() const { return m_bVisible; }
  virtual void SetVisible(bool visible = true);
  bool IsEnabled() const { return m_bEnabled; }
  virtual void SetEnabled(bool enabled = true);
  bool IsFocused() const;
  void SetFocus();
  // Whether hit tests see the control ("mouse" attribute). Without it, points fall through to what lies
  // beneath (a container still passes them to its children): a label over a caption can stay draggable.
  bool IsMouseEnabled() const { return m_bMouseEnabled; }
  void SetMouseEnabled(bool enabled) { m_bMouseEnabled = enabled; }

  // Look.
  DWORD GetBkColor() const { return m_dwBkColor; }
  void SetBkColor(DWORD argb);  // 0xAARRGGBB; 0 (and any colour with alpha 0) draws nothing
  const CDuiString& GetBkImage() const { return m_sBkImage; }
  void SetBkImage(std::wstring_view file);  // a file of the skin folder; empty removes the image
  DWORD GetBorderColor() const { return m_dwBorderColor; }
  void SetBorderColor(DWORD argb);
  int GetBorderSize() const { return m_nBorderSize; }
  void SetBorderSize(int size);

  // Repaint soon: the control's rectangle (and whatever overlaps it) is repainted on the next WM_PAINT.
  void Invalidate();
  // The layout of the parent (or the window) must be done again before the next paint.
  void NeedParentUpdate();
  void NeedUpdate();

  // Skin attribute by name, through the setters above. False for an unknown name or a malformed or
  // out-of-range value, which leaves the control as it was.
  bool SetAttribute(std::wstring_view name, std::wstring_view value);
  // The same with the reason for a refusal. A class with attributes of its own overrides this: its own
  // table first, then its base class's ApplyAttribute (ui/attribute_table.h).
  virtual AttributeResult ApplyAttribute(std::wstring_view name, std::wstring_view value);

  // Painting. DoPaint runs the five steps when the control meets `rcPaint`.
  virtual void DoPaint(HDC hDC, const RECT& rcPaint);
  virtual void PaintBkColor(HDC hDC);
  virtual void PaintBkImage(HDC hDC);
  virtual void PaintStatusImage(HDC hDC);
  virtual void PaintText(HDC hDC);
  virtual void PaintBorder(HDC hDC);

  // Input.
  virtual void DoEvent(TEventUI& event);
  // The control's action (a button's click); false when it cannot act (disabled, invisible).
  virtual bool Activate();
  // Topmost visible control at a client point, this one or a descendant; null when the point is outside.
  virtual CControlUI* FindControlAt(POINT pt);

  // A draw helper for images named by skin-relative file names: false when nothing was drawn.
  bool DrawImage(HDC hDC, const CDuiString& file, const RECT& dest);

  // Free slots for the program.
  std::uintptr_t GetTag() const { return m_tag; }
  void SetTag(std::uintptr_t tag) { m_tag = tag; }

 protected:
  CPaintManagerUI* m_pManager = nullptr;
  CControlUI* m_pParent = nullptr;
  CDuiString m_sName;
  CDuiString m_sText;
  CDuiString m_sToolTip;
  RECT m_rcItem;
  RECT m_rcFixed;
  bool m_bFloat = false;
  bool m_bVisible = true;
  bool m_bEnabled = true;
  bool m_bMouseEnabled = true;
  DWORD m_dwBkColor = 0;
  CDuiString m_sBkImage;
  DWORD m_dwBorderColor = 0;
  int m_nBorderSize = 0;
  std::uintptr_t m_tag = 0;
};

}  // namespace DuiLib
