#include "bench/PaintTimer.h"

CL_PUBLISHED(TTimedCanvas) {}
CL_PUBLISHED(TTimedFilter) {}
