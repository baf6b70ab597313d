#pragma once
// SQLite's error text of a connection, or "" when there is none (the layer's messages never hold a null).
#include <sqlite3.h>

inline const char* SqliteErrorText(sqlite3* handle) {
  const char* text = handle != nullptr ? sqlite3_errmsg(handle) : nullptr;
  return text != nullptr ? text : "";
}
