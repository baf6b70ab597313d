#include "ui/edit_ui.h"

#include <algorithm>

#include "ui/host/host.h"
#include "ui/paint_manager_ui.h"
#include "ui/text_chars.h"

namespace DuiLib {
namespace {

constexpr Attribute<CEditUI> kEditAttributes[] = {
    IntAttribute<&CEditUI::SetMaxChar, kMaxCharRange>(L"maxchar"),
    FlagAttribute<&CEditUI::SetReadOnly>(L"readonly"),
    ColorAttribute<&CEditUI::SetSelectedBkColor>(L"selectedbkcolor"),
    ColorAttribute<&CEditUI::SetSelectedTextColor>(L"selectedtextcolor"),
};

}  // namespace

CEditUI::CEditUI() : CEditUI(LineMode::Single) {}

CEditUI::CEditUI(LineMode mode) : m_buffer(mode) {
  m_uTextStyle = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
  m_rcTextPadding = RECT{3, 0, 3, 0};
  m_buffer.SetMaxLength(static_cast<std::size_t>(m_nMaxChar));
}

CEditUI::~CEditUI() {
  // The window stays; its input method must not go on composing for a field that is gone.
  if (IHost* host = CurrentHost(); host != nullptr && m_bTextInput) host->StopTextInput(m_textInputWindow);
}

std::wstring_view CEditUI::GetClass() const { return L"EditUI"; }

CDuiString CEditUI::GetText() const { return m_buffer.Text(); }

void CEditUI::SetText(std::wstring_view text) {
  if (m_buffer.Text() == text) return;
  m_buffer.SetText(text);
  ++m_version;
  m_scroll = POINT{};
  m_bUpstream = false;
  CaretMoved();
}

void CEditUI::SetMaxChar(int count) {
  m_nMaxChar = std::max(0, count);
  m_buffer.SetMaxLength(static_cast<std::size_t>(m_nMaxChar));
}

void CEditUI::SetReadOnly(bool readOnly) {
  if (m_bReadOnly == readOnly) return;
  m_bReadOnly = readOnly;
  if (readOnly) EndComposition();
  UpdateTextInput();
}

void CEditUI::SetEnabled(bool enabled) {
  CLabelUI::SetEnabled(enabled);
  if (!enabled) EndComposition();
  UpdateTextInput();
}

void CEditUI::SetSelectedBkColor(DWORD argb) {
  if (m_dwSelectedBkColor == argb) return;
  m_dwSelectedBkColor = argb;
  Invalidate();
}

void CEditUI::SetSelectedTextColor(DWORD argb) {
  if (m_dwSelectedTextColor == argb) return;
  m_dwSelectedTextColor = argb;
  Invalidate();
}

AttributeResult CEditUI::ApplyAttribute(std::wstring_view name, std::wstring_view value) {
  AttributeResult result = ApplyFromTable<CEditUI>(kEditAttributes, *this, name, value);
  return result.status == AttributeStatus::UnknownName ? CLabelUI::ApplyAttribute(name, value) : result;
}

void CEditUI::SetSel(long start, long end) {
  std::size_t const size = m_buffer.Text().size();
  auto const clamp = [&](long index) { return index < 0 ? size : std::min(static_cast<std::size_t>(index), size); };
  m_buffer.Select(clamp(std::max(0L, start)), clamp(end));
  m_bUpstream = false;
  CaretMoved();
}

void CEditUI::GetSel(long& start, long& end) const {
  start = static_cast<long>(m_buffer.SelectionStart());
  end = static_cast<long>(m_buffer.SelectionEnd());
}

CDuiString CEditUI::GetSelText() const { return m_buffer.SelectedText(); }

template <class Edit>
void CEditUI::ApplyEdit(Edit&& edit) {
  if (!IsEditable()) return;
  if (edit()) TextChanged();
}

bool CEditUI::Undo() {
  bool changed = false;
  ApplyEdit([&] { return changed = m_buffer.Undo(); });
  return changed;
}

bool CEditUI::Redo() {
  bool changed = false;
  ApplyEdit([&] { return changed = m_buffer.Redo(); });
  return changed;
}

void CEditUI::Copy() {
  IHost* host = CurrentHost();
  if (host != nullptr && m_buffer.HasSelection()) host->SetClipboardText(m_buffer.SelectedText());
}

void CEditUI::Cut() {
  IHost* host = CurrentHost();
  if (host == nullptr || !m_buffer.HasSelection() || !IsEditable()) return;
  // A clipboard that refused the text must not cost the user that text.
  if (!host->SetClipboardText(m_buffer.SelectedText())) return;
  ApplyEdit([&] { return m_buffer.DeleteSelection(EditKind::Cut); });
}

void CEditUI::Paste() {
  IHost* host = CurrentHost();
  if (host == nullptr || !IsEditable()) return;
  std::wstring const text = host->GetClipboardText();
  ApplyEdit([&] { return m_buffer.Insert(text, EditKind::Paste); });
}

void CEditUI::TextChanged() {
  ++m_version;
  m_bUpstream = false;
  CaretMoved();
  if (m_pManager != nullptr) m_pManager->SendNotify(this, L"textchanged");
}

void CEditUI::CaretMoved() {
  m_bCaretOn = true;
  m_desiredX = -1;
  m_bScrollToCaret = true;
  if (m_pManager != nullptr && IsFocused()) m_pManager->SetTimer(this, kCaretTimer, kCaretBlinkMs);  // blinks from now
  Settle(nullptr);
  Invalidate();
}

void CEditUI::MoveCaret(std::size_t index, Selecting how, bool upstream) {
  m_buffer.MoveTo(index, how);
  m_bUpstream = upstream;
  CaretMoved();
}

void CEditUI::UpdateTextInput() {
  IHost* host = CurrentHost();
  if (host == nullptr) return;
  HWND const window = m_pManager != nullptr ? m_pManager->GetPaintWindow() : nullptr;
  bool const wanted = window != nullptr && IsFocused() && IsEditable() && IsVisible();
  if (m_bTextInput && (!wanted || window != m_textInputWindow)) {
    host->StopTextInput(m_textInputWindow);
    m_bTextInput = false;
  }
  if (!wanted) return;
  RECT const caret = CaretRect();
  if (m_bTextInput && caret == m_textInputRect) return;
  host->StartTextInput(window, caret);
  m_bTextInput = true;
  m_textInputWindow = window;
  m_textInputRect = caret;
}

void CEditUI::DoEvent(TEventUI& event) {
  if (m_pManager == nullptr) return CLabelUI::DoEvent(event);
  switch (event.Type) {
    case UIEVENT_BUTTONDOWN: OnPress(event.ptMouse, (event.wKeyState & MK_SHIFT) != 0); break;
    case UIEVENT_DBLCLICK: OnDoubleClick(event.ptMouse); break;
    case UIEVENT_MOUSEMOVE:
      if (m_bDragging && !m_bComposing) {
        TextLayout::Hit const hit = HitAt(event.ptMouse);
        MoveCaret(hit.index, Selecting::Extend, hit.upstream);
      }
      break;
    case UIEVENT_BUTTONUP: m_bDragging = false; break;
    case UIEVENT_SCROLLWHEEL: OnWheel(static_cast<int>(static_cast<LPARAM>(event.wParam))); break;
    case UIEVENT_SETFOCUS: OnFocus(true); break;
    case UIEVENT_KILLFOCUS: OnFocus(false); break;
    case UIEVENT_KEYDOWN: OnKeyDown(static_cast<UINT>(event.wParam), event.wKeyState); break;
    case UIEVENT_CHAR: OnChar(static_cast<char32_t>(event.wParam)); break;
    case UIEVENT_IME_STARTCOMPOSITION:
      if (IsEditable()) m_bComposing = true;
      break;
    case UIEVENT_IME_COMPOSITION: OnComposition(event.lParam); break;
    case UIEVENT_IME_ENDCOMPOSITION: EndComposition(); break;
    case UIEVENT_TIMER:
      if (event.wParam != kCaretTimer) return CLabelUI::DoEvent(event);
      // A window in the background shows no caret: nothing to blink.
      if (IsFocused() && m_pManager->IsWindowFocused()) {
        m_bCaretOn = !m_bCaretOn;
        Invalidate();
      }
      break;
    default: CLabelUI::DoEvent(event);
  }
}

void CEditUI::OnFocus(bool gained) {
  if (gained) {
    CaretMoved();
  } else {
    m_pManager->KillTimer(this, kCaretTimer);
    m_bDragging = false;
    EndComposition();
    m_buffer.EndUndoStep();
    Invalidate();
  }
  UpdateTextInput();
}

void CEditUI::OnPress(POINT point, bool extend) {
  if (!IsEnabled()) return;
  SetFocus();
  if (m_bComposing) return;  // the composition keeps its place until it is committed
  TextLayout::Hit const hit = HitAt(point);
  MoveCaret(hit.index, extend ? Selecting::Extend : Selecting::Move, hit.upstream);
  m_bDragging = true;
}

void CEditUI::OnDoubleClick(POINT point) {
  if (!IsEnabled()) return;
  SetFocus();
  if (m_bComposing) return;
  auto const [begin, end] = m_buffer.WordAt(HitAt(point).index);
  m_buffer.Select(begin, end);
  m_bUpstream = false;
  m_bDragging = false;
  CaretMoved();
}

void CEditUI::OnChar(char32_t character) {
  // Control characters come with their keys (Enter, Tab, Backspace, Ctrl+letters on Windows).
  if (character < 0x20 || (character >= 0x7F && character <= 0x9F)) return;
  ApplyEdit([&] { return m_buffer.Insert(WideFromCodePoint(character), EditKind::Typing); });
}

void CEditUI::OnKeyDown(UINT key, UINT modifiers) {
  if (m_bComposing) return;  // the input method has the keys
  bool const shift = (modifiers & MK_SHIFT) != 0;
  // Ctrl with Alt is AltGr on many keyboards: it types characters, it is no shortcut.
  bool const ctrl = (modifiers & MK_CONTROL) != 0 && (modifiers & MK_ALT) == 0;
  Selecting const how = shift ? Selecting::Extend : Selecting::Move;
  std::size_t const caret = m_buffer.Caret();
  TextUnit const unit = ctrl ? TextUnit::Word : TextUnit::Character;
  switch (key) {
    case VK_LEFT:
    case VK_RIGHT: {
      bool const left = key == VK_LEFT;
      if (m_buffer.HasSelection() && !shift && !ctrl) {
        return MoveCaret(left ? m_buffer.SelectionStart() : m_buffer.SelectionEnd(), how);
      }
      if (ctrl) return MoveCaret(left ? m_buffer.PreviousWord(caret) : m_buffer.NextWord(caret), how);
      return MoveCaret(left ? m_buffer.PreviousChar(caret) : m_buffer.NextChar(caret), how);
    }
    case VK_UP:
    case VK_DOWN:
      if (IsMultiLine()) MoveByLines(key == VK_UP ? -1 : 1, how);
      return;
    case VK_PRIOR:
    case VK_NEXT:
      if (IsMultiLine() && m_bLayoutValid) {
        int const page = std::max(1, TextRect().Height() / m_layout.LineHeight());
        int const lines = key == VK_PRIOR ? -page : page;
        m_scroll.y += lines * m_layout.LineHeight();  // the view turns a page with the caret
        ClampScroll();
        MoveByLines(lines, how);
      }
      return;
    case VK_HOME:
    case VK_END: {
      if (ctrl) return MoveCaret(key == VK_HOME ? 0 : m_buffer.Text().size(), how);
      if (!EnsureLayout(nullptr)) return;
      const TextLayout::Line& line = m_layout.Lines()[static_cast<std::size_t>(m_layout.LineOf(DisplayCaret(), m_bUpstream))];
      if (key == VK_HOME) return MoveCaret(FromDisplay(line.begin), how);
      return MoveCaret(FromDisplay(line.end), how, line.wrapped);
    }
    case VK_BACK: return ApplyEdit([&] { return m_buffer.DeleteBackward(unit); });
    case VK_DELETE:
      if (shift && !ctrl) return Cut();
      return ApplyEdit([&] { return m_buffer.DeleteForward(unit); });
    case VK_INSERT:
      if (ctrl && !shift) Copy();
      else if (shift && !ctrl) Paste();
      return;
    case VK_RETURN:
      if (!IsMultiLine()) {
        m_pManager->SendNotify(this, L"return");
        return;
      }
      return ApplyEdit([&] { return m_buffer.Insert(L"\n", EditKind::Typing); });
    case VK_TAB:
      if (IsMultiLine() && !ctrl) ApplyEdit([&] { return m_buffer.Insert(L"\t", EditKind::Typing); });
      return;
    default: break;
  }
  if (!ctrl) return;
  switch (key) {
    case 'A':
      m_buffer.SelectAll();
      m_bUpstream = false;
      return CaretMoved();
    case 'C': return Copy();
    case 'X': return Cut();
    case 'V': return Paste();
    case 'Z':
      if (shift) Redo();
      else Undo();
      return;
    case 'Y': Redo(); return;
    default: return;
  }
}

void CEditUI::MoveByLines(int lines, Selecting how) {
  if (!EnsureLayout(nullptr)) return;
  std::size_t const caret = DisplayCaret();
  int const desiredX = m_desiredX >= 0 ? m_desiredX : m_layout.X(caret, m_bUpstream);
  int const target = m_layout.LineOf(caret, m_bUpstream) + lines;
  if (target < 0) {
    MoveCaret(0, how);
  } else if (target >= static_cast<int>(m_layout.Lines().size())) {
    MoveCaret(m_buffer.Text().size(), how);
  } else {
    TextLayout::Hit const hit = m_layout.IndexOnLine(target, desiredX);
    MoveCaret(FromDisplay(hit.index), how, hit.upstream);
  }
  m_desiredX = desiredX;  // the next Up or Down aims at the same column
}

void CEditUI::OnWheel(int delta) {
  if (!IsMultiLine() || !EnsureLayout(nullptr)) return;
  constexpr int kLinesPerNotch = 3;
  m_scroll.y -= delta * kLinesPerNotch * m_layout.LineHeight() / WHEEL_DELTA;
  ClampScroll();
  UpdateTextInput();
  Invalidate();
}

void CEditUI::OnComposition(LPARAM flags) {
  IHost* host = CurrentHost();
  HWND const window = m_pManager->GetPaintWindow();
  if (host == nullptr || !IsEditable()) return;
  if ((flags & GCS_RESULTSTR) != 0) {
    std::wstring const result = host->GetCompositionString(window, GCS_RESULTSTR);
    SetComposition(std::wstring(), 0);
    ApplyEdit([&] { return m_buffer.Insert(result, EditKind::Composition); });
  }
  if ((flags & GCS_COMPSTR) != 0) {
    std::wstring text = SanitizeInput(host->GetCompositionString(window, GCS_COMPSTR), LineMode::Single);
    int const cursor = (flags & GCS_CURSORPOS) != 0 ? host->GetCompositionCursor(window) : static_cast<int>(text.size());
    m_bComposing = true;
    // What the user composes replaces the selection, as typing does.
    if (!text.empty() && m_buffer.HasSelection()) ApplyEdit([&] { return m_buffer.DeleteSelection(EditKind::Composition); });
    SetComposition(std::move(text), cursor);
  }
}

void CEditUI::SetComposition(std::wstring text, int cursor) {
  cursor = std::clamp(cursor, 0, static_cast<int>(text.size()));
  if (text == m_composition && cursor == m_compositionCursor) return;
  m_composition = std::move(text);
  m_compositionCursor = cursor;
  ++m_version;
  CaretMoved();
}

void CEditUI::EndComposition() {
  m_bComposing = false;
  SetComposition(std::wstring(), 0);
}

}  // namespace DuiLib
