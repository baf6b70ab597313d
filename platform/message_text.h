#pragma once
// Texts from outside the program — a command-line argument, a path the user gave, a value from a skin file —
// as an error message quotes them, so that a hostile one can neither steer the terminal nor flood it.
#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// How much of a skin value a warning shows, and of an argument or path the command line's errors show.
inline constexpr std::size_t kQuotedValueBytes = 60;
inline constexpr std::size_t kQuotedArgumentBytes = 200;

// `text` with control characters escaped (C0 and DEL as \xHH, C1 as \u0080..\u009F) and bytes that are not
// UTF-8 as \xHH; longer than `maxBytes`, it is cut at a character boundary and ends with "..." and its
// whole length: "aaaa... (100000 bytes)".
std::string QuoteForMessage(std::string_view text, std::size_t maxBytes = kQuotedValueBytes);

}  // namespace platform
