# SQLite for the Windows build, compiled from the upstream amalgamation that scripts/fetch-sqlite checks and
# unpacks (Debian ships no MinGW SQLite). The Linux build keeps Debian's libsqlite3.
include(${CMAKE_CURRENT_LIST_DIR}/windows_fetched_source.cmake)
wannianli_fetched_source_dir(WANNIANLI_SQLITE_DIR fetch-sqlite sqlite3.c sqlite3.h)

add_library(wl_sqlite3 STATIC ${WANNIANLI_SQLITE_DIR}/sqlite3.c)
target_include_directories(wl_sqlite3 SYSTEM PUBLIC ${WANNIANLI_SQLITE_DIR})
# The program only reads yiji.db: no extension loading, no legacy double-quoted string literals.
target_compile_definitions(wl_sqlite3 PRIVATE
  SQLITE_OMIT_LOAD_EXTENSION SQLITE_DQS=0 SQLITE_DEFAULT_MEMSTATUS=0 SQLITE_THREADSAFE=1)
# Upstream's code, not ours to keep -Wall -Wextra clean.
target_compile_options(wl_sqlite3 PRIVATE -w)
add_library(SQLite::SQLite3 ALIAS wl_sqlite3)
