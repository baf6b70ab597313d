#include "almanac/almanac_file.h"

#include <vector>

#include <sqlite3.h>

#include "almanac/split_string.h"
#include "platform/code_page.h"
#include "platform/utf8_codec.h"

namespace {

// Busy waits are limited per batch (LimitBusyWait); until one is granted there is none.
constexpr int kNoBusyTimeout = 0;

// `text` with every byte that does not decode as UTF-8 replaced by U+FFFD.
std::string ValidUtf8(std::string_view text) {
  std::string valid;
  valid.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) platform::AppendUtf8(valid, platform::DecodeUtf8(text, pos));
  return valid;
}

// The engine asks by GBK key, the tables hold UTF-8 keys. A stored key that does not come back unchanged
// from GBK (bad bytes, a character GBK lacks) matches no GBK key: it is left out.
std::optional<std::string> GbkKeyOf(const std::string& utf8Key) {
  std::string gbk = platform::Utf8ToGbk(utf8Key);
  if (platform::GbkToUtf8(gbk) != utf8Key) return std::nullopt;
  return gbk;
}

}  // namespace

AlmanacFile::AlmanacFile(const std::string& path, CppSQLite3ReadMode mode) : db(kNoBusyTimeout), mode(mode) {
  db.Open(path.c_str(), mode);
  begin = db.Prepare("begin");
  commit = db.Prepare("commit");
  dataVersion = db.Prepare("pragma data_version");
}

void AlmanacFile::ResetStatements() noexcept {
  for (CppSQLite3Statement* statement : {&begin, &commit, &dataVersion, &memory->yiji, &memory->tips}) {
    statement->Reset();
  }
}

bool AlmanacFile::BeginRead() {
  begin.Run();
  std::string version;
  try {
    // The first statement that reads takes the read lock.
    version = dataVersion.Run().ColumnText(0);
  } catch (const CppSQLite3Exception&) {
    const int extended = db.ExtendedErrorCode();
    EndRead();
    if (extended == SQLITE_READONLY_ROLLBACK) {
      throw CppSQLite3Exception(SQLITE_READONLY, "a hot journal beside it (-journal) holds an unfinished write; "
                                                 "only a program that may write the file can roll it back");
    }
    throw;
  }
  if (version == contentVersion) return false;
  const bool changed = !contentVersion.empty();
  contentVersion = version;
  if (changed) {
    ResetStatements();
    memory = std::make_unique<Memory>();
  }
  return changed;
}

void AlmanacFile::EndRead() noexcept {
  ResetStatements();
  try {
    commit.Run();
  } catch (const CppSQLite3Exception&) {
    // No transaction was open (a failed begin): nothing to end.
  }
  commit.Reset();
}

template <typename Row>
void AlmanacFile::ReadTable(const std::string& table, std::initializer_list<const char*> columns, Row&& row) {
  // The table's name is one of the fixed names, or a year's table that sqlite_master lists: never a key.
  CppSQLite3Statement statement = db.Prepare(("select * from \"" + table + "\"").c_str(), table);
  std::vector<int> indexes;
  for (const char* column : columns) indexes.push_back(statement.ColumnIndex(column));
  for (CppSQLite3Query query = statement.Run(); !query.AtEnd(); query.Advance()) {
    std::vector<std::string> values;
    for (int index : indexes) values.emplace_back(query.ColumnText(index));
    row(values);
  }
}

bool AlmanacFile::HasTable(const std::string& name) {
  if (!memory->tables) {
    std::set<std::string> tables;
    CppSQLite3Statement statement = db.Prepare("select name from sqlite_master where type = 'table'");
    for (CppSQLite3Query query = statement.Run(); !query.AtEnd(); query.Advance()) tables.insert(query.ColumnText(0));
    memory->tables = std::move(tables);
  }
  return memory->tables->count(name) != 0;
}

const YiJiRow& AlmanacFile::YiJi(const std::string& dateKey) {
  Memory& m = *memory;
  if (!m.yiji) {
    m.yiji = db.Prepare("select * from yijitable where id = ?1", "yijitable");
    m.yiIndex = m.yiji.ColumnIndex("yi");
    m.jiIndex = m.yiji.ColumnIndex("ji");
    m.yijiKey.reset();
  }
  if (m.yijiKey == dateKey) return m.yijiRow;
  YiJiRow row;
  {
    CppSQLite3Query query = m.yiji.Run({dateKey});
    if (!query.AtEnd()) row = {true, query.ColumnText(m.yiIndex), query.ColumnText(m.jiIndex)};
  }
  m.yijiKey = dateKey;
  m.yijiRow = std::move(row);
  return m.yijiRow;
}

const std::string* AlmanacFile::Word(const std::string& id) {
  if (!memory->words) {
    std::unordered_map<std::string, std::string> words;
    ReadTable("keytable", {"id", "key"}, [&](const std::vector<std::string>& v) { words.emplace(v[0], v[1]); });
    memory->words = std::move(words);
  }
  auto it = memory->words->find(id);
  return it != memory->words->end() ? &it->second : nullptr;
}

bool AlmanacFile::FestivalTip(const std::string& monthDayKey, std::string& festival, std::string& datetime) {
  Memory& m = *memory;
  if (!m.tips) {
    m.tips = db.Prepare("select * from festivaltable where datetime = ?1", "festivaltable");
    m.tipFestivalIndex = m.tips.ColumnIndex("festival");
    m.tipDatetimeIndex = m.tips.ColumnIndex("datetime");
  }
  CppSQLite3Query query = m.tips.Run({monthDayKey});
  if (query.AtEnd()) return false;
  festival = query.ColumnText(m.tipFestivalIndex);
  datetime = query.ColumnText(m.tipDatetimeIndex);
  return true;
}

const std::string* AlmanacFile::FestivalName(FestivalNameTable table, std::string_view gbkKey) {
  auto& names = memory->names[table == FestivalNameTable::Gregorian ? 0 : 1];
  if (!names) {
    std::unordered_map<std::string, std::string> read;
    ReadTable(table == FestivalNameTable::Gregorian ? "gregtable" : "tradtable", {"monthday", "festival"},
              [&](const std::vector<std::string>& v) {
                if (auto key = GbkKeyOf(v[0])) read.emplace(std::move(*key), ValidUtf8(v[1]));
              });
    names = std::move(read);
  }
  auto it = names->find(std::string(gbkKey));
  return it != names->end() ? &it->second : nullptr;
}

const HolidayYear& AlmanacFile::Holidays(int year) {
  auto [it, fresh] = memory->years.try_emplace(year);
  HolidayYear& holidays = it->second;
  if (!fresh) return holidays;
  try {
    const std::string festable = "festable" + std::to_string(year);
    const std::string bantable = "bantable" + std::to_string(year);
    if (HasTable(festable)) {
      holidays.hasFestable = true;
      ReadTable(festable, {"datetime", "festival", "picpath", "holidays"}, [&](const std::vector<std::string>& v) {
        holidays.rows.try_emplace(v[0], HolidayRow{v[1], v[2], v[3]});
        // Rest days are two-digit days of the month that the row's key names.
        const std::string month = v[0].substr(0, 6);
        for (const std::string& piece : SplitString(v[3], ",")) holidays.restDays.insert(month + piece);
      });
    }
    if (HasTable(bantable)) {
      holidays.hasBantable = true;
      ReadTable(bantable, {"ban"}, [&](const std::vector<std::string>& v) { holidays.workedDays.insert(v[0]); });
    }
  } catch (...) {
    memory->years.erase(it);  // asked again next time rather than remembered half read
    throw;
  }
  return holidays;
}
