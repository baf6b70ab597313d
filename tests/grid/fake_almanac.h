#pragma once
// An almanac for tests: answers from small tables (texts given in UTF-8, handed out as GBK like the
// store's) and a log of the questions in the order asked.
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "grid/almanac_lookups.h"
#include "platform/code_page.h"

class FakeAlmanac {
 public:
  using Day = std::tuple<int, int, int>;
  struct Row {
    std::string festival, picpath, holidays;
  };

  std::map<Day, Row> holidayRows;
  std::set<Day> workedDays, restDays;
  std::map<Day, std::string> festivalTips, yi, ji;  // yi, ji: the words QueryYiJi gives (two at most)
  std::map<Day, std::vector<std::string>> allYi, allJi;  // every word of the day
  mutable std::vector<std::pair<std::string, Day>> calls;  // ("rest", day), ...

  std::vector<Day> Asked(const std::string& what) const {
    std::vector<Day> days;
    for (const auto& [w, d] : calls)
      if (w == what) days.push_back(d);
    return days;
  }

  grid::AlmanacLookups Lookups() const {
    grid::AlmanacLookups l;
    l.queryFestivalDay = [this](const DateTimeRecord& d, std::string& f, std::string& p, std::string& h) {
      if (auto it = holidayRows.find(Log("festivalDay", d)); it != holidayRows.end())
        f = platform::Utf8ToGbk(it->second.festival), p = it->second.picpath, h = it->second.holidays;
      return true;
    };
    l.queryWorkedDay = [this](const DateTimeRecord& d) { return workedDays.contains(Log("worked", d)); };
    l.queryRestDay = [this](const DateTimeRecord& d) { return restDays.contains(Log("rest", d)); };
    l.queryFestival = [this](const DateTimeRecord& d, std::string& out) {
      if (auto it = festivalTips.find(Log("festival", d)); it != festivalTips.end())
        out = platform::Utf8ToGbk(it->second);
      return true;
    };
    l.queryYiJi = [this](std::string& out, bool isYi, DateTimeRecord d) {
      const auto& table = isYi ? yi : ji;
      if (auto it = table.find(Log(isYi ? "yi" : "ji", d)); it != table.end()) out += platform::Utf8ToGbk(it->second);
      return true;
    };
    l.queryYiJiWords = [this](std::vector<std::string>& out, bool isYi, DateTimeRecord d) {
      const auto& table = isYi ? allYi : allJi;
      if (auto it = table.find(Log(isYi ? "yi words" : "ji words", d)); it != table.end())
        for (const auto& word : it->second) out.push_back(platform::Utf8ToGbk(word));
      return grid::AlmanacAnswer::Answered;
    };
    return l;
  }

 private:
  Day Log(const char* what, const DateTimeRecord& d) const {
    calls.push_back({what, {d.year, d.month, d.day}});
    return {d.year, d.month, d.day};
  }
};
