#pragma once
// The header clock's text.
#include <string>

// "HH:MM:SS": each field below 10 gets a leading 0 (9, 5, 7 → "09:05:07"; 0, 0, 0 → "00:00:00").
std::wstring FormatClockText(int hour, int minute, int second);
