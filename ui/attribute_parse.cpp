#include "ui/attribute_parse.h"

#include <cwchar>
#include <vector>

namespace DuiLib {
namespace {

std::wstring_view Trim(std::wstring_view s) {
  while (!s.empty() && (s.front() == L' ' || s.front() == L'\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == L' ' || s.back() == L'\t')) s.remove_suffix(1);
  return s;
}

std::optional<std::vector<int>> ParseInts(std::wstring_view text, std::size_t count, IntRange range) {
  std::vector<int> values;
  while (values.size() <= count) {
    std::size_t comma = text.find(L',');
    auto value = ParseInt(text.substr(0, comma), range);
    if (!value) return std::nullopt;
    values.push_back(*value);
    if (comma == std::wstring_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  if (values.size() != count) return std::nullopt;
  return values;
}

}  // namespace

std::optional<int> ParseInt(std::wstring_view text, IntRange range) {
  text = Trim(text);
  if (text.empty()) return std::nullopt;
  bool negative = false;
  if (text.front() == L'-' || text.front() == L'+') {
    negative = text.front() == L'-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  long long value = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + (c - L'0');
    if (value > 0xFFFFFFFFLL) return std::nullopt;  // far outside every range; stop before it can overflow
  }
  if (negative) value = -value;
  if (!range.Contains(value)) return std::nullopt;
  return static_cast<int>(value);
}

std::optional<DWORD> ParseColor(std::wstring_view text) {
  text = Trim(text);
  if (text.starts_with(L"#")) {
    text.remove_prefix(1);
  } else if (text.starts_with(L"0x") || text.starts_with(L"0X")) {
    text.remove_prefix(2);
  } else {
    return std::nullopt;
  }
  if (text.size() != 6 && text.size() != 8) return std::nullopt;
  DWORD value = 0;
  for (wchar_t c : text) {
    int digit;
    if (c >= L'0' && c <= L'9') digit = c - L'0';
    else if (c >= L'a' && c <= L'f') digit = c - L'a' + 10;
    else if (c >= L'A' && c <= L'F') digit = c - L'A' + 10;
    else return std::nullopt;
    value = (value << 4) | static_cast<DWORD>(digit);
  }
  if (text.size() == 6) value |= 0xFF000000u;  // no alpha given: opaque
  return value;
}

std::optional<RECT> ParseRect(std::wstring_view text, IntRange range) {
  auto v = ParseInts(text, 4, range);
  if (!v) return std::nullopt;
  return RECT{(*v)[0], (*v)[1], (*v)[2], (*v)[3]};
}

std::optional<SIZE> ParseSize(std::wstring_view text, IntRange range) {
  auto v = ParseInts(text, 2, range);
  if (!v) return std::nullopt;
  return SIZE{(*v)[0], (*v)[1]};
}

std::optional<bool> ParseBool(std::wstring_view text) {
  text = Trim(text);
  if (text == L"true") return true;
  if (text == L"false") return false;
  return std::nullopt;
}

}  // namespace DuiLib
