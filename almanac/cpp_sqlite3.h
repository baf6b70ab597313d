#pragma once
// The SQLite access layer in one include.
#include "almanac/cpp_sqlite3_db.h"
#include "almanac/cpp_sqlite3_exception.h"
#include "almanac/cpp_sqlite3_query.h"
#include "almanac/cpp_sqlite3_statement.h"
