#include <cstring>
#include <string>

#include "almanac/almanac_batch.h"
#include "almanac/almanac_connection.h"
#include "almanac/almanac_file.h"
#include "almanac/almanac_keys.h"
#include "almanac/almanac_store.h"
#include "lunar/festival_lookup.h"
#include "platform/code_page.h"

namespace {

// The engine's festival buffers hold 18 bytes: a name of at most 17 and its terminating zero.
constexpr std::size_t kFestivalNameBytes = 17;

bool QueryFestivalName(FestivalNameTable table, const char* key, char* out) {
  AlmanacBatch batch;
  AlmanacFile* file = UseAlmanac();
  if (file == nullptr) return false;
  const std::string* name = file->FestivalName(table, key != nullptr ? key : "");
  if (name != nullptr && out != nullptr) {
    std::size_t n = platform::Utf8PrefixAtBoundary(*name, kFestivalNameBytes);
    std::memcpy(out, name->data(), n);
    out[n] = '\0';
  }
  return true;
}

}  // namespace

bool QueryFestival(const DateTimeRecord& date, std::string& out) {
  AlmanacBatch batch;
  AlmanacFile* file = UseAlmanac();
  if (file == nullptr) return false;
  // The text alone: the month-day key the row is stored under says nothing to the reader.
  std::string festival, datetime;
  if (file->FestivalTip(MonthDayKey(date), festival, datetime) && !festival.empty()) out = festival;
  return true;
}

bool QueryGregorianFestival(const char* key, char* out) {
  return QueryFestivalName(FestivalNameTable::Gregorian, key, out);
}

bool QueryLunarFestival(const char* key, char* out) { return QueryFestivalName(FestivalNameTable::Lunar, key, out); }

void ConnectFestivalLookups() { SetFestivalLookups({&QueryGregorianFestival, &QueryLunarFestival}); }
