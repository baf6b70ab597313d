#include "grid/almanac_memo.h"

#include <memory>
#include <tuple>

namespace grid {
namespace {

using DateKey = std::tuple<int, int, int>;
DateKey KeyOf(const DateTimeRecord& date) { return {date.year, date.month, date.day}; }

struct TextAnswer {
  bool found = false;
  std::string text;
};

struct HolidayAnswer {
  bool found = false;
  std::string festival;
  std::string picpath;
  std::string holidays;
};

}  // namespace

AlmanacLookups RememberedAlmanacLookups(AlmanacLookups inner) {
  AlmanacLookups remembered;
  auto yiji = std::make_shared<AlmanacMemo<std::tuple<bool, int, int, int>, TextAnswer>>();
  remembered.queryYiJi = [yiji, f = inner.queryYiJi](std::string& out, bool yi, DateTimeRecord date) {
    auto const answer = yiji->Get({yi, date.year, date.month, date.day}, [&] {
      TextAnswer a;
      a.found = f(a.text, yi, date);
      return a;
    });
    out += answer.text;
    return answer.found;
  };
  auto words = std::make_shared<AlmanacMemo<std::tuple<bool, int, int, int>, std::pair<AlmanacAnswer, std::vector<std::string>>>>();
  remembered.queryYiJiWords = [words, f = inner.queryYiJiWords](std::vector<std::string>& out, bool yi,
                                                                 DateTimeRecord date) {
    auto const answer = words->Get({yi, date.year, date.month, date.day}, [&] {
      std::pair<AlmanacAnswer, std::vector<std::string>> a;
      a.first = f(a.second, yi, date);
      return a;
    });
    out.insert(out.end(), answer.second.begin(), answer.second.end());
    return answer.first;
  };
  auto tips = std::make_shared<AlmanacMemo<DateKey, TextAnswer>>();
  remembered.queryFestival = [tips, f = inner.queryFestival](const DateTimeRecord& date, std::string& out) {
    auto const answer = tips->Get(KeyOf(date), [&] {
      TextAnswer a;
      a.found = f(date, a.text);
      return a;
    });
    if (!answer.text.empty()) out = answer.text;  // untouched without a row, as the store leaves it
    return answer.found;
  };
  auto rows = std::make_shared<AlmanacMemo<DateKey, HolidayAnswer>>();
  remembered.queryFestivalDay = [rows, f = inner.queryFestivalDay](const DateTimeRecord& date, std::string& festival,
                                                                   std::string& picpath, std::string& holidays) {
    auto const answer = rows->Get(KeyOf(date), [&] {
      HolidayAnswer a;
      a.found = f(date, a.festival, a.picpath, a.holidays);
      return a;
    });
    if (answer.found) {
      festival = answer.festival;
      picpath = answer.picpath;
      holidays = answer.holidays;
    }
    return answer.found;
  };
  auto predicate = [](std::function<bool(const DateTimeRecord&)> f) {
    auto memo = std::make_shared<AlmanacMemo<DateKey, bool>>();
    return [memo, f = std::move(f)](const DateTimeRecord& date) { return memo->Get(KeyOf(date), [&] { return f(date); }); };
  };
  remembered.queryWorkedDay = predicate(inner.queryWorkedDay);
  remembered.queryRestDay = predicate(inner.queryRestDay);
  remembered.queryNote = inner.queryNote;  // the note index remembers by itself
  return remembered;
}

}  // namespace grid
