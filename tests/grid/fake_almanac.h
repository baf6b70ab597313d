#pragma once
// An almanac for tests: answers from small tables, and a log of every question in the order asked.
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "grid/almanac_lookups.h"
#include "platform/code_page.h"

struct HolidayRow {
  std::string festival;  // UTF-8 here; handed out as GBK like the store's
  std::string picpath;
  std::string holidays;
};

class FakeAlmanac {
 public:
  using Day = std::tuple<int, int, int>;

  std::map<Day, HolidayRow> holidayRows;
  std::set<Day> workedDays;
  std::set<Day> restDays;
  std::map<Day, std::string> festivalTips;  // UTF-8
  std::map<Day, std::pair<std::string, std::string>> yiJi;  // UTF-8

  struct Call {
    std::string what;  // "festivalDay", "worked", "rest", "festival", "yi", "ji"
    Day day;
    friend bool operator==(const Call&, const Call&) = default;
  };
  mutable std::vector<Call> calls;

  std::vector<Day> DaysAsked(const std::string& what) const {
    std::vector<Day> days;
    for (const auto& c : calls)
      if (c.what == what) days.push_back(c.day);
    return days;
  }

  grid::AlmanacLookups Lookups() const {
    grid::AlmanacLookups l;
    l.queryFestivalDay = [this](const DateTimeRecord& d, std::string& festival, std::string& picpath,
                                std::string& holidays) {
      calls.push_back({"festivalDay", Key(d)});
      if (auto it = holidayRows.find(Key(d)); it != holidayRows.end()) {
        festival = platform::Utf8ToGbk(it->second.festival);
        picpath = it->second.picpath;
        holidays = it->second.holidays;
      }
      return true;
    };
    l.queryWorkedDay = [this](const DateTimeRecord& d) {
      calls.push_back({"worked", Key(d)});
      return workedDays.contains(Key(d));
    };
    l.queryRestDay = [this](const DateTimeRecord& d) {
      calls.push_back({"rest", Key(d)});
      return restDays.contains(Key(d));
    };
    l.queryFestival = [this](const DateTimeRecord& d, std::string& out) {
      calls.push_back({"festival", Key(d)});
      if (auto it = festivalTips.find(Key(d)); it != festivalTips.end()) out = platform::Utf8ToGbk(it->second);
      return true;
    };
    l.queryYiJi = [this](std::string& out, bool yi, DateTimeRecord d) {
      calls.push_back({yi ? "yi" : "ji", Key(d)});
      if (auto it = yiJi.find(Key(d)); it != yiJi.end())
        out += platform::Utf8ToGbk(yi ? it->second.first : it->second.second);
      return true;
    };
    return l;
  }

  static Day Key(const DateTimeRecord& d) { return {d.year, d.month, d.day}; }
};
