#include "tools/yiji_builder/civil_date.h"
#include "app/calendar_window.h"
