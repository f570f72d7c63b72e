#include "ProbeControl.h"

CL_PUBLISHED(TProbeControl) {}
