#pragma once
// TextLayout: text broken into the lines an edit control shows, as a value with no canvas — lines wrap at a
// width (ui/text_chars.h says where a line may wrap; a word wider than the line is cut), and caret
// positions, hit tests and line-by-line movement come from it. The caller measures: for each paragraph
// (the text between line breaks) the x of every caret stop from the paragraph's left edge (`stops[i]` before
// text[i], `stops[size]` after the last character), as ICanvas::MeasureCaretStops gives them.
//
// Coordinates are the text's own: x from the left edge of a line, y from the top of the first line.
// A caret at the index where a line wraps can stand at the end of the upper line or the start of the lower
// one: `upstream` picks the upper (End on a wrapped line, a click past its end).
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/ui_defs.h"

namespace DuiLib {

class TextLayout {
 public:
  using Measure = std::function<std::vector<int>(std::wstring_view paragraph)>;

  struct Line {
    std::size_t begin;  // the text it shows: [begin, end); a line break after it is not part of it
    std::size_t end;
    int width;          // x of `end`: trailing blanks included, so it may pass the wrap width
    bool wrapped;       // the next line continues the same paragraph
  };

  TextLayout() = default;
  // `wrapWidth` <= 0: no wrapping (a line per paragraph). `lineHeight` is clamped to at least 1.
  TextLayout(std::wstring_view text, int wrapWidth, int lineHeight, const Measure& measure);

  const std::wstring& Text() const { return m_text; }
  const std::vector<Line>& Lines() const { return m_lines; }
  int LineHeight() const { return m_lineHeight; }
  int Height() const { return static_cast<int>(m_lines.size()) * m_lineHeight; }
  int Width() const;  // the widest line

  int LineOf(std::size_t index, bool upstream = false) const;
  // The caret's x at `index` (on the line LineOf gives).
  int X(std::size_t index, bool upstream = false) const;
  POINT CaretPoint(std::size_t index, bool upstream = false) const;
  // The x of `index` on `line`, the index clamped to the line (its end: the line's width).
  int XOnLine(int line, std::size_t index) const;

  struct Hit {
    std::size_t index;
    bool upstream;
  };
  // The caret stop on `line` nearest to `x` (halfway across a character goes to its far side).
  Hit IndexOnLine(int line, int x) const;
  // The caret stop nearest to a point; above the first line counts as on it, below the last as on that one.
  Hit HitTest(POINT point) const;

 private:
  void AddParagraph(std::wstring_view text, std::size_t offset, int wrapWidth, const std::vector<int>& stops);

  std::wstring m_text;
  std::vector<Line> m_lines{Line{0, 0, 0, false}};
  std::vector<int> m_x{0};  // the caret's x at every index, on the line starting there when it wraps
  int m_lineHeight = 1;
};

}  // namespace DuiLib
