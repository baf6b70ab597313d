#pragma once
// Text encodings at the system's edge. The engine and the database's ANSI columns speak GBK (code page 936)
// on every platform; SQLite and pango speak UTF-8; the UI holds wide text. Every conversion is total: a byte
// sequence that is not valid in its source encoding becomes U+FFFD (or '?' where the target is GBK), so a
// bad byte in a file can never stop a caller.
#include <string>
#include <string_view>

namespace platform {

std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);
std::wstring GbkToWide(std::string_view gbk);
std::string WideToGbk(std::wstring_view wide);
std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

// Length in bytes of the longest prefix of `utf8` that is at most `maxBytes` long and ends on a character
// boundary (so cutting there never splits a character).
std::size_t Utf8PrefixAtBoundary(std::string_view utf8, std::size_t maxBytes);

}  // namespace platform
