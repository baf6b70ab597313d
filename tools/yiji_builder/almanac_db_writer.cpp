#include "tools/yiji_builder/almanac_db_writer.h"

#include <sqlite3.h>

#include <cstdio>
#include <memory>

#include "tools/yiji_builder/build_error.h"

namespace {

struct DbCloser {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StatementFinalizer {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

class Writer {
 public:
  explicit Writer(const std::string& path) {
    sqlite3* raw = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    db.reset(raw);
    if (rc != SQLITE_OK) throw BuildError(path + ": cannot create the database: " + Error());
  }

  void Execute(const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db.get(), sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
      std::string text = error != nullptr ? error : "";
      sqlite3_free(error);
      throw BuildError("\"" + sql + "\" failed: " + text);
    }
  }

  // Inserts one row of texts (stored as given: GBK or UTF-8 bytes).
  void Insert(const std::string& table, const std::vector<std::string>& values) {
    std::string sql = "insert into " + table + " values (";
    for (std::size_t i = 0; i < values.size(); ++i) sql += i == 0 ? "?" : ",?";
    sql += ")";
    auto& statement = statements[sql];
    if (!statement) {
      sqlite3_stmt* raw = nullptr;
      if (sqlite3_prepare_v2(db.get(), sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) {
        throw BuildError("\"" + sql + "\" failed: " + Error());
      }
      statement.reset(raw);
    }
    sqlite3_reset(statement.get());
    for (std::size_t i = 0; i < values.size(); ++i) {
      sqlite3_bind_text(statement.get(), static_cast<int>(i + 1), values[i].data(),
                        static_cast<int>(values[i].size()), SQLITE_TRANSIENT);
    }
    if (sqlite3_step(statement.get()) != SQLITE_DONE) {
      // A primary key violated here is a duplicate key in the sources.
      throw BuildError(table + ": cannot insert \"" + (values.empty() ? "" : values[0]) + "\": " + Error());
    }
  }

  void Finish() {
    statements.clear();
    if (sqlite3_close(db.release()) != SQLITE_OK) throw BuildError("cannot close the database");
  }

 private:
  std::unique_ptr<sqlite3, DbCloser> db;
  std::map<std::string, std::unique_ptr<sqlite3_stmt, StatementFinalizer>> statements;

  std::string Error() const {
    const char* text = db ? sqlite3_errmsg(db.get()) : nullptr;
    return text != nullptr ? text : "out of memory";
  }
};

std::string JoinIds(const std::vector<int>& ids) {
  std::string text;
  for (int id : ids) text += (text.empty() ? "" : ",") + std::to_string(id);
  return text;
}

void WriteTables(Writer& writer, const AlmanacSources& sources) {
  writer.Execute("begin");
  writer.Execute("create table keytable (id text primary key, key text not null)");
  for (std::size_t i = 0; i < sources.words.size(); ++i) {
    writer.Insert("keytable", {std::to_string(i + 1), ToGbkChecked(sources.words[i], "keytable")});
  }
  writer.Execute("create table yijitable (id text primary key, yi text not null, ji text not null)");
  for (const YiJiDay& day : sources.days) {
    writer.Insert("yijitable", {DateKeyOf(day.date), JoinIds(day.yi), JoinIds(day.ji)});
  }
  writer.Execute("create table festivaltable (datetime text primary key, festival text not null)");
  writer.Execute("create table gregtable (monthday text primary key, festival text not null)");
  for (const GregorianFestival& festival : sources.gregorianFestivals) {
    const std::string key = MonthDayKeyOf(festival.month, festival.day);
    writer.Insert("festivaltable", {key, ToGbkChecked(festival.tooltip, "festivaltable " + key)});
    writer.Insert("gregtable", {key, festival.name});
  }
  writer.Execute("create table tradtable (monthday text primary key, festival text not null)");
  for (const LunarFestival& festival : sources.lunarFestivals) {
    writer.Insert("tradtable", {festival.monthText + festival.dayText, festival.name});
  }
  for (const auto& [year, tables] : sources.holidayTables) {
    const std::string festable = "festable" + std::to_string(year);
    const std::string bantable = "bantable" + std::to_string(year);
    writer.Execute("create table " + festable +
                   " (datetime text primary key, festival text not null, picpath text not null, holidays text not null)");
    for (const FestRow& row : tables.festRows) {
      writer.Insert(festable, {DateKeyOf(row.date), ToGbkChecked(row.festival, festable), row.picpath, row.holidays});
    }
    writer.Execute("create table " + bantable + " (ban text primary key)");
    for (CivilDate day : tables.workedDays) writer.Insert(bantable, {DateKeyOf(day)});
  }
  writer.Execute("commit");
}

}  // namespace

void WriteAlmanacDb(const std::string& path, const AlmanacSources& sources) {
  const std::string fresh = path + ".new";
  std::remove(fresh.c_str());
  try {
    Writer writer(fresh);
    WriteTables(writer, sources);
    writer.Finish();
  } catch (...) {
    std::remove(fresh.c_str());
    throw;
  }
  if (std::rename(fresh.c_str(), path.c_str()) != 0) {
    std::remove(fresh.c_str());
    throw BuildError(path + ": cannot replace the file");
  }
}
