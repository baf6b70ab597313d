#include "grid_window_support.h"

#include <cstring>

#include "platform/code_page.h"

namespace gridtest {

bool TestGregorianFestival(const char* key, char* out) {
  if (std::strcmp(key, "101") == 0) std::strcpy(out, "国庆");
  return true;
}

bool TestLunarFestival(const char* key, char* out) {
  auto const lunar = platform::GbkToUtf8(key);
  if (lunar == "正月初一") std::strcpy(out, "春节");
  if (lunar == "正月十五") std::strcpy(out, "元宵节");
  return true;
}

}  // namespace gridtest
