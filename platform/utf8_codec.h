#pragma once
// One UTF-8 character at a time, shared by the code-page conversions of every platform.
#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Appends the UTF-8 bytes of code point `c` (at most U+10FFFF, not a surrogate).
void AppendUtf8(std::string& out, char32_t c);

// Decodes one UTF-8 character at `pos` and advances `pos` past it; an invalid, overlong, truncated or
// surrogate sequence gives kReplacementCharacter and advances by one byte only.
char32_t DecodeUtf8(std::string_view s, std::size_t& pos);

}  // namespace platform
