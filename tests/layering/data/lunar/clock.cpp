#include "lunar/calendar_day.h"
#include "platform/local_clock.h"
