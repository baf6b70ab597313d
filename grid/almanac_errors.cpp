#include "grid/almanac_errors.h"

#include <cstring>
#include <iostream>
#include <set>
#include <utility>

#include "almanac/almanac_batch.h"
#include "almanac/almanac_store.h"
#include "grid/almanac_memo.h"
#include "grid/store_lookups.h"
#include "lunar/festival_lookup.h"

namespace grid {
namespace {

std::string Describe(const CppSQLite3Exception& error) {
  return "almanac database " + GetAlmanacDbPath() + ": " + error.ErrorMessage();
}

// Each distinct failure once: the cells ask on every paint, the clock every second. A busy file is asked
// again at every refresh, and said once.
void ReportOnce(const CppSQLite3Exception& error) {
  static std::set<std::string> reported;
  auto const text = Describe(error);
  if (!reported.insert(text).second) return;
  std::cerr << "wannianli: " << text
            << (error.IsBusy() ? " (another program holds it locked: shown without the almanac until it is free)\n"
                     : " (shown without the almanac)\n");
}

template <bool (*Lookup)(const char*, char*)>
bool SoftLookup(const char* key, char* out) {
  try {
    // Painting happens between refreshes: the file is taken as the last refresh found it, without a look.
    AlmanacBatch const batch(kRefreshBusyWaitMs, AlmanacCheck::AsLastChecked);
    return Lookup(key, out);
  } catch (const CppSQLite3Exception& error) {
    ReportOnce(error);
    out[0] = '\0';
    return false;
  }
}

// The cells ask for these on every paint (see grid/almanac_memo.h). `out` holds 18 bytes.
template <bool (*Lookup)(const char*, char*)>
bool RememberedSoftLookup(const char* key, char* out) {
  static AlmanacMemo<std::string, std::pair<bool, std::string>> memo;
  auto const answer = memo.Get(key, [key] {
    char name[18] = {};
    bool const found = SoftLookup<Lookup>(key, name);
    return std::pair<bool, std::string>(found, name);
  });
  // Untouched, as the look-up leaves it, when nothing was written.
  if (!answer.second.empty()) std::memcpy(out, answer.second.c_str(), answer.second.size() + 1);
  return answer.first;
}

}  // namespace

AlmanacError::AlmanacError(const CppSQLite3Exception& error) : std::runtime_error(Describe(error)) {}

void ConnectWidgetFestivalLookups() {
  SetFestivalLookups(
      {&RememberedSoftLookup<&QueryGregorianFestival>, &RememberedSoftLookup<&QueryLunarFestival>});
}

AlmanacLookups SoftAlmanacLookups(AlmanacLookups inner) {
  AlmanacLookups soft;
  soft.queryYiJi = [f = inner.queryYiJi](std::string& out, bool yi, DateTimeRecord date) {
    auto const kept = out.size();
    try {
      return f(out, yi, date);
    } catch (const CppSQLite3Exception& error) {
      ReportOnce(error);
      out.resize(kept);  // nothing of a half-written answer
      return false;
    }
  };
  soft.queryYiJiWords = [f = inner.queryYiJiWords](std::vector<std::string>& out, bool yi, DateTimeRecord date) {
    auto const kept = out.size();
    try {
      return f(out, yi, date);
    } catch (const CppSQLite3Exception& error) {
      ReportOnce(error);
      out.resize(kept);
      return error.IsBusy() ? AlmanacAnswer::Busy : AlmanacAnswer::Unreadable;
    }
  };
  soft.queryFestival = [f = inner.queryFestival](const DateTimeRecord& date, std::string& out) {
    try {
      return f(date, out);
    } catch (const CppSQLite3Exception& error) {
      ReportOnce(error);
      out.clear();
      return false;
    }
  };
  soft.queryFestivalDay = [f = inner.queryFestivalDay](const DateTimeRecord& date, std::string& festival,
                                                       std::string& picpath, std::string& holidays) {
    try {
      return f(date, festival, picpath, holidays);
    } catch (const CppSQLite3Exception& error) {
      ReportOnce(error);
      festival.clear();
      picpath.clear();
      holidays.clear();
      return false;
    }
  };
  auto predicate = [](std::function<bool(const DateTimeRecord&)> f) {
    return [f = std::move(f)](const DateTimeRecord& date) {
      try {
        return f(date);
      } catch (const CppSQLite3Exception& error) {
        ReportOnce(error);
        return false;
      }
    };
  };
  soft.queryWorkedDay = predicate(inner.queryWorkedDay);
  soft.queryRestDay = predicate(inner.queryRestDay);
  soft.queryNote = inner.queryNote;  // never throws: the index says what it cannot read
  return soft;
}

AlmanacLookups WidgetAlmanacLookups() { return RememberedAlmanacLookups(SoftAlmanacLookups(StoreLookups())); }

}  // namespace grid
