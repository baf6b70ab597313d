#pragma once
// Where the 42 day cells sit in the "cal" container and what they are called. Cells are 49 x 50 pixels at a
// pitch of 47 x 49, so neighbours overlap by 2 pixels across and 1 down; the grid spans 331 x 295.
#include <string>

#include "grid/cell_lines.h"

namespace grid {

inline constexpr int kCellWidth = 49;
inline constexpr int kCellHeight = 50;
// The note mark: a small square in the top-left corner (the 休/班 badge takes the top-right one).
inline constexpr int kNoteMarkInset = 4;
inline constexpr int kNoteMarkSize = 6;
inline constexpr unsigned kNoteMarkColour = 0xFFF08C1E;
inline constexpr int kColumnPitch = 47;
inline constexpr int kRowPitch = 49;

// Cell i (1..42), numbered row by row from the top left, relative to the container.
constexpr Rect CellRect(int i) {
  auto const column = (i - 1) % 7;  // [0, 6]
  auto const row = (i - 1) / 7;     // [0, 5]
  return {column * kColumnPitch, row * kRowPitch, column * kColumnPitch + kCellWidth, row * kRowPitch + kCellHeight};
}

static_assert(CellRect(1) == Rect{0, 0, 49, 50});
static_assert(CellRect(42) == Rect{282, 245, 331, 295});

// "cal_cell_7".
std::wstring CellName(int i);
// The "pos" attribute text: "left,top,right,bottom".
std::wstring CellPosText(int i);

}  // namespace grid
