#include <tools/art/piece.h>
#include "ui/ui_defs.h"
