#include "app/calendar_window.h"

#include "grid/store_lookups.h"

CalendarWindow::CalendarWindow() : CalendarWindow(grid::StoreLookups()) {}

CalendarWindow::CalendarWindow(grid::AlmanacLookups lookups) : almanac(std::move(lookups)) {}

CalendarWindow::~CalendarWindow() = default;
