#pragma once
// The only way the SQLite layer reports a failure. Its message is "%s[%d]: %s" made of the code's name,
// the code and a detail text; nothing is caught inside the layer (the framework's dispatch reports it).

// A layer-own error (not an SQLite result code).
constexpr int CPPSQLITE_ERROR = 1000;

class CppSQLite3Exception {
 public:
  CppSQLite3Exception(int code, const char* detail);
  CppSQLite3Exception(const CppSQLite3Exception& other);
  CppSQLite3Exception& operator=(const CppSQLite3Exception&) = delete;
  virtual ~CppSQLite3Exception();

  int ErrorCode() const noexcept { return code; }
  // The full message; the empty text when the message could not be allocated.
  const char* ErrorMessage() const noexcept { return message != nullptr ? message : ""; }

  // Another program holds the database locked (SQLITE_BUSY or SQLITE_LOCKED): worth another try later.
  bool IsBusy() const noexcept;

  // Name of an SQLite result code (an extended code is named by its family: 266 is "SQLITE_IOERR") or of
  // CPPSQLITE_ERROR; "UNKNOWN_ERROR" for anything else.
  static const char* CodeName(int code) noexcept;

 private:
  int code;
  char* message;  // from sqlite3_mprintf, released with sqlite3_free; may be null
};
