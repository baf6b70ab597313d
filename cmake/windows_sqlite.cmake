# SQLite for the Windows build, compiled from the upstream amalgamation that scripts/fetch-sqlite checks and
# unpacks (Debian ships no MinGW SQLite). The Linux build keeps Debian's libsqlite3.
set(WANNIANLI_SQLITE_DIR "" CACHE PATH "Folder holding SQLite's sqlite3.c and sqlite3.h (empty: fetch them)")
if(NOT WANNIANLI_SQLITE_DIR)
  execute_process(
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/fetch-sqlite
    OUTPUT_VARIABLE fetched OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "scripts/fetch-sqlite failed; run it by hand or set WANNIANLI_SQLITE_DIR")
  endif()
  set(WANNIANLI_SQLITE_DIR ${fetched} CACHE PATH "Folder holding SQLite's sqlite3.c and sqlite3.h" FORCE)
endif()
if(NOT EXISTS ${WANNIANLI_SQLITE_DIR}/sqlite3.c OR NOT EXISTS ${WANNIANLI_SQLITE_DIR}/sqlite3.h)
  message(FATAL_ERROR "no sqlite3.c/sqlite3.h in WANNIANLI_SQLITE_DIR=${WANNIANLI_SQLITE_DIR}")
endif()

add_library(wl_sqlite3 STATIC ${WANNIANLI_SQLITE_DIR}/sqlite3.c)
target_include_directories(wl_sqlite3 SYSTEM PUBLIC ${WANNIANLI_SQLITE_DIR})
# The program only reads yiji.db: no extension loading, no legacy double-quoted string literals.
target_compile_definitions(wl_sqlite3 PRIVATE
  SQLITE_OMIT_LOAD_EXTENSION SQLITE_DQS=0 SQLITE_DEFAULT_MEMSTATUS=0 SQLITE_THREADSAFE=1)
# Upstream's code, not ours to keep -Wall -Wextra clean.
target_compile_options(wl_sqlite3 PRIVATE -w)
add_library(SQLite::SQLite3 ALIAS wl_sqlite3)
