#include "almanac/almanac_connection.h"

#include <cstring>
#include <exception>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include <sqlite3.h>

#include "almanac/almanac_batch.h"
#include "almanac/almanac_file.h"
#include "almanac/almanac_store.h"
#include "almanac/imported_holidays.h"
#include "platform/file_identity.h"

namespace {

// How the file can be read without touching anything beside it, or why it cannot.
struct Opening {
  CppSQLite3ReadMode mode = CppSQLite3ReadMode::Locked;
  int refusalCode = SQLITE_OK;
  const char* refusal = nullptr;
  friend bool operator==(const Opening&, const Opening&) = default;
};

// Bytes 18 and 19 of the header say 2 for a file in WAL mode.
bool InWalMode(const std::string& path) {
  unsigned char header[20] = {};
  std::ifstream in(path, std::ios::binary);
  in.read(reinterpret_cast<char*>(header), sizeof header);
  return in.gcount() == sizeof header && std::memcmp(header, "SQLite format 3", 16) == 0 &&
         (header[18] == 2 || header[19] == 2);
}

// SQLite's own way would create a log and an index beside a WAL file to read it; these modes never do.
Opening OpeningFor(const std::string& path, const platform::FileIdentity& identity, bool wal) {
  if (identity.size == 0) {
    return {CppSQLite3ReadMode::Locked, SQLITE_NOTADB, "file is empty (0 bytes), not an almanac database"};
  }
  if (!wal) return {CppSQLite3ReadMode::Locked};
  const auto log = platform::GetFileIdentity(path + "-wal");
  const bool index = platform::GetFileIdentity(path + "-shm").has_value();
  // A writer has the file open (or left log and index behind): read along through the index, read-only.
  if (log && index) return {CppSQLite3ReadMode::ReadOnlyIndex};
  // Without a log, or with an empty one, everything is in the file itself.
  if (!log || log->size == 0) return {CppSQLite3ReadMode::Immutable};
  return {CppSQLite3ReadMode::Locked, SQLITE_CANTOPEN,
          "its write-ahead log (-wal) has no shared-memory index (-shm) beside it; only a program that may "
          "write the file can rebuild one"};
}

struct KeptAlmanac {
  // What the last look found.
  std::string path;
  std::optional<platform::FileIdentity> identity;
  bool wal = false;
  std::optional<Opening> opening;
  std::unique_ptr<AlmanacFile> file;
  std::optional<CppSQLite3Exception> failure;
  bool looked = false;
  bool failedSinceLook = false;  // a look-up threw after the last look
  std::uint64_t generation = 0;

  // The batch under way.
  int depth = 0;
  std::uint64_t batch = 0;  // counts outermost batches
  bool batchLooked = false;
  bool reading = false;
  int busyWaitMs = kRefreshBusyWaitMs;
  AlmanacCheck check = AlmanacCheck::File;

  void EndReading() noexcept {
    if (reading && file) file->EndRead();
    reading = false;
  }
  void Forget() noexcept {
    EndReading();
    file.reset();
    failure.reset();
    opening.reset();
  }
};

KeptAlmanac& Kept() {
  static KeptAlmanac kept;
  return kept;
}

// Opens (or keeps) the file and starts the batch's read; records a failure instead of throwing it.
void OpenAndRead(KeptAlmanac& k, const Opening& opening) {
  try {
    if (opening.refusal != nullptr) throw CppSQLite3Exception(opening.refusalCode, opening.refusal);
    if (!k.file) k.file = std::make_unique<AlmanacFile>(k.path, opening.mode);
    k.file->LimitBusyWait(k.busyWaitMs);
    if (k.check == AlmanacCheck::File) {
      if (k.file->BeginRead()) ++k.generation;
      k.reading = true;
    }
    k.failure.reset();
  } catch (const CppSQLite3Exception& error) {
    k.failure.emplace(error);
    if (!error.IsBusy()) k.file.reset();  // a busy file is tried again on the same connection
  }
}

void Look(KeptAlmanac& k) {
  k.batchLooked = true;
  if (k.check == AlmanacCheck::AsLastChecked && k.looked) {
    if (k.file) k.file->LimitBusyWait(k.busyWaitMs);
    return;
  }
  const bool failedBefore = k.failure.has_value() || k.failedSinceLook;
  // The user's imported schedules answer beside the file: their change is a change of the answers too.
  bool changed = LookAtImportedHolidays() || !k.looked;
  k.looked = true;
  k.failedSinceLook = false;

  const std::string path = GetAlmanacDbPath();
  const auto identity = platform::GetFileIdentity(path);
  if (!identity) {
    changed = changed || k.identity.has_value();
    k.Forget();
    k.identity.reset();
  } else {
    if (path != k.path || identity != k.identity) {
      changed = true;
      k.Forget();
      k.path = path;
      k.identity = identity;
      k.wal = InWalMode(path);
    }
    const Opening opening = OpeningFor(path, *identity, k.wal);
    if (opening != k.opening) {
      changed = changed || k.opening.has_value();
      k.Forget();
      k.opening = opening;
    }
    // The same broken file fails the same way: only a busy one is worth another try.
    if (!k.failure || k.failure->IsBusy()) OpenAndRead(k, opening);
  }
  if (changed || failedBefore || k.failure) ++k.generation;
}

}  // namespace

AlmanacBatch::AlmanacBatch(int busyWaitMs, AlmanacCheck check) noexcept
    : outermost(Kept().depth == 0), exceptionsAtStart(std::uncaught_exceptions()) {
  KeptAlmanac& k = Kept();
  ++k.depth;
  if (!outermost) return;
  ++k.batch;
  k.batchLooked = false;
  k.busyWaitMs = busyWaitMs;
  k.check = check;
}

AlmanacBatch::~AlmanacBatch() {
  KeptAlmanac& k = Kept();
  if (std::uncaught_exceptions() > exceptionsAtStart) k.failedSinceLook = true;
  if (--k.depth > 0) return;
  k.EndReading();
  k.batchLooked = false;
}

bool AlmanacBatch::NoticeFileGone() {
  KeptAlmanac& k = Kept();
  if (!outermost || !k.batchLooked || !k.identity) return false;
  if (platform::GetFileIdentity(k.path)) return false;
  k.Forget();
  k.identity.reset();
  ++k.generation;
  return true;
}

std::uint64_t CurrentAlmanacBatch() {
  KeptAlmanac const& k = Kept();
  return k.depth > 0 ? k.batch : 0;
}

std::uint64_t AlmanacGeneration() {
  KeptAlmanac& k = Kept();
  if (k.depth > 0 && !k.batchLooked) Look(k);
  return k.generation;
}

AlmanacFile* UseAlmanac() {
  KeptAlmanac& k = Kept();
  if (!k.batchLooked) Look(k);
  if (k.failure) throw CppSQLite3Exception(*k.failure);
  return k.file.get();
}

void ReleaseAlmanacConnection() {
  KeptAlmanac& k = Kept();
  k.Forget();
  k.identity.reset();
  k.path.clear();
  k.looked = false;
  k.batchLooked = false;
  ++k.generation;
}
