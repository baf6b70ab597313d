#pragma once
#include "../windows/select_city_window.h"
