#pragma once
// Characters as an edit control sees them. Text is std::wstring: UTF-32 on Linux, UTF-16 on Windows, where a
// character outside the basic plane takes two units that must never be split. Also: the kinds of character
// that words are made of, and where a line may wrap.
#include <cstddef>
#include <string>
#include <string_view>

namespace DuiLib {

// Index arithmetic that never lands inside a surrogate pair; results stay in 0..text.size().
std::size_t PreviousCharStart(std::wstring_view text, std::size_t index);
std::size_t NextCharStart(std::wstring_view text, std::size_t index);
std::size_t CharStartAtOrBefore(std::wstring_view text, std::size_t index);
char32_t CodePointAt(std::wstring_view text, std::size_t index);      // 0 at the end
char32_t CodePointBefore(std::wstring_view text, std::size_t index);  // 0 at the start
// One character as wide text (a surrogate pair on Windows for one outside the basic plane).
std::wstring WideFromCodePoint(char32_t c);

// What a character is to word movement: a word is a run of one kind (Chinese characters run together, as
// a phrase between punctuation marks).
enum class CharKind { Space, LineBreak, Punctuation, Word, Ideograph };
CharKind KindOf(char32_t c);

// Spaces that hang past the right edge at the end of a wrapped line instead of starting the next one.
bool IsBlank(char32_t c);

// Whether a line may wrap between the character that ends at `index` and the one that starts there: after
// blanks, and on either side of a Chinese, Japanese or Korean character, but never before a closing mark
// (，。、」）…) nor after an opening one (「《（…). A Latin word or number is never broken here.
bool CanWrapBefore(std::wstring_view text, std::size_t index);

}  // namespace DuiLib
