#include "tools/yiji_builder/civil_date.h"

#include <cctype>
#include <cstdio>

namespace {

bool Digits(const std::string& text, std::size_t from, std::size_t count, int& value) {
  value = 0;
  for (std::size_t i = from; i < from + count; ++i) {
    if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

}  // namespace

bool ParseDate(const std::string& text, CivilDate& date) {
  bool dashed = text.size() == 10 && text[4] == '-' && text[7] == '-';
  if (!dashed && text.size() != 8) return false;
  std::size_t const m = dashed ? 5 : 4, d = dashed ? 8 : 6;
  CivilDate parsed;
  if (!Digits(text, 0, 4, parsed.year) || !Digits(text, m, 2, parsed.month) || !Digits(text, d, 2, parsed.day)) {
    return false;
  }
  if (!IsValidDate(parsed)) return false;
  date = parsed;
  return true;
}

std::string DateKeyOf(CivilDate date) {
  char key[32];
  std::snprintf(key, sizeof key, "%d%02d%02d", date.year, date.month, date.day);
  return key;
}
