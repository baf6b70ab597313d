#include "almanac/ical_module.h"

// The Windows build links the operations in: nothing to load.
const IcalOperations* IcalCalendar(std::string& /*error*/) { return wannianli_ical_operations(); }
