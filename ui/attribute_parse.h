#pragma once
// Parsers for skin attribute values: the one place where skin text becomes numbers. Each answers std::nullopt
// for a malformed value or a number outside its range, so nothing downstream sees a number a skin should
// not have (ui/skin_limits.h).
#include <optional>
#include <string_view>

#include "ui/skin_limits.h"
#include "ui/ui_defs.h"

namespace DuiLib {

// "#RRGGBB" (opaque) or "#AARRGGBB"; "0x" may stand for "#".
std::optional<DWORD> ParseColor(std::wstring_view text);
// A decimal integer (sign allowed, spaces around it ignored) within `range`.
std::optional<int> ParseInt(std::wstring_view text, IntRange range = kCoordinateRange);
// "left,top,right,bottom", each within `range`.
std::optional<RECT> ParseRect(std::wstring_view text, IntRange range = kCoordinateRange);
// "cx,cy", each within `range`.
std::optional<SIZE> ParseSize(std::wstring_view text, IntRange range = kCoordinateRange);
// "true" / "false".
std::optional<bool> ParseBool(std::wstring_view text);

}  // namespace DuiLib
