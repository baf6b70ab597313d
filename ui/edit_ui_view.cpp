// CEditUI's view: the text laid out in lines, the scroll that keeps the caret in sight, and painting.
#include <algorithm>

#include "ui/edit_ui.h"
#include "ui/host/host.h"
#include "ui/paint_manager_ui.h"
#include "ui/render_engine.h"

namespace DuiLib {
namespace {

constexpr int kCaretWidth = 1;
// What every line's height is measured on: a Chinese character with Latin ascender and descender.
constexpr std::wstring_view kLineSample = L"国Ag";
constexpr DWORD kInactiveSelectionBk = 0xFFD6D6D6;  // the selection of a window in the background
constexpr DWORD kScrollIndicator = 0x60000000;

}  // namespace

std::wstring CEditUI::DisplayText() const {
  if (m_composition.empty()) return m_buffer.Text();
  std::wstring text = m_buffer.Text();
  text.insert(m_buffer.Caret(), m_composition);
  return text;
}

std::size_t CEditUI::ToDisplay(std::size_t index) const {
  return index <= m_buffer.Caret() ? index : index + m_composition.size();
}

std::size_t CEditUI::FromDisplay(std::size_t index) const {
  std::size_t const caret = m_buffer.Caret();
  if (index <= caret) return index;
  return index >= caret + m_composition.size() ? index - m_composition.size() : caret;
}

std::size_t CEditUI::DisplayCaret() const { return m_buffer.Caret() + static_cast<std::size_t>(m_compositionCursor); }

bool CEditUI::EnsureLayout(ICanvas* canvas) {
  if (m_pManager == nullptr) return false;
  const FontSpec& font = m_pManager->GetFont(m_iFont);
  int const width = IsMultiLine() ? std::max(1, TextRect().Width() - kCaretWidth) : 0;
  if (m_bLayoutValid && m_layoutVersion == m_version && m_layoutWidth == width && m_layoutFont == font) return true;
  if (canvas == nullptr) {
    IHost* host = CurrentHost();
    canvas = host != nullptr ? host->MeasuringCanvas(m_pManager->GetPaintWindow()) : nullptr;
  }
  if (canvas == nullptr) return m_bLayoutValid;  // the last layout serves until a paint makes a new one
  if (!(font == m_layoutFont)) m_stops.clear();
  // Only the paragraphs that changed are measured again.
  std::unordered_map<std::wstring, std::vector<int>> used;
  auto measure = [&](std::wstring_view paragraph) {
    std::wstring key(paragraph);
    auto known = m_stops.find(key);
    std::vector<int> stops = known != m_stops.end() ? known->second : canvas->MeasureCaretStops(paragraph, font);
    used.emplace(std::move(key), stops);
    return stops;
  };
  int const lineHeight = canvas->MeasureText(kLineSample, font, 0, DT_SINGLELINE).cy;
  m_layout = TextLayout(DisplayText(), width, lineHeight, measure);
  m_stops = std::move(used);
  m_bLayoutValid = true;
  m_layoutVersion = m_version;
  m_layoutWidth = width;
  m_layoutFont = font;
  ClampScroll();
  return true;
}

void CEditUI::Settle(ICanvas* canvas) {
  if (!EnsureLayout(canvas)) return;
  if (m_bScrollToCaret) {
    m_bScrollToCaret = false;
    ScrollToCaret();
  }
  UpdateTextInput();
}

void CEditUI::ScrollToCaret() {
  RECT const view = TextRect();
  POINT const caret = m_layout.CaretPoint(DisplayCaret(), m_bUpstream);
  if (IsMultiLine()) {
    int const lineHeight = m_layout.LineHeight();
    if (caret.y < m_scroll.y) m_scroll.y = caret.y;
    else if (caret.y + lineHeight > m_scroll.y + view.Height()) m_scroll.y = caret.y + lineHeight - view.Height();
  } else {
    if (caret.x < m_scroll.x) m_scroll.x = caret.x;
    else if (caret.x + kCaretWidth > m_scroll.x + view.Width()) m_scroll.x = caret.x + kCaretWidth - view.Width();
  }
  ClampScroll();
}

void CEditUI::ClampScroll() {
  RECT const view = TextRect();
  if (IsMultiLine()) {
    m_scroll.x = 0;
    m_scroll.y = std::clamp(m_scroll.y, 0, std::max(0, m_layout.Height() - view.Height()));
  } else {
    m_scroll.y = 0;
    m_scroll.x = std::clamp(m_scroll.x, 0, std::max(0, m_layout.Width() + kCaretWidth - view.Width()));
  }
}

POINT CEditUI::Origin() const {
  RECT const view = TextRect();
  if (IsMultiLine()) return POINT{view.left, view.top - m_scroll.y};
  return POINT{view.left - m_scroll.x, view.top + (view.Height() - m_layout.LineHeight()) / 2};
}

RECT CEditUI::CaretRect() const {
  RECT const view = TextRect();
  POINT const origin = Origin();
  POINT const caret = m_layout.CaretPoint(DisplayCaret(), m_bUpstream);
  // Blanks that hang past a wrapped line's end would take the caret out of the field.
  int const x = std::clamp(origin.x + caret.x, view.left, std::max(view.left, view.right - kCaretWidth));
  int const y = origin.y + caret.y;
  return RECT{x, y, x + kCaretWidth, y + m_layout.LineHeight()};
}

TextLayout::Hit CEditUI::HitAt(POINT client) {
  EnsureLayout(nullptr);
  POINT const origin = Origin();
  TextLayout::Hit hit = m_layout.HitTest(POINT{client.x - origin.x, client.y - origin.y});
  hit.index = FromDisplay(hit.index);
  return hit;
}

void CEditUI::PaintText(HDC hDC) {
  if (m_pManager == nullptr || hDC == nullptr) return;
  Settle(hDC);
  RECT const view = TextRect();
  if (!m_bLayoutValid || view.IsEmpty()) return;
  DWORD color = m_dwTextColor != 0 ? m_dwTextColor : m_pManager->GetDefaultFontColor();
  if (!IsEnabled()) color = m_dwDisabledTextColor != 0 ? m_dwDisabledTextColor : m_pManager->GetDefaultDisabledColor();
  bool const focused = IsFocused() && IsEnabled();
  bool const active = focused && m_pManager->IsWindowFocused();
  {
    ClipScope clip(*hDC, view);
    POINT const origin = Origin();
    int const lineHeight = m_layout.LineHeight();
    const std::vector<TextLayout::Line>& lines = m_layout.Lines();
    int const first = std::max(0, (view.top - origin.y) / lineHeight);
    int const last = std::min(static_cast<int>(lines.size()) - 1, (view.bottom - origin.y) / lineHeight);
    std::size_t const selBegin = ToDisplay(m_buffer.SelectionStart());
    std::size_t const selEnd = ToDisplay(m_buffer.SelectionEnd());
    std::size_t const compBegin = m_buffer.Caret();
    std::size_t const compEnd = compBegin + m_composition.size();
    for (int k = first; k <= last; ++k) {
      const TextLayout::Line& line = lines[static_cast<std::size_t>(k)];
      int const top = origin.y + k * lineHeight;
      RECT selection{};
      if (focused && selBegin < selEnd && selBegin <= line.end && selEnd > line.begin) {
        std::size_t const a = std::max(selBegin, line.begin);
        std::size_t const b = std::min(selEnd, line.end);
        // A selected line break shows as a little of the selection colour past the line's end.
        int const pastEnd = selEnd > line.end && !line.wrapped ? std::max(2, lineHeight / 3) : 0;
        selection = RECT{origin.x + m_layout.XOnLine(k, a), top, origin.x + m_layout.XOnLine(k, b) + pastEnd, top + lineHeight};
        CRenderEngine::DrawColor(hDC, selection, active ? m_dwSelectedBkColor : kInactiveSelectionBk);
      }
      PaintLine(hDC, k, origin, color, view);
      if (active && !selection.IsEmpty()) {
        ClipScope selected(*hDC, selection);
        PaintLine(hDC, k, origin, m_dwSelectedTextColor, view);
      }
      if (compBegin < compEnd && compBegin <= line.end && compEnd > line.begin) {
        int const left = origin.x + m_layout.XOnLine(k, std::max(compBegin, line.begin));
        int const right = origin.x + m_layout.XOnLine(k, std::min(compEnd, line.end));
        CRenderEngine::DrawColor(hDC, RECT{left, top + lineHeight - 2, right, top + lineHeight - 1}, color | 0xFF000000u);
      }
    }
    if (active && m_bCaretOn) CRenderEngine::DrawColor(hDC, CaretRect(), color | 0xFF000000u);
  }
  if (IsMultiLine()) PaintScrollIndicator(hDC, view);
}

// A line's text, drawn a run between tabs at a time: the layout's stops place every run, so a tab is as
// wide as it was measured.
void CEditUI::PaintLine(HDC hDC, int k, POINT origin, DWORD color, const RECT& view) {
  const TextLayout::Line& line = m_layout.Lines()[static_cast<std::size_t>(k)];
  const std::wstring& text = m_layout.Text();
  int const top = origin.y + k * m_layout.LineHeight();
  for (std::size_t i = line.begin; i < line.end;) {
    std::size_t const tab = std::min(text.find(L'\t', i), line.end);
    int const x = origin.x + m_layout.XOnLine(k, i);
    if (tab > i && x < view.right) {
      CRenderEngine::DrawTextW(hDC, m_pManager, RECT{x, top, std::max(view.right, x + 1), top + m_layout.LineHeight()},
                               std::wstring_view(text).substr(i, tab - i), color, m_iFont,
                               DT_SINGLELINE | DT_LEFT | DT_TOP | DT_NOPREFIX);
    }
    i = tab + 1;
  }
}

// A thin bar at the right edge that shows which part of a long text is in view.
void CEditUI::PaintScrollIndicator(HDC hDC, const RECT& view) {
  int const content = m_layout.Height();
  int const shown = view.Height();
  if (content <= shown || shown <= 0) return;
  int const length = std::max(12, static_cast<int>(static_cast<long long>(shown) * shown / content));
  int const top = view.top + static_cast<int>(static_cast<long long>(shown - length) * m_scroll.y / (content - shown));
  int const right = m_rcItem.right - std::max(1, m_nBorderSize) - 1;
  CRenderEngine::DrawColor(hDC, RECT{right - 3, top, right, top + length}, kScrollIndicator);
}

void CEditUI::PaintBorder(HDC hDC) {
  if (m_nBorderSize == 0) CRenderEngine::DrawRect(hDC, m_rcItem, 1, IsFocused() ? 0xFF3C7FB1 : 0xFFA0A0A0);
  CLabelUI::PaintBorder(hDC);
}

}  // namespace DuiLib
