#include "ui/text_layout.h"

#include <algorithm>

#include "ui/text_chars.h"

namespace DuiLib {

TextLayout::TextLayout(std::wstring_view text, int wrapWidth, int lineHeight, const Measure& measure)
    : m_text(text), m_lineHeight(std::max(1, lineHeight)) {
  m_lines.clear();
  m_x.assign(m_text.size() + 1, 0);
  std::wstring_view const all = m_text;
  std::size_t start = 0;
  while (true) {
    std::size_t const lineBreak = all.find(L'\n', start);
    std::size_t const end = lineBreak == std::wstring_view::npos ? all.size() : lineBreak;
    std::wstring_view const paragraph = all.substr(start, end - start);
    std::vector<int> stops = paragraph.empty() ? std::vector<int>{0} : measure(paragraph);
    // A measure that answers too little is padded, and stops never go back (hit tests rely on it).
    stops.resize(paragraph.size() + 1, stops.empty() ? 0 : stops.back());
    for (std::size_t i = 1; i < stops.size(); ++i) stops[i] = std::max(stops[i], stops[i - 1]);
    AddParagraph(paragraph, start, wrapWidth, stops);
    if (lineBreak == std::wstring_view::npos) break;
    start = lineBreak + 1;
  }
}

void TextLayout::AddParagraph(std::wstring_view text, std::size_t offset, int wrapWidth, const std::vector<int>& stops) {
  auto add = [&](std::size_t begin, std::size_t end, bool wrapped) {
    m_lines.push_back(Line{offset + begin, offset + end, stops[end] - stops[begin], wrapped});
    for (std::size_t i = begin; i <= end; ++i) m_x[offset + i] = stops[i] - stops[begin];
  };
  std::size_t const size = text.size();
  if (wrapWidth <= 0 || size == 0) return add(0, size, false);
  std::size_t begin = 0;
  while (true) {
    // As much as fits, but never less than one character.
    std::size_t fit = begin;
    while (fit < size) {
      std::size_t const next = NextCharStart(text, fit);
      if (stops[next] - stops[begin] > wrapWidth) break;
      fit = next;
    }
    if (fit == size) return add(begin, size, false);
    if (fit == begin) fit = NextCharStart(text, begin);
    std::size_t hang = fit;
    while (hang < size && IsBlank(CodePointAt(text, hang))) hang = NextCharStart(text, hang);
    if (hang == size) return add(begin, size, false);
    std::size_t wrap = hang;
    while (wrap > begin && !CanWrapBefore(text, wrap)) wrap = PreviousCharStart(text, wrap);
    if (wrap == begin) wrap = fit;  // one word wider than the line: cut it
    add(begin, wrap, true);
    begin = wrap;
  }
}

int TextLayout::Width() const {
  int widest = 0;
  for (const Line& line : m_lines) widest = std::max(widest, line.width);
  return widest;
}

int TextLayout::LineOf(std::size_t index, bool upstream) const {
  index = std::min(index, m_text.size());
  auto const after = std::upper_bound(m_lines.begin(), m_lines.end(), index,
                                      [](std::size_t value, const Line& line) { return value < line.begin; });
  int line = std::max(0, static_cast<int>(after - m_lines.begin()) - 1);
  if (upstream && line > 0 && m_lines[line - 1].wrapped && m_lines[line - 1].end == index) --line;
  return line;
}

int TextLayout::X(std::size_t index, bool upstream) const {
  index = std::min(index, m_text.size());
  const Line& line = m_lines[static_cast<std::size_t>(LineOf(index, upstream))];
  return index >= line.end ? line.width : m_x[index];
}

int TextLayout::XOnLine(int lineIndex, std::size_t index) const {
  const Line& line = m_lines[static_cast<std::size_t>(std::clamp(lineIndex, 0, static_cast<int>(m_lines.size()) - 1))];
  index = std::clamp(index, line.begin, line.end);
  return index == line.end ? line.width : m_x[index];
}

POINT TextLayout::CaretPoint(std::size_t index, bool upstream) const {
  return POINT{X(index, upstream), LineOf(index, upstream) * m_lineHeight};
}

TextLayout::Hit TextLayout::IndexOnLine(int lineIndex, int x) const {
  const Line& line = m_lines[static_cast<std::size_t>(std::clamp(lineIndex, 0, static_cast<int>(m_lines.size()) - 1))];
  for (std::size_t i = line.begin; i < line.end;) {
    std::size_t const next = NextCharStart(m_text, i);
    int const left = m_x[i];
    int const right = next >= line.end ? line.width : m_x[next];
    if (2 * x < left + right) return Hit{i, false};
    i = next;
  }
  return Hit{line.end, line.wrapped};
}

TextLayout::Hit TextLayout::HitTest(POINT point) const {
  return IndexOnLine(point.y < 0 ? 0 : point.y / m_lineHeight, point.x);
}

}  // namespace DuiLib
