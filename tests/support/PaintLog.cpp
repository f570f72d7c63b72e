#include "tests/support/PaintLog.h"

// The doubles of PaintLog.h are shared by the test programs of several libraries; their tables live here.
CL_PUBLISHED(TPaintLogCanvas) {}
CL_PUBLISHED(TPaintProbe) {}
