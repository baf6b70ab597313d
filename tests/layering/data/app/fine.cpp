#include "grid/month_grid_view.h"
#include "platform/local_clock.h"
#include <string>
