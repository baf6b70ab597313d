#pragma once
// The almanac's columns of the `--info` command for one date, as UTF-8 text.
#include <string>

struct InfoAlmanacColumns {
  std::string yi;       // QueryYiJi's words, as the widget shows them
  std::string ji;
  std::string holiday;  // "rest", "work" or empty
};

// May throw CppSQLite3Exception like the look-ups it makes.
InfoAlmanacColumns AlmanacInfoColumns(int year, int month, int day);
