#include "grid/cell_layout.h"

namespace grid {

std::wstring CellName(int i) { return L"cal_cell_" + std::to_wstring(i); }

std::wstring CellPosText(int i) {
  auto const r = CellRect(i);
  return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," + std::to_wstring(r.right) + L"," +
         std::to_wstring(r.bottom);
}

}  // namespace grid
