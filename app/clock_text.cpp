#include "app/clock_text.h"

namespace {

std::wstring TwoDigits(int value) { return (value >= 10 ? L"" : L"0") + std::to_wstring(value); }

}  // namespace

std::wstring FormatClockText(int hour, int minute, int second) {
  return TwoDigits(hour) + L":" + TwoDigits(minute) + L":" + TwoDigits(second);
}
