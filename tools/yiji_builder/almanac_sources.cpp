#include "tools/yiji_builder/almanac_sources.h"

#include <charconv>
#include <set>

#include "platform/code_page.h"
#include "tools/yiji_builder/build_error.h"
#include "tools/yiji_builder/source_lines.h"

namespace {

std::vector<std::string> Fields(const std::string& path, const SourceLine& line, char separator,
                                std::size_t count) {
  std::vector<std::string> fields = SplitFields(line.text, separator);
  if (fields.size() != count) {
    throw SourceError(path, line.number,
                      "expected " + std::to_string(count) + " fields, found " + std::to_string(fields.size()));
  }
  return fields;
}

std::vector<int> ParseIds(const std::string& path, int line, const std::string& text, std::size_t wordCount) {
  std::vector<int> ids;
  if (text.empty()) return ids;
  for (const std::string& piece : SplitFields(text, ',')) {
    int id = 0;
    auto [end, error] = std::from_chars(piece.data(), piece.data() + piece.size(), id);
    if (error != std::errc() || end != piece.data() + piece.size() || id < 1 ||
        static_cast<std::size_t>(id) > wordCount) {
      throw SourceError(path, line, "bad word id \"" + piece + "\"");
    }
    ids.push_back(id);
  }
  return ids;
}

void CheckNameLength(const std::string& path, int line, const std::string& name) {
  if (name.empty()) throw SourceError(path, line, "empty festival name");
  if (name.size() > kMaxFestivalNameBytes) {
    throw SourceError(path, line, "festival name \"" + name + "\" has " + std::to_string(name.size()) +
                                      " UTF-8 bytes, more than " + std::to_string(kMaxFestivalNameBytes));
  }
}

}  // namespace

std::string ToGbkChecked(const std::string& utf8, const std::string& where) {
  std::string gbk = platform::Utf8ToGbk(utf8);
  if (platform::GbkToUtf8(gbk) != utf8) throw BuildError(where + ": \"" + utf8 + "\" has no GBK form");
  return gbk;
}

std::vector<std::string> ReadYiJiWords(const std::string& path) {
  std::vector<std::string> words;
  std::set<std::string> seen;
  for (const SourceLine& line : ReadSourceLines(path)) {
    if (!seen.insert(line.text).second) throw SourceError(path, line.number, "duplicate key \"" + line.text + "\"");
    ToGbkChecked(line.text, path + ":" + std::to_string(line.number));
    words.push_back(line.text);
  }
  return words;
}

std::vector<YiJiDay> ReadYiJiDays(const std::string& path, std::size_t wordCount) {
  std::vector<YiJiDay> days;
  int expected = DaysFromCivil(kFirstAlmanacDate);
  for (const SourceLine& line : ReadSourceLines(path)) {
    std::vector<std::string> fields = Fields(path, line, '\t', 3);
    YiJiDay day;
    if (!ParseDate(fields[0], day.date)) throw SourceError(path, line.number, "bad date \"" + fields[0] + "\"");
    int serial = DaysFromCivil(day.date);
    if (serial < expected) throw SourceError(path, line.number, "duplicate key " + fields[0] + " (or dates out of order)");
    if (serial > expected) throw SourceError(path, line.number, "dates missing before " + fields[0]);
    ++expected;
    day.yi = ParseIds(path, line.number, fields[1], wordCount);
    day.ji = ParseIds(path, line.number, fields[2], wordCount);
    days.push_back(std::move(day));
  }
  if (expected != DaysFromCivil(kLastAlmanacDate) + 1) throw BuildError(path + ": dates missing at the end");
  return days;
}

std::string MonthDayKeyOf(int month, int day) { return std::to_string(month) + std::to_string(day); }

bool SharedMonthDayKey(int month, int day, CivilDate& other) {
  const std::string key = MonthDayKeyOf(month, day);
  for (int m = 1; m <= 12; ++m) {
    for (int d = 1; d <= 31; ++d) {
      if ((m != month || d != day) && IsValidDate({2000, m, d}) && MonthDayKeyOf(m, d) == key) {
        other = {0, m, d};
        return true;
      }
    }
  }
  return false;
}

std::vector<GregorianFestival> ReadGregorianFestivals(const std::string& path) {
  std::vector<GregorianFestival> festivals;
  std::set<std::string> keys;
  for (const SourceLine& line : ReadSourceLines(path)) {
    std::vector<std::string> fields = Fields(path, line, '\t', 4);
    GregorianFestival festival;
    auto parse = [&](const std::string& text, int& value) {
      auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
      return error == std::errc() && end == text.data() + text.size();
    };
    if (!parse(fields[0], festival.month) || !parse(fields[1], festival.day) ||
        !IsValidDate({2000, festival.month, festival.day})) {
      throw SourceError(path, line.number, "bad month and day \"" + fields[0] + " " + fields[1] + "\"");
    }
    festival.name = fields[2];
    festival.tooltip = fields[3];
    CheckNameLength(path, line.number, festival.name);
    const std::string where = path + ":" + std::to_string(line.number);
    ToGbkChecked(festival.tooltip, where);
    CivilDate other;
    if (SharedMonthDayKey(festival.month, festival.day, other)) {
      throw SourceError(path, line.number,
                        "ambiguous Gregorian key: " + festival.name + " on " + std::to_string(festival.month) +
                            "-" + std::to_string(festival.day) + " has the key " +
                            MonthDayKeyOf(festival.month, festival.day) + ", which " + std::to_string(other.month) +
                            "-" + std::to_string(other.day) + " shares");
    }
    if (!keys.insert(MonthDayKeyOf(festival.month, festival.day)).second) {
      throw SourceError(path, line.number, "duplicate key " + MonthDayKeyOf(festival.month, festival.day));
    }
    festivals.push_back(std::move(festival));
  }
  return festivals;
}

std::vector<LunarFestival> ReadLunarFestivals(const std::string& path) {
  std::vector<LunarFestival> festivals;
  std::set<std::string> keys;
  for (const SourceLine& line : ReadSourceLines(path)) {
    std::vector<std::string> fields = Fields(path, line, '\t', 3);
    LunarFestival festival{fields[0], fields[1], fields[2]};
    CheckNameLength(path, line.number, festival.name);
    const std::string key = festival.monthText + festival.dayText;
    // The engine builds the key from GBK texts in a 16-byte buffer.
    if (ToGbkChecked(key, path + ":" + std::to_string(line.number)).size() > 15) {
      throw SourceError(path, line.number, "lunar key \"" + key + "\" is longer than 15 GBK bytes");
    }
    if (!keys.insert(key).second) throw SourceError(path, line.number, "duplicate key \"" + key + "\"");
    festivals.push_back(std::move(festival));
  }
  return festivals;
}

std::vector<HolidayDate> ReadHolidayDates(const std::string& path) {
  std::vector<SourceLine> lines = ReadSourceLines(path);
  if (lines.empty() || lines.front().text.rfind("date,kind,name", 0) != 0) {
    throw BuildError(path + ": the first line must be the header \"date,kind,name,sources\"");
  }
  std::vector<HolidayDate> dates;
  std::set<CivilDate> seen;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const SourceLine& line = lines[i];
    std::vector<std::string> fields = Fields(path, line, ',', 4);
    HolidayDate date;
    date.line = line.number;
    if (!ParseDate(fields[0], date.date)) throw SourceError(path, line.number, "bad date \"" + fields[0] + "\"");
    if (fields[1] != "rest" && fields[1] != "work") {
      throw SourceError(path, line.number, "kind must be rest or work, not \"" + fields[1] + "\"");
    }
    date.rest = fields[1] == "rest";
    date.name = fields[2];
    if (date.name.empty()) throw SourceError(path, line.number, "empty holiday name");
    if (!seen.insert(date.date).second) throw SourceError(path, line.number, "date " + fields[0] + " listed twice");
    int weekday = Weekday(date.date);
    if (!date.rest && weekday != 0 && weekday != 6) {
      throw SourceError(path, line.number, "worked day " + fields[0] + " is not a Saturday or Sunday");
    }
    dates.push_back(std::move(date));
  }
  return dates;
}

std::map<CivilDate, std::vector<std::string>> ReadLunarMainDays(const std::string& path) {
  std::map<CivilDate, std::vector<std::string>> days;
  for (const SourceLine& line : ReadSourceLines(path)) {
    std::vector<std::string> fields = Fields(path, line, '\t', 2);
    CivilDate date;
    if (!ParseDate(fields[0], date)) throw SourceError(path, line.number, "bad date \"" + fields[0] + "\"");
    days[date].push_back(fields[1]);
  }
  return days;
}
