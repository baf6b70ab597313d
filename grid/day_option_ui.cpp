#include "grid/day_option_ui.h"

#include "grid/cell_layout.h"
#include "grid/cell_lines.h"
#include "grid/grid_constants.h"
#include "grid/holiday_marks.h"
#include "grid/today.h"

using namespace DuiLib;

DayOptionUI::DayOptionUI(const grid::AlmanacLookups* lookups) : lookups_(lookups) {
  SetSelectedImage(grid::kDefaultSelectedImage);
  SetGroup(grid::kCellGroup);
}

DayOptionUI::~DayOptionUI() = default;

void DayOptionUI::PaintText(HDC hDC) {
  auto const lines = grid::CellLinesFor(date);
  if (!lines) return;
  if (hasNote) {
    auto const& cell = GetPos();
    RECT const mark{cell.left + grid::kNoteMarkInset, cell.top + grid::kNoteMarkInset,
                    cell.left + grid::kNoteMarkInset + grid::kNoteMarkSize,
                    cell.top + grid::kNoteMarkInset + grid::kNoteMarkSize};
    CRenderEngine::DrawColor(hDC, mark, grid::kNoteMarkColour);
  }

  grid::CellColourInput in;
  in.textColour = m_dwTextColor;
  in.disabledTextColour = m_dwDisabledTextColor;
  in.selectedTextColour = IsSelected() ? m_dwSelectedTextColor : 0;
  in.enabled = IsEnabled();
  if (m_pManager != nullptr) {
    in.defaultFontColour = m_pManager->GetDefaultFontColor();
    in.defaultDisabledColour = m_pManager->GetDefaultDisabledColor();
  }
  auto const colours = grid::ChooseCellColours(in, lines->second.highlight);
  m_dwDisabledTextColor = colours.disabledTextColour;  // kept, without a repaint: we are painting

  auto const& item = GetPos();
  auto const& padding = GetTextPadding();
  auto const rects = grid::CellTextRectsFor({item.left, item.top, item.right, item.bottom},
                                            {padding.left, padding.top, padding.right, padding.bottom});
  auto const toRect = [](const grid::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; };
  auto first = colours.first;
  if (grid::IsToday(date, grid::Today())) {
    // Today's own marker, drawn over whatever background the day has (rest, worked, selected), so that
    // today is recognisable in every state and keeps its badge.
    auto const mark = grid::TodayMarkRect(rects.first);
    CRenderEngine::DrawColor(hDC, toRect(mark), grid::kTodayMarkColour);
    first = grid::kTodayMarkTextColour;
  }
  CRenderEngine::DrawTextW(hDC, m_pManager, toRect(rects.first), lines->first, first, 2, m_uTextStyle);
  CRenderEngine::DrawTextW(hDC, m_pManager, toRect(rects.second), lines->second.text, colours.second, 3,
                           m_uTextStyle);
}

void DayOptionUI::ChooseSelectedImage() {
  static const grid::AlmanacLookups noAlmanac;
  auto const image = grid::ChooseSelectedImageFor(date, lookups_ != nullptr ? *lookups_ : noAlmanac);
  if (image) SetSelectedImage(*image);
}
