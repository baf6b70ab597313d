#include "ui/text_chars.h"

#include <algorithm>

namespace DuiLib {
namespace {

bool IsHigh(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLow(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// A pair of units that make one character (only ever on Windows, where wchar_t is 16 bits).
bool PairAt(std::wstring_view text, std::size_t index) {
  return index + 1 < text.size() && IsHigh(text[index]) && IsLow(text[index + 1]);
}

bool InRange(char32_t c, char32_t first, char32_t last) { return c >= first && c <= last; }

// Chinese, Japanese and Korean characters and their full-width marks: a line may wrap beside any of them.
bool IsWide(char32_t c) {
  return InRange(c, 0x1100, 0x115F) || InRange(c, 0x2E80, 0x303E) || InRange(c, 0x3041, 0x33FF) ||
         InRange(c, 0x3400, 0x4DBF) || InRange(c, 0x4E00, 0x9FFF) || InRange(c, 0xA000, 0xA4CF) ||
         InRange(c, 0xAC00, 0xD7A3) || InRange(c, 0xF900, 0xFAFF) || InRange(c, 0xFE30, 0xFE4F) ||
         InRange(c, 0xFF00, 0xFF60) || InRange(c, 0xFFE0, 0xFFE6) || InRange(c, 0x20000, 0x3FFFD);
}

// Marks that close a phrase: no line starts with one.
constexpr std::u32string_view kClosing = U"，。、；：？！）」』》〉】〕｝〗〙〛’”…‥・·%,.;:?!)]}%～ー々〻ぁぃぅぇぉっゃゅょゎァィゥェォッャュョヮヵヶ";
// Marks that open one: no line ends with one.
constexpr std::u32string_view kOpening = U"（「『《〈【〔｛〖〘〚‘“([{";

}  // namespace

std::size_t PreviousCharStart(std::wstring_view text, std::size_t index) {
  index = std::min(index, text.size());
  if (index == 0) return 0;
  --index;
  if (index > 0 && IsLow(text[index]) && IsHigh(text[index - 1])) --index;
  return index;
}

std::size_t NextCharStart(std::wstring_view text, std::size_t index) {
  if (index >= text.size()) return text.size();
  return index + (PairAt(text, index) ? 2 : 1);
}

std::size_t CharStartAtOrBefore(std::wstring_view text, std::size_t index) {
  index = std::min(index, text.size());
  if (index > 0 && index < text.size() && IsLow(text[index]) && IsHigh(text[index - 1])) --index;
  return index;
}

char32_t CodePointAt(std::wstring_view text, std::size_t index) {
  if (index >= text.size()) return 0;
  if (PairAt(text, index)) {
    return 0x10000 + ((static_cast<char32_t>(text[index]) - 0xD800) << 10) + (static_cast<char32_t>(text[index + 1]) - 0xDC00);
  }
  return static_cast<char32_t>(text[index]);
}

char32_t CodePointBefore(std::wstring_view text, std::size_t index) {
  if (index == 0 || index > text.size()) return 0;
  return CodePointAt(text, PreviousCharStart(text, index));
}

std::wstring WideFromCodePoint(char32_t c) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (c >= 0x10000 && c <= 0x10FFFF) {
      char32_t const v = c - 0x10000;
      return std::wstring{static_cast<wchar_t>(0xD800 + (v >> 10)), static_cast<wchar_t>(0xDC00 + (v & 0x3FF))};
    }
  }
  return std::wstring(1, static_cast<wchar_t>(c));
}

CharKind KindOf(char32_t c) {
  if (c == U'\n') return CharKind::LineBreak;
  if (IsBlank(c) || c == 0xA0 || InRange(c, 0x2000, 0x200B)) return CharKind::Space;
  if (c < 0x80) {
    bool const alnum = InRange(c, U'0', U'9') || InRange(c, U'A', U'Z') || InRange(c, U'a', U'z') || c == U'_';
    return alnum ? CharKind::Word : CharKind::Punctuation;
  }
  if (InRange(c, 0xFF10, 0xFF19) || InRange(c, 0xFF21, 0xFF3A) || InRange(c, 0xFF41, 0xFF5A)) return CharKind::Word;
  if (InRange(c, 0xA1, 0xBF) || c == 0xD7 || c == 0xF7 || InRange(c, 0x2010, 0x2BFF) || InRange(c, 0x3000, 0x303F) ||
      InRange(c, 0xFE30, 0xFE4F) || InRange(c, 0xFF00, 0xFF65) || InRange(c, 0xFFE0, 0xFFEE)) {
    return CharKind::Punctuation;
  }
  if (IsWide(c)) return CharKind::Ideograph;
  return CharKind::Word;
}

bool IsBlank(char32_t c) { return c == U' ' || c == U'\t' || c == 0x3000; }

bool CanWrapBefore(std::wstring_view text, std::size_t index) {
  if (index == 0 || index >= text.size()) return false;
  char32_t const before = CodePointBefore(text, index);
  char32_t const after = CodePointAt(text, index);
  if (IsBlank(after)) return false;  // blanks stay with the line they end
  if (IsBlank(before)) return true;
  if (kClosing.find(after) != std::u32string_view::npos) return false;
  if (kOpening.find(before) != std::u32string_view::npos) return false;
  return IsWide(before) || IsWide(after);
}

}  // namespace DuiLib
