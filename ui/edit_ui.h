#pragma once
// CEditUI: a single-line text field, and the editing its multi-line sibling CRichEditUI (ui/rich_edit_ui.h)
// shares. While it has the focus a caret blinks and text input is on (an input method composes there);
// the mouse places the caret, drags a selection, double-clicks a word, Shift+click extends. Keys: the
// arrows (Ctrl: by word), Home and End (Ctrl: the whole text), with Shift to select; Backspace and Delete
// (Ctrl: a word); Ctrl+A; Ctrl+X / Ctrl+C / Ctrl+V through the system clipboard (also Shift+Delete,
// Ctrl+Insert, Shift+Insert); Ctrl+Z undo, Ctrl+Y or Ctrl+Shift+Z redo. An input method's composition
// shows underlined at the caret and is not part of the text until it is committed.
//
// Notifications: "textchanged" after every change the user makes (typing, deleting, cut, paste, undo,
// redo, a committed composition), none for SetText; on a single line Enter raises "return".
// Read-only: the caret moves, text can be selected and copied, nothing changes. Typed, pasted and committed
// text stops at GetMaxChar() wchar_t units; text set in code is never cut.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/edit_buffer.h"
#include "ui/label_ui.h"
#include "ui/render/canvas.h"
#include "ui/text_layout.h"

namespace DuiLib {

class CEditUI : public CLabelUI {
 public:
  CEditUI();
  ~CEditUI() override;
  std::wstring_view GetClass() const override;

  CDuiString GetText() const override;
  // Replaces the text: the caret goes to the start; the selection and the undo history are cleared.
  void SetText(std::wstring_view text) override;

  int GetMaxChar() const { return m_nMaxChar; }
  void SetMaxChar(int count);
  bool IsReadOnly() const { return m_bReadOnly; }
  void SetReadOnly(bool readOnly);
  DWORD GetSelectedBkColor() const { return m_dwSelectedBkColor; }
  void SetSelectedBkColor(DWORD argb);
  DWORD GetSelectedTextColor() const { return m_dwSelectedTextColor; }
  void SetSelectedTextColor(DWORD argb);
  void SetEnabled(bool enabled = true) override;

  // The selection, as indices into GetText() (wchar_t units). SetSel puts the anchor at `start` and the
  // caret at `end` (-1: the end of the text); GetSel answers start <= end.
  void SetSel(long start, long end);
  void GetSel(long& start, long& end) const;
  void SetSelAll() { SetSel(0, -1); }
  CDuiString GetSelText() const;

  // What the keys do, for code (a menu): each raises "textchanged" when the text changed.
  bool CanUndo() const { return !m_bReadOnly && m_buffer.CanUndo(); }
  bool CanRedo() const { return !m_bReadOnly && m_buffer.CanRedo(); }
  bool Undo();
  bool Redo();
  void Cut();  // only what the clipboard took is removed
  void Copy();
  void Paste();

  // The input method's composition now shown at the caret (empty when none).
  const std::wstring& GetCompositionText() const { return m_composition; }

  AttributeResult ApplyAttribute(std::wstring_view name, std::wstring_view value) override;
  void DoEvent(TEventUI& event) override;
  void PaintText(HDC hDC) override;
  void PaintBorder(HDC hDC) override;

  static constexpr UINT kCaretTimer = 1;
  static constexpr UINT kCaretBlinkMs = 530;

 protected:
  explicit CEditUI(LineMode mode);

 private:
  bool IsEditable() const { return !m_bReadOnly && IsEnabled(); }
  bool IsMultiLine() const { return m_buffer.Mode() == LineMode::Multi; }

  // Input (edit_ui.cpp).
  void OnKeyDown(UINT key, UINT modifiers);
  void OnChar(char32_t character);
  void OnPress(POINT point, bool extend);
  void OnDoubleClick(POINT point);
  void OnWheel(int delta);
  void OnFocus(bool gained);
  void OnComposition(LPARAM flags);
  void SetComposition(std::wstring text, int cursor);
  void EndComposition();
  // Runs an edit of the buffer; when the text changed, shows it and raises "textchanged".
  template <class Edit>
  void ApplyEdit(Edit&& edit);
  void MoveCaret(std::size_t index, Selecting how, bool upstream = false);
  void MoveByLines(int lines, Selecting how);
  void TextChanged();
  // After the caret or the text moved: the caret shows (and blinks again from now), the view follows it.
  void CaretMoved();
  void UpdateTextInput();

  // The view (edit_ui_view.cpp). Text on screen is the buffer's with the composition at the caret
  // ("display" indices).
  std::wstring DisplayText() const;
  std::size_t ToDisplay(std::size_t index) const;
  std::size_t FromDisplay(std::size_t index) const;
  std::size_t DisplayCaret() const;
  // Lays the text out when the text, the width or the font changed: with `canvas`, else the host's
  // measuring canvas. False when there is no layout at all yet.
  bool EnsureLayout(ICanvas* canvas);
  // Layout, then the scroll that keeps the caret in view and the input method's caret rectangle.
  void Settle(ICanvas* canvas);
  void ScrollToCaret();
  void ClampScroll();
  POINT Origin() const;  // where the first line's left end is, in client coordinates
  RECT CaretRect() const;
  TextLayout::Hit HitAt(POINT client);
  void PaintLine(HDC hDC, int line, POINT origin, DWORD color, const RECT& view);
  void PaintScrollIndicator(HDC hDC, const RECT& view);

  EditBuffer m_buffer;
  int m_nMaxChar = 255;
  bool m_bReadOnly = false;
  DWORD m_dwSelectedBkColor = 0xFF3399FF;
  DWORD m_dwSelectedTextColor = 0xFFFFFFFF;

  std::wstring m_composition;
  int m_compositionCursor = 0;
  bool m_bComposing = false;

  bool m_bUpstream = false;  // the caret stands at the end of a wrapped line, not the start of the next
  int m_desiredX = -1;       // the x that Up and Down keep to, -1 when a new one starts
  bool m_bDragging = false;
  bool m_bCaretOn = true;
  bool m_bTextInput = false;
  HWND m_textInputWindow = nullptr;
  RECT m_textInputRect;

  TextLayout m_layout;
  bool m_bLayoutValid = false;
  std::uint64_t m_version = 0;  // counts changes of the shown text
  std::uint64_t m_layoutVersion = 0;
  int m_layoutWidth = 0;
  FontSpec m_layoutFont;
  std::unordered_map<std::wstring, std::vector<int>> m_stops;  // measured paragraphs, reused while unchanged
  POINT m_scroll;
  bool m_bScrollToCaret = false;
};

}  // namespace DuiLib
