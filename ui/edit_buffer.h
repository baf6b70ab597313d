#pragma once
// EditBuffer: what an edit control edits, as a value with no window, canvas or host — the text, the caret
// and the selection's anchor, movement by character, word and line, and an undo history. Indices are
// wchar_t offsets into the text, always at the start of a character (ui/text_chars.h).
//
// Undo steps are what a user thinks of as one edit: typed characters up to the end of a word (a letter
// typed after a space starts a new step) or through a line break; a run of Backspaces; a run of Deletes;
// a paste; a cut; an input method's commit together with the selection it replaced. Moving the caret,
// undoing and redoing end the step being typed.
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace DuiLib {

enum class LineMode { Single, Multi };  // a single-line field, or text with line breaks
enum class EditKind { Typing, Backspace, Delete, Paste, Cut, Composition };
enum class Selecting { Move, Extend };  // a move collapses the selection, or extends it from its anchor
enum class TextUnit { Character, Word };

// Text as an edit takes it from the user (typed, pasted, committed): line breaks become '\n' ("\r\n" and
// '\r' included), or spaces on a single line, where a tab becomes a space too; other control characters
// and halves of broken surrogate pairs are dropped.
std::wstring SanitizeInput(std::wstring_view text, LineMode mode);

class EditBuffer {
 public:
  explicit EditBuffer(LineMode mode = LineMode::Single) : m_mode(mode) {}

  LineMode Mode() const { return m_mode; }
  const std::wstring& Text() const { return m_text; }
  // Replaces the text as it stands (nothing is dropped or cut): the caret goes to the start, the selection
  // and the history are cleared.
  void SetText(std::wstring_view text);

  std::size_t Caret() const { return m_caret; }
  std::size_t Anchor() const { return m_anchor; }
  bool HasSelection() const { return m_caret != m_anchor; }
  std::size_t SelectionStart() const { return std::min(m_caret, m_anchor); }
  std::size_t SelectionEnd() const { return std::max(m_caret, m_anchor); }
  std::wstring SelectedText() const;

  // Typed, pasted and committed text stops at this many units; text already longer stays.
  std::size_t MaxLength() const { return m_maxLength; }
  void SetMaxLength(std::size_t units) { m_maxLength = units; }

  // Movement (indices are clamped to the text and to character starts).
  void MoveTo(std::size_t index, Selecting how);
  void Select(std::size_t anchor, std::size_t caret);
  void SelectAll() { Select(0, m_text.size()); }
  std::size_t PreviousChar(std::size_t index) const;
  std::size_t NextChar(std::size_t index) const;
  // The start of the word before `index`, and the start of the next word after it (spaces skipped).
  std::size_t PreviousWord(std::size_t index) const;
  std::size_t NextWord(std::size_t index) const;
  // The line (between '\n's) holding `index`.
  std::size_t LineStart(std::size_t index) const;
  std::size_t LineEnd(std::size_t index) const;
  // The run of one kind of character at `index` (the one before it at a line's end): a double click's word.
  std::pair<std::size_t, std::size_t> WordAt(std::size_t index) const;

  // Edits; each answers whether the text changed. Insert replaces the selection with the sanitised text,
  // cut at the maximum length; a text that does not fit at all changes nothing.
  bool Insert(std::wstring_view text, EditKind kind);
  bool DeleteSelection(EditKind kind);
  // Backspace and Delete: the selection if there is one, else a character or a word before / after the caret.
  bool DeleteBackward(TextUnit unit);
  bool DeleteForward(TextUnit unit);

  bool CanUndo() const { return !m_undo.empty(); }
  bool CanRedo() const { return !m_redo.empty(); }
  bool Undo();
  bool Redo();
  // Ends the step being typed (the caret moved, the control lost the focus).
  void EndUndoStep();

  static constexpr std::size_t kMaxUndoSteps = 1000;

 private:
  struct Step {
    std::size_t at;         // where the change starts
    std::wstring removed;   // what was there
    std::wstring inserted;  // what is there now
    std::size_t caretBefore, anchorBefore, caretAfter, anchorAfter;
    EditKind kind;
    bool open;  // a following edit of the same kind may join it
  };

  // Replaces [at, at + count) with `text`, leaves the caret after it, and records the step.
  void Replace(std::size_t at, std::size_t count, std::wstring text, EditKind kind);
  bool JoinLastStep(const Step& step);

  LineMode m_mode;
  std::wstring m_text;
  std::size_t m_caret = 0;
  std::size_t m_anchor = 0;
  std::size_t m_maxLength = static_cast<std::size_t>(-1);
  std::vector<Step> m_undo;
  std::vector<Step> m_redo;
};

}  // namespace DuiLib
