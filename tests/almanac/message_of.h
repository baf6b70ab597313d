#pragma once
// The message of the CppSQLite3Exception that `body` throws (a failure of the test when it throws none).
#include <gtest/gtest.h>

#include <string>

#include "almanac/cpp_sqlite3_exception.h"

template <typename Body>
std::string MessageOf(Body body) {
  try {
    body();
  } catch (const CppSQLite3Exception& error) {
    return error.ErrorMessage();
  }
  ADD_FAILURE() << "no CppSQLite3Exception";
  return {};
}
