#pragma once
// Notifications (what controls tell their window), the two listener interfaces, and the input events the
// paint manager hands to a control.
#include <string>

#include "ui/ui_defs.h"

namespace DuiLib {

class CControlUI;

// A notification: its type text ("click", "selectchanged", "itemselect", "timer", "windowinit",
// "setfocus", "killfocus", "textchanged", "return", "menu"...) and the control that raised it.
// `pSender` is valid only while the notification is being delivered.
struct TNotifyUI {
  CDuiString sType;
  CControlUI* pSender = nullptr;
  DWORD dwTimestamp = 0;
  POINT ptMouse;
  WPARAM wParam = 0;  // "timer": the timer id; "itemselect": the new index
  LPARAM lParam = 0;  // "itemselect": the previous index
};

class INotifyUI {
 public:
  virtual ~INotifyUI() = default;
  virtual void Notify(TNotifyUI& msg) = 0;
};

// A message filter sees a window's messages before the controls do; setting `handled` stops them there.
class IMessageFilterUI {
 public:
  virtual ~IMessageFilterUI() = default;
  virtual LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& handled) = 0;
};

enum UIEventType {
  UIEVENT_MOUSEMOVE,
  UIEVENT_MOUSEENTER,
  UIEVENT_MOUSELEAVE,
  UIEVENT_MOUSEHOVER,
  UIEVENT_BUTTONDOWN,
  UIEVENT_BUTTONUP,
  UIEVENT_DBLCLICK,
  UIEVENT_SCROLLWHEEL,  // wParam: the wheel delta as a signed int (+120 is one notch up)
  UIEVENT_KEYDOWN,      // wParam: VK_*
  UIEVENT_CHAR,         // wParam: code point
  UIEVENT_SETFOCUS,
  UIEVENT_KILLFOCUS,
  UIEVENT_TIMER,               // wParam: the control's timer id (CPaintManagerUI::SetTimer)
  UIEVENT_IME_STARTCOMPOSITION,
  UIEVENT_IME_COMPOSITION,     // lParam: the GCS_* flags of WM_IME_COMPOSITION
  UIEVENT_IME_ENDCOMPOSITION,
};

struct TEventUI {
  UIEventType Type = UIEVENT_MOUSEMOVE;
  CControlUI* pSender = nullptr;
  DWORD dwTimestamp = 0;
  POINT ptMouse;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  UINT wKeyState = 0;  // MK_SHIFT | MK_CONTROL | MK_ALT held as the event happened
};

}  // namespace DuiLib
