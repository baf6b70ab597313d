#include "ui/edit_buffer.h"

#include <cstdint>

#include "ui/text_chars.h"

namespace DuiLib {
namespace {

bool IsHigh(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLow(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

bool StartsWithSpace(std::wstring_view text) { return !text.empty() && KindOf(CodePointAt(text, 0)) == CharKind::Space; }
bool EndsWithSpace(std::wstring_view text) {
  return !text.empty() && KindOf(CodePointBefore(text, text.size())) == CharKind::Space;
}

}  // namespace

std::wstring SanitizeInput(std::wstring_view text, LineMode mode) {
  std::wstring out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    wchar_t c = text[i];
    auto const code = static_cast<std::uint32_t>(c);
    if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') continue;  // the '\n' follows
    if (c == L'\r' || c == L'\n' || code == 0x2028 || code == 0x2029) {
      out.push_back(mode == LineMode::Multi ? L'\n' : L' ');
    } else if (c == L'\t') {
      out.push_back(mode == LineMode::Multi ? L'\t' : L' ');
    } else if (code < 0x20 || (code >= 0x7F && code <= 0x9F) || code > 0x10FFFF) {
      continue;
    } else if (IsHigh(c)) {
      // A pair is one character in UTF-16; in UTF-32 text a surrogate is never a character.
      if (sizeof(wchar_t) == 2 && i + 1 < text.size() && IsLow(text[i + 1])) {
        out.push_back(c);
        out.push_back(text[++i]);
      }
    } else if (!IsLow(c)) {
      out.push_back(c);
    }
  }
  return out;
}

void EditBuffer::SetText(std::wstring_view text) {
  m_text = std::wstring(text);
  m_caret = m_anchor = 0;
  m_undo.clear();
  m_redo.clear();
}

std::wstring EditBuffer::SelectedText() const {
  return m_text.substr(SelectionStart(), SelectionEnd() - SelectionStart());
}

void EditBuffer::MoveTo(std::size_t index, Selecting how) {
  m_caret = CharStartAtOrBefore(m_text, index);
  if (how == Selecting::Move) m_anchor = m_caret;
  EndUndoStep();
}

void EditBuffer::Select(std::size_t anchor, std::size_t caret) {
  m_anchor = CharStartAtOrBefore(m_text, anchor);
  m_caret = CharStartAtOrBefore(m_text, caret);
  EndUndoStep();
}

std::size_t EditBuffer::PreviousChar(std::size_t index) const { return PreviousCharStart(m_text, index); }
std::size_t EditBuffer::NextChar(std::size_t index) const { return NextCharStart(m_text, index); }

std::size_t EditBuffer::PreviousWord(std::size_t index) const {
  std::size_t i = CharStartAtOrBefore(m_text, index);
  while (i > 0 && KindOf(CodePointBefore(m_text, i)) == CharKind::Space) i = PreviousChar(i);
  if (i == 0) return 0;
  CharKind const kind = KindOf(CodePointBefore(m_text, i));
  if (kind == CharKind::LineBreak) return PreviousChar(i);
  while (i > 0 && KindOf(CodePointBefore(m_text, i)) == kind) i = PreviousChar(i);
  return i;
}

std::size_t EditBuffer::NextWord(std::size_t index) const {
  std::size_t i = CharStartAtOrBefore(m_text, index);
  if (i >= m_text.size()) return m_text.size();
  CharKind const kind = KindOf(CodePointAt(m_text, i));
  if (kind == CharKind::LineBreak) {
    i = NextChar(i);
  } else if (kind != CharKind::Space) {
    while (i < m_text.size() && KindOf(CodePointAt(m_text, i)) == kind) i = NextChar(i);
  }
  while (i < m_text.size() && KindOf(CodePointAt(m_text, i)) == CharKind::Space) i = NextChar(i);
  return i;
}

std::size_t EditBuffer::LineStart(std::size_t index) const {
  index = std::min(index, m_text.size());
  std::size_t const lineBreak = index == 0 ? std::wstring::npos : m_text.rfind(L'\n', index - 1);
  return lineBreak == std::wstring::npos ? 0 : lineBreak + 1;
}

std::size_t EditBuffer::LineEnd(std::size_t index) const {
  std::size_t const lineBreak = m_text.find(L'\n', std::min(index, m_text.size()));
  return lineBreak == std::wstring::npos ? m_text.size() : lineBreak;
}

std::pair<std::size_t, std::size_t> EditBuffer::WordAt(std::size_t index) const {
  std::size_t at = CharStartAtOrBefore(m_text, index);
  if (at >= m_text.size() || KindOf(CodePointAt(m_text, at)) == CharKind::LineBreak) {
    if (at == 0 || KindOf(CodePointBefore(m_text, at)) == CharKind::LineBreak) return {at, at};
    at = PreviousChar(at);
  }
  CharKind const kind = KindOf(CodePointAt(m_text, at));
  std::size_t begin = at;
  while (begin > 0 && KindOf(CodePointBefore(m_text, begin)) == kind) begin = PreviousChar(begin);
  std::size_t end = NextChar(at);
  while (end < m_text.size() && KindOf(CodePointAt(m_text, end)) == kind) end = NextChar(end);
  return {begin, end};
}

bool EditBuffer::Insert(std::wstring_view text, EditKind kind) {
  std::wstring clean = SanitizeInput(text, m_mode);
  std::size_t const start = SelectionStart();
  std::size_t const count = SelectionEnd() - start;
  std::size_t const kept = m_text.size() - count;
  std::size_t const room = m_maxLength > kept ? m_maxLength - kept : 0;
  if (clean.size() > room) clean.resize(CharStartAtOrBefore(clean, room));
  if (clean.empty()) return false;
  Replace(start, count, std::move(clean), kind);
  return true;
}

bool EditBuffer::DeleteSelection(EditKind kind) {
  if (!HasSelection()) return false;
  Replace(SelectionStart(), SelectionEnd() - SelectionStart(), std::wstring(), kind);
  return true;
}

bool EditBuffer::DeleteBackward(TextUnit unit) {
  if (HasSelection()) return DeleteSelection(EditKind::Backspace);
  if (m_caret == 0) return false;
  std::size_t const from = unit == TextUnit::Word ? PreviousWord(m_caret) : PreviousChar(m_caret);
  Replace(from, m_caret - from, std::wstring(), EditKind::Backspace);
  return true;
}

bool EditBuffer::DeleteForward(TextUnit unit) {
  if (HasSelection()) return DeleteSelection(EditKind::Delete);
  if (m_caret >= m_text.size()) return false;
  std::size_t const to = unit == TextUnit::Word ? NextWord(m_caret) : NextChar(m_caret);
  Replace(m_caret, to - m_caret, std::wstring(), EditKind::Delete);
  return true;
}

void EditBuffer::Replace(std::size_t at, std::size_t count, std::wstring text, EditKind kind) {
  Step step{at, m_text.substr(at, count), std::move(text), m_caret, m_anchor, 0, 0, kind, false};
  m_text.replace(at, count, step.inserted);
  m_caret = m_anchor = at + step.inserted.size();
  step.caretAfter = step.anchorAfter = m_caret;
  m_redo.clear();
  if (JoinLastStep(step)) return;
  switch (kind) {
    case EditKind::Typing: step.open = step.inserted.find(L'\n') == std::wstring::npos; break;
    case EditKind::Backspace:
    case EditKind::Delete: step.open = true; break;
    case EditKind::Composition: step.open = step.inserted.empty(); break;  // the commit joins its deletion
    default: break;
  }
  m_undo.push_back(std::move(step));
  if (m_undo.size() > kMaxUndoSteps) m_undo.erase(m_undo.begin());
}

bool EditBuffer::JoinLastStep(const Step& step) {
  if (m_undo.empty()) return false;
  Step& last = m_undo.back();
  if (!last.open || last.kind != step.kind) return false;
  switch (step.kind) {
    case EditKind::Typing:
      if (!step.removed.empty() || step.at != last.at + last.inserted.size()) return false;
      if (EndsWithSpace(last.inserted) && !StartsWithSpace(step.inserted)) return false;  // a new word
      last.inserted += step.inserted;
      if (step.inserted.find(L'\n') != std::wstring::npos) last.open = false;
      break;
    case EditKind::Backspace:
      if (!step.inserted.empty() || !last.inserted.empty() || step.at + step.removed.size() != last.at) return false;
      last.removed.insert(0, step.removed);
      last.at = step.at;
      break;
    case EditKind::Delete:
      if (!step.inserted.empty() || !last.inserted.empty() || step.at != last.at) return false;
      last.removed += step.removed;
      break;
    case EditKind::Composition:
      if (!step.removed.empty() || !last.inserted.empty() || step.at != last.at) return false;
      last.inserted = step.inserted;
      last.open = false;
      break;
    default: return false;
  }
  last.caretAfter = step.caretAfter;
  last.anchorAfter = step.anchorAfter;
  return true;
}

bool EditBuffer::Undo() {
  if (m_undo.empty()) return false;
  Step step = std::move(m_undo.back());
  m_undo.pop_back();
  m_text.replace(step.at, step.inserted.size(), step.removed);
  m_caret = step.caretBefore;
  m_anchor = step.anchorBefore;
  step.open = false;
  m_redo.push_back(std::move(step));
  EndUndoStep();
  return true;
}

bool EditBuffer::Redo() {
  if (m_redo.empty()) return false;
  Step step = std::move(m_redo.back());
  m_redo.pop_back();
  m_text.replace(step.at, step.removed.size(), step.inserted);
  m_caret = step.caretAfter;
  m_anchor = step.anchorAfter;
  m_undo.push_back(std::move(step));
  EndUndoStep();
  return true;
}

void EditBuffer::EndUndoStep() {
  if (!m_undo.empty()) m_undo.back().open = false;
}

}  // namespace DuiLib
