#include "app/calendar_window.h"
