#pragma once
#include <string>
#include <string_view>
#include <vector>

// The pieces of `text` between occurrences of any character of `delimiters`, in order; empty pieces
// (leading, trailing or doubled delimiters) are skipped, so an empty text has no pieces.
std::vector<std::string> SplitString(std::string_view text, std::string_view delimiters);
