#include "controls/windows/SizeGrip.h"

CL_PUBLISHED(TvgSizeGrip) {}
CL_PUBLISHED(TvgHudSizeGrip) {}
