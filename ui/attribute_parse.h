#pragma once
// Parsers for skin attribute values. Each answers std::nullopt for a malformed value.
#include <optional>
#include <string_view>

#include "ui/ui_defs.h"

namespace DuiLib {

// "#RRGGBB" (opaque) or "#AARRGGBB"; "0x" may stand for "#".
std::optional<DWORD> ParseColor(std::wstring_view text);
// "left,top,right,bottom".
std::optional<RECT> ParseRect(std::wstring_view text);
// "cx,cy".
std::optional<SIZE> ParseSize(std::wstring_view text);
std::optional<int> ParseInt(std::wstring_view text);
// "true" / "false".
std::optional<bool> ParseBool(std::wstring_view text);

}  // namespace DuiLib
